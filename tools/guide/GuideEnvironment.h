#pragma once
// The seams the guide's builder hands the windows it pictures: the program's own files in a
// scratch folder and a fixed clock, and in place of everything that would wait for a person
// or reach outside (dialogs, the shell, the camera, the sound) quiet stand-ins that only
// note what they were asked, so that no window ever blocks the build.
#include <QStringList>
#include <filesystem>
#include <vector>

#include "archive/windows/Environment.h"
#include "tests/support/stand_ins.h"

namespace custovia::guide {

class QuietMessages final : public Messages {
public:
    void warning(QWidget*, const QString& text) override { shown << text; }
    void information(QWidget*, const QString& text) override { shown << text; }
    void error(QWidget*, const QString& text) override { shown << text; }
    void plain(QWidget*, const QString& text) override { shown << text; }
    // Every question is answered No: nothing is opened or overwritten on the builder's behalf.
    bool question(QWidget*, const QString& text) override {
        shown << text;
        return false;
    }
    QStringList shown;
};

// Every file dialog is cancelled.
class CancelledFileDialogs final : public FileDialogs {
public:
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&) override { return {}; }
};

// The print dialog is cancelled and the preview shows nothing.
class CancelledPrintDialogs final : public PrintDialogs {
public:
    bool choosePrinter(QWidget*, QPrinter&) override { return false; }
    void preview(QWidget*, const std::function<void(QPrinter&)>&) override {}
};

// The moment every picture of the guide shows: Tuesday 14 May 2024, 9:30.
inline constexpr DateTime kGuideMoment{2024, 5, 14, 9, 30, 0};

class GuideEnvironment {
public:
    explicit GuideEnvironment(std::filesystem::path folder);
    Environment& env() { return env_; }
    const std::filesystem::path& folder() const { return env_.folder; }

    QuietMessages messages;
    test::FakeShell shell;  // notes what it is handed

private:
    CancelledFileDialogs fileDialogs_;
    CancelledPrintDialogs printDialogs_;
    FixedClock clock_{kGuideMoment};
    WindowRegistry windows_;
    test::FakeCamera camera_;      // made absent
    test::FakeTimers timers_;      // never tick: a picture is one moment
    test::FakeAudioPlayer audio_;  // "plays" without a sound device
    Environment env_;
};

}  // namespace custovia::guide
