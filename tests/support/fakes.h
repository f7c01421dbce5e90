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
#include "tests/support/stand_ins.h"
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
