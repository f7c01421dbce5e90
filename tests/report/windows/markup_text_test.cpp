// Fixed texts written in simple markup: word-wrapped paragraphs with bold headings inside
// their box, cut at the box's edges, and the two-sided flag of a template.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "fakes.h"
#include "report/template_parser.h"
#include "report/windows/Report.h"

namespace custovia::report {
namespace {

const char* kTemplate =
    "report name=Prova twosided\n"
    "page paper=A5 margins=0\n"
    "text name=txtClausole left=10 top=10 width=200 height=60 font=Arial size=10 markup "
    "text=\"<p><b>1. Oggetto.</b> Un testo lungo che va a capo dentro la sua colonna stretta.</p>"
    "<p><b>2. Durata.</b> Altre parole ancora, tante da uscire dal fondo della casella.</p>"
    "<p>Riga nascosta oltre il fondo.</p>\"\n";

TEST(MarkupText, ReadsTheFlagsOfTheTemplate) {
    const Template t = parseTemplate(kTemplate);
    EXPECT_TRUE(t.twoSided);
    EXPECT_TRUE(t.findObject("txtClausole")->markup);
    EXPECT_FALSE(parseTemplate("report name=Prova\npage paper=A5\n").twoSided);
}

TEST(MarkupText, WrapsParagraphsInsideTheBoxAndCutsAtItsFoot) {
    Report report(parseTemplate(kTemplate));
    QImage sheet(300, 200, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(3780);
    sheet.setDotsPerMeterY(3780);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    report.paintPage(painter, report.prepare().at(0), 1.0);
    painter.end();
    auto inkedRows = [&](int fromY, int toY, int fromX, int toX) {
        int rows = 0;
        for (int y = fromY; y < toY; ++y)
            for (int x = fromX; x < toX; ++x)
                if (qGray(sheet.pixel(x, y)) < 128) {
                    ++rows;
                    break;
                }
        return rows;
    };
    EXPECT_GT(inkedRows(10, 70, 10, 210), 20);  // several lines of text inside the box
    EXPECT_EQ(inkedRows(70, 200, 0, 300), 0);   // nothing below its foot
    EXPECT_EQ(inkedRows(0, 200, 211, 300), 0);  // nor beyond its right edge
}

TEST(MarkupText, PrintsItsWordsWithoutTheMarkup) {
    test::FakeEnvironment fake;
    Report report(parseTemplate(kTemplate));
    const auto pdf = fake.folder() / "prova.pdf";
    ASSERT_TRUE(report.writePdf(pdf));
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("1. Oggetto."), std::string::npos);
    EXPECT_NE(text.find("colonna"), std::string::npos);
    EXPECT_EQ(text.find("<b>"), std::string::npos);
}

}  // namespace
}  // namespace custovia::report
