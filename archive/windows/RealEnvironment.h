#pragma once
// The program's own implementations of the seams.
#include <QPrinter>
#include <QUrl>

#include "archive/windows/Environment.h"
#include "archive/windows/MediaAudioPlayer.h"
#include "archive/windows/SystemCamera.h"
#include "archive/windows/SystemTimers.h"

namespace custovia {

class DialogMessages final : public Messages {
public:
    void warning(QWidget* parent, const QString& text) override;
    void information(QWidget* parent, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    void plain(QWidget* parent, const QString& text) override;
    bool question(QWidget* parent, const QString& text) override;
};

class SystemFileDialogs final : public FileDialogs {
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& title, const QString& filter,
                     const QString& suggestedName) override;
    QString saveFileWithSuffix(QWidget* parent, const QString& title, const QString& filter,
                               const QString& suggestedName, const QString& defaultSuffix) override;
    QString chooseFolder(QWidget* parent, const QString& title) override;
};

class SystemPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) override;
};

// Opens web addresses, "mailto:" links and files (given in double quotes) with the
// desktop's associated programs.
class DesktopShell final : public Shell {
public:
    bool open(const std::string& text) override;
};

// Everything the running program hands its windows.
class RealEnvironment {
public:
    RealEnvironment(std::filesystem::path folder, std::filesystem::path delivered);
    Environment& env() { return env_; }

private:
    DialogMessages messages_;
    SystemFileDialogs fileDialogs_;
    SystemPrintDialogs printDialogs_;
    DesktopShell shell_;
    SystemClock clock_;
    WindowRegistry windows_;
    SystemCamera camera_;
    SystemTimers timers_;
    MediaAudioPlayer audio_;
    Environment env_;
};

// What the shell is asked to open: a web address or "mailto:" link as it stands, or a file
// given by its full path (in double quotes or not).
QUrl shellUrl(const std::string& text);

// Shows CR LF CR LF and LF CR LF CR as one empty line between two paragraphs.
QString displayText(const QString& text);

}  // namespace custovia
