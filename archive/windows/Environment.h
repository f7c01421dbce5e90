#pragma once
// The seams between the windows and the outside world: everything that waits for a person
// or touches the system goes through these, handed to every window that needs them. The
// program uses the real implementations; tests use recording fakes (tests/support/fakes.h).
#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

#include "archive/block_file.h"
#include "archive/clock.h"
#include "archive/message_register.h"
#include "archive/shell.h"

class QImage;
class QPrinter;

namespace custovia {

// Modal message dialogs. Two-part texts keep their CR LF CR LF (or LF CR LF CR) separators;
// the real dialogs show them as two paragraphs.
class Messages {
public:
    virtual ~Messages() = default;
    virtual void warning(QWidget* parent, const QString& text) = 0;
    virtual void information(QWidget* parent, const QString& text) = 0;
    virtual void error(QWidget* parent, const QString& text) = 0;
    // A plain message box, without an icon.
    virtual void plain(QWidget* parent, const QString& text) = 0;
    // A question with Yes and No; returns false only for No.
    virtual bool question(QWidget* parent, const QString& text) = 0;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path, or an empty text when cancelled.
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                             const QString& suggestedName) = 0;
    // The same, adding defaultSuffix to a name typed without an extension before the dialog
    // asks about replacing an existing file.
    virtual QString saveFileWithSuffix(QWidget* parent, const QString& title, const QString& filter,
                                       const QString& suggestedName, const QString& /*defaultSuffix*/) {
        return saveFile(parent, title, filter, suggestedName);
    }
    // The chosen folder's full path, or an empty text when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& title) = 0;
};

class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;
    // The platform print dialog (printer, copies); false when cancelled.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The preview window (print, zoom, page navigation, close); paint draws every page.
    virtual void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) = 0;
};

// The single-instance windows that per-use windows write into, found by their mode tag
// ("interventi", "data", ...). Windows register themselves when created.
class WindowRegistry {
public:
    void add(const QString& tag, QWidget* window) { windows_.insert(tag, window); }
    template <typename T>
    T* find(const QString& tag) const {
        return qobject_cast<T*>(windows_.value(tag).data());
    }

private:
    QHash<QString, QPointer<QWidget>> windows_;
};

// The system's camera, for the webcam window. Frames reach the window on the user-interface
// thread through a queued hand-over that keeps only the latest frame, so stopping the camera
// never waits on a frame.
class Camera {
public:
    virtual ~Camera() = default;
    // True when the system has a camera to start.
    virtual bool available() = 0;
    // Starts the camera; every frame is handed to onFrame on the user-interface thread until
    // stop(). False when no camera could be started.
    virtual bool start(std::function<void(const QImage&)> onFrame) = 0;
    // Stops the camera; no frame is handed over after it returns.
    virtual void stop() = 0;
    virtual bool running() const = 0;
};

// A repeating timer a window starts and stops; it ticks on the user-interface thread.
class RepeatingTimer {
public:
    virtual ~RepeatingTimer() = default;
    virtual void start(int intervalMs, std::function<void()> tick) = 0;
    virtual void stop() = 0;
    virtual bool active() const = 0;
};

class Timers {
public:
    virtual ~Timers() = default;
    // A new timer, stopped; it stops for good when destroyed.
    virtual std::unique_ptr<RepeatingTimer> create() = 0;
};

// The alarm sound's player.
class AudioPlayer {
public:
    virtual ~AudioPlayer() = default;
    // Loads the sound file and plays it once from its start; false when the file could not be
    // loaded. A file that turns out not to be a sound stays silent and never stops the caller.
    virtual bool play(const std::filesystem::path& file) = 0;
    // Stops the sound, if one is playing.
    virtual void stop() = 0;
};

struct Environment {
    Messages& messages;
    FileDialogs& fileDialogs;
    PrintDialogs& printDialogs;
    Shell& shell;
    const Clock& clock;
    std::filesystem::path folder;  // the program folder
    FileOpener& files;
    WindowRegistry& windows;
    Camera& camera;
    Timers& timers;
    AudioPlayer& audio;
    // The read-only files the program is delivered with (alarm sound, user guide): beside the
    // executable in a portable program folder, in the installation's share folder otherwise.
    std::filesystem::path delivered;

    std::filesystem::path file(std::string_view name) const { return folder / name; }
    std::filesystem::path deliveredFile(std::string_view name) const { return delivered / name; }
};

// The one way a window sends a WhatsApp message or an e-mail link: hands it to the shell and
// notes it in the message register, handed over or not. `origin`: the work area and the number
// of the card it concerns. A register that cannot be written is said with a warning over
// `parent`; the message has gone all the same.
void sendMessage(Environment& env, QWidget* parent, const OutgoingMessage& message,
                 const MessageOrigin& origin);

// The archive access message shown when a file cannot be reached.
QString archiveAccessMessage();
// The warning shown when a setting or a picture cannot be written: "Attenzione: non è stato
// possibile <what>." and the advice about the program folder's rights.
QString notStoredMessage(const QString& what);

}  // namespace custovia
