#pragma once
// Recording fakes for the seams, so that every window test runs offscreen and never blocks.
// A fake holds a queue of scripted answers and records every text shown; an answer left
// unused when the fake is destroyed fails the test.
#include <QImage>
#include <QString>
#include <QStringList>
#include <deque>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "archive/windows/Environment.h"
#include "tests/support/fake_shell.h"
#include "tests/support/faulty_files.h"
#include "tests/support/files.h"

namespace custovia::test {

struct ShownMessage {
    QString kind;  // "warning", "information", "error", "plain", "question"
    QString text;
};

class FakeMessages final : public Messages {
public:
    ~FakeMessages() override;
    void warning(QWidget*, const QString& text) override { shown.push_back({"warning", text}); }
    void information(QWidget*, const QString& text) override { shown.push_back({"information", text}); }
    void error(QWidget*, const QString& text) override { shown.push_back({"error", text}); }
    void plain(QWidget*, const QString& text) override { shown.push_back({"plain", text}); }
    bool question(QWidget*, const QString& text) override;

    // The next questions' answers, in order (true = Yes, false = No).
    void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }
    // Texts of every message shown, in order; clear() forgets them.
    QStringList texts() const;
    const ShownMessage& last() const { return shown.back(); }
    void clear() { shown.clear(); }

    std::vector<ShownMessage> shown;

private:
    std::deque<bool> answers_;
};

class FakeFileDialogs final : public FileDialogs {
public:
    ~FakeFileDialogs() override;
    QString openFile(QWidget*, const QString& title, const QString& filter) override;
    QString saveFile(QWidget*, const QString& title, const QString& filter,
                     const QString& suggested) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;

    // The next dialogs' results, in order; an empty text is a cancel.
    void choose(std::initializer_list<QString> paths) { paths_.insert(paths_.end(), paths); }
    QStringList titles, filters;

private:
    std::deque<QString> paths_;
};

// Directs every print to a PDF file; the print dialog is accepted unless told otherwise.
class FakePrintDialogs final : public PrintDialogs {
public:
    explicit FakePrintDialogs(std::filesystem::path pdfFolder) : folder_(std::move(pdfFolder)) {}
    bool choosePrinter(QWidget*, QPrinter& printer) override;
    void preview(QWidget*, const std::function<void(QPrinter&)>& paint) override;

    bool acceptPrint = true;
    int printDialogs = 0;
    int previews = 0;
    // The PDF files written, in order.
    std::vector<std::filesystem::path> pdfs;

private:
    std::filesystem::path nextPdf();
    std::filesystem::path folder_;
};

// A camera that hands the window the frames a test scripts, one per yieldFrame().
class FakeCamera final : public Camera {
public:
    bool available() override { return present; }
    bool start(std::function<void(const QImage&)> onFrame) override;
    void stop() override;
    bool running() const override { return running_; }

    void script(std::initializer_list<QImage> frames) { frames_.insert(frames_.end(), frames); }
    // Hands the next scripted frame to the window, as the camera would; false when the camera
    // is off or no frame is left.
    bool yieldFrame();

    bool present = true;  // false: a machine without a camera
    int starts = 0, stops = 0;

private:
    bool running_ = false;
    std::function<void(const QImage&)> onFrame_;
    std::deque<QImage> frames_;
};

// Timers that tick only when the test says so.
class FakeTimers final : public Timers {
public:
    std::unique_ptr<RepeatingTimer> create() override;
    // Ticks the running timer made last, as if its interval had passed; false when none runs.
    bool tick();
    // The interval of the timer made last (0 before any start).
    int interval() const;
    bool running() const;

    struct State {
        bool alive = true, active = false;
        int interval = 0;
        std::function<void()> tick;
    };

private:
    std::vector<std::shared_ptr<State>> states_;
};

// Records every sound asked for and every stop; a file plays when it exists, as with the real
// player, unless the test says the player cannot load anything.
class FakeAudioPlayer final : public AudioPlayer {
public:
    bool play(const std::filesystem::path& file) override;
    void stop() override { events.push_back("stop"); }

    // "play NAME" for each sound played (NAME: the file's name), "stop" for each stop.
    std::vector<std::string> events;
    bool loads = true;
};

// A complete environment over a fresh temporary program folder, which also holds the
// delivered files as a portable folder does, and a fixed clock (15/05/2024 10:07:03 unless
// set otherwise).
class FakeEnvironment {
public:
    FakeEnvironment();
    Environment& env() { return env_; }
    operator Environment&() { return env_; }
    const std::filesystem::path& folder() const { return folder_.path(); }
    // The lines of the message register in UTF-8, each ended by CR LF in the file, their fields
    // joined by " | "; none while there is no register.
    std::vector<std::string> registered() const;

    TempFolder folder_;
    TempFolder pdfFolder_;
    FakeMessages messages;
    FakeFileDialogs fileDialogs;
    FakePrintDialogs printDialogs;
    FakeShell shell;
    FixedClock clock;
    WindowRegistry windows;
    FakeCamera camera;
    FakeTimers timers;
    FakeAudioPlayer audio;
    // The program folder's files, faultless until a test asks for a fault.
    FaultyFiles files;

private:
    Environment env_;
};

}  // namespace custovia::test
