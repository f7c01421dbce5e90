#include "fakes.h"

#include <gtest/gtest.h>

#include <QPrinter>

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
      env_{messages, fileDialogs, printDialogs, shell, clock, folder_.path(), platformFileOpener(), windows} {
}

}  // namespace custovia::test
