#include "fakes.h"

#include <gtest/gtest.h>

#include <QPrinter>

#include "archive/message_register.h"
#include "archive/text.h"

namespace custovia::test {

FakeMessages::~FakeMessages() { EXPECT_TRUE(answers_.empty()) << "a scripted answer was never asked for"; }

bool FakeMessages::question(QWidget*, const QString& text) {
    shown.push_back({"question", text});
    if (answers_.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return false;
    }
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

QStringList FakeMessages::texts() const {
    QStringList out;
    for (const auto& m : shown) out << m.text;
    return out;
}

FakeFileDialogs::~FakeFileDialogs() {
    EXPECT_TRUE(paths_.empty()) << "a scripted file choice was never asked for";
}

QString FakeFileDialogs::openFile(QWidget*, const QString& title, const QString& filter) {
    titles << title;
    filters << filter;
    if (paths_.empty()) {
        ADD_FAILURE() << "unexpected file dialog: " << title.toStdString();
        return {};
    }
    const QString p = paths_.front();
    paths_.pop_front();
    return p;
}

QString FakeFileDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                  const QString&) {
    return openFile(parent, title, filter);
}

QString FakeFileDialogs::chooseFolder(QWidget* parent, const QString& title) {
    return openFile(parent, title, QString());
}

std::filesystem::path FakePrintDialogs::nextPdf() {
    auto path = folder_ / ("print" + std::to_string(pdfs.size() + 1) + ".pdf");
    pdfs.push_back(path);
    return path;
}

bool FakePrintDialogs::choosePrinter(QWidget*, QPrinter& printer) {
    ++printDialogs;
    if (!acceptPrint) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(nextPdf().string()));
    return true;
}

void FakePrintDialogs::preview(QWidget*, const std::function<void(QPrinter&)>& paint) {
    ++previews;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(nextPdf().string()));
    paint(printer);
}

FakeEnvironment::FakeEnvironment()
    : printDialogs(pdfFolder_.path()),
      clock(DateTime{2024, 5, 15, 10, 7, 3}),
      env_{messages, fileDialogs, printDialogs, shell,  clock, folder_.path(),
           files,    windows,     camera,       timers, audio, folder_.path()} {}

std::vector<std::string> FakeEnvironment::registered() const {
    const std::filesystem::path file = folder() / kMessageRegisterFile;
    if (!std::filesystem::exists(file)) return {};
    const std::string bytes = readBytes(file);
    std::vector<std::string> lines;
    for (std::size_t begin = 0; begin < bytes.size();) {
        const std::size_t end = bytes.find("\r\n", begin);
        EXPECT_NE(end, std::string::npos) << "a line of the register without its CR LF";
        std::string line = fromCp1252(bytes.substr(begin, end - begin));
        for (std::size_t tab; (tab = line.find('\t')) != std::string::npos;) line.replace(tab, 1, " | ");
        lines.push_back(std::move(line));
        if (end == std::string::npos) break;
        begin = end + 2;
    }
    return lines;
}

}  // namespace custovia::test
