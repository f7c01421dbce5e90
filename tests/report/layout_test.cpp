#include "report/layout.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "report/list_report.h"
#include "report/template_parser.h"

namespace custovia::report {
namespace {

Template shippedTemplate(const std::string& name) {
    std::ifstream in(std::string(CUSTOVIA_SOURCE_DIR) + "/templates/reports/" + name + ".report");
    std::ostringstream text;
    text << in.rdbuf();
    return parseTemplate(text.str());
}

std::vector<std::string> numberedRows(int count) {
    std::vector<std::string> rows;
    for (int i = 1; i <= count; ++i) rows.push_back("Data: riga " + std::to_string(i));
    return rows;
}

std::vector<PreparedPage> printedList(const std::vector<std::string>& rows) {
    Template list = shippedTemplate("riepilogo_dati");
    fillListReport(list, "Riepilogo schede interventi in archivio", rows, DateTime{2025, 3, 3, 9, 5, 7});
    return prepareReport(list);
}

constexpr double kMargin = 10 * kUnitsPerMm;
constexpr double kLandscapeHeight = 210 * kUnitsPerMm;

TEST(ListReport, LaysOutTitleRowsAndFooter) {
    const auto pages =
        printedList({"Data: 01/05/2024  Cliente: Rossi", "Data: 02/05/2024  Cliente: [Bianchi]"});
    ASSERT_EQ(pages.size(), 1u);
    const PreparedPage& page = pages[0];
    EXPECT_EQ(page.orientation, Orientation::Landscape);
    EXPECT_DOUBLE_EQ(page.widthMm, 297);

    const DrawnItem* title = page.find("txtTitolo");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->lines, std::vector<std::string>{"Riepilogo schede interventi in archivio"});
    EXPECT_NEAR(title->object.box.left, kMargin, 1e-9);
    EXPECT_NEAR(title->object.box.top, kMargin, 1e-9);
    EXPECT_NEAR(title->object.box.width, 277 * kUnitsPerMm, 1e-9);
    EXPECT_EQ(title->object.font.family, "Verdana");
    EXPECT_DOUBLE_EQ(title->object.font.sizePt, 9);
    EXPECT_TRUE(title->object.font.bold);
    EXPECT_EQ(title->object.hAlign, HAlign::Centre);

    const DrawnItem* rows = page.find("txtRiepilogo");
    ASSERT_NE(rows, nullptr);
    EXPECT_EQ(rows->lines, (std::vector<std::string>{"Data: 01/05/2024  Cliente: Rossi",
                                                     "Data: 02/05/2024  Cliente: [Bianchi]"}));
    EXPECT_NEAR(rows->object.box.top, kMargin + 30.24, 1e-9);
    EXPECT_NEAR(rows->object.box.height, 2 * 12.822, 1e-9);
    EXPECT_EQ(rows->object.font.family, "Courier New");
    EXPECT_DOUBLE_EQ(rows->object.font.sizePt, 8);
    EXPECT_FALSE(rows->object.wordWrap);

    const DrawnItem* footer = page.find("txtPagina");
    ASSERT_NE(footer, nullptr);
    EXPECT_EQ(footer->lines,
              std::vector<std::string>{"Stampa eseguita in data 03/03/2025 alle ore 09:05:07"});
    EXPECT_NEAR(footer->object.box.bottom(), kLandscapeHeight - kMargin, 1e-9);
    EXPECT_DOUBLE_EQ(footer->object.font.sizePt, 8);
}

TEST(ListReport, AnEmptyListPrintsTitleAndFooterOnly) {
    const auto pages = printedList({});
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].items.size(), 2u);
    EXPECT_EQ(pages[0].items[0].object.name, "txtTitolo");
    EXPECT_EQ(pages[0].items[1].object.name, "txtPagina");
}

TEST(ListReport, ALongListRunsOnWithEveryRowOnceAndInOrder) {
    // 51 rows fill the first sheet under the title, 53 each later sheet; the band's empty tail
    // never opens a sheet of its own
    const std::pair<int, std::size_t> cases[] = {{51, 1}, {52, 2}, {104, 2}, {105, 3}, {300, 6}};
    for (const auto& [count, sheets] : cases) {
        const auto rows = numberedRows(count);
        const auto pages = printedList(rows);
        ASSERT_EQ(pages.size(), sheets) << count << " rows";
        std::vector<std::string> printed;
        for (std::size_t i = 0; i < pages.size(); ++i) {
            const PreparedPage& page = pages[i];
            EXPECT_EQ(page.find("txtTitolo") != nullptr, i == 0) << "sheet " << i;
            const DrawnItem* footer = page.find("txtPagina");
            ASSERT_NE(footer, nullptr) << "sheet " << i;
            const DrawnItem* memo = page.find("txtRiepilogo");
            ASSERT_NE(memo, nullptr) << "sheet " << i;
            EXPECT_LE(memo->object.box.top + double(memo->lines.size()) * 12.822,
                      footer->object.box.top + 1e-9);
            printed.insert(printed.end(), memo->lines.begin(), memo->lines.end());
        }
        EXPECT_EQ(printed, rows) << count << " rows";
        EXPECT_EQ(pages[0].find("txtRiepilogo")->lines.size(), std::min<std::size_t>(count, 51));
    }
}

TEST(ListReport, ALineBreakInsideARowNeverCostsARow) {
    const auto pages = printedList({"Note: prima\r\nseconda", "ultima"});
    EXPECT_EQ(pages[0].find("txtRiepilogo")->lines,
              (std::vector<std::string>{"Note: prima  seconda", "ultima"}));
}

TEST(Layout, BandsThatMayNotSplitMoveWholeAndPageObjectsRepeat) {
    Template t = parseTemplate(
        "page paper=A5 margins=0\n"  // 210 mm = 793.7 units high
        "rect name=shpFondo width=10 height=10\n"
        "band name=Testata kind=PageHeader height=100\n"
        "text name=txtTestata height=100 text=T\n"
        "band name=Uno height=400\n"
        "text name=txtUno height=400 text=A\n"
        "band name=Due height=400\n"
        "text name=txtDue height=400 text=B\n"
        "band name=Piede kind=PageFooter height=50\n"
        "text name=txtPiede height=50 text=P\n");
    const auto pages = prepareReport(t);
    ASSERT_EQ(pages.size(), 2u);
    for (const PreparedPage& page : pages) {
        EXPECT_NE(page.find("shpFondo"), nullptr);
        EXPECT_DOUBLE_EQ(page.find("txtTestata")->object.box.top, 0);
        EXPECT_NEAR(page.find("txtPiede")->object.box.top, 210 * kUnitsPerMm - 50, 1e-9);
    }
    EXPECT_DOUBLE_EQ(pages[0].find("txtUno")->object.box.top, 100);
    EXPECT_EQ(pages[0].find("txtDue"), nullptr);
    EXPECT_DOUBLE_EQ(pages[1].find("txtDue")->object.box.top, 100);
}

TEST(Layout, ASplittingBandMovesWholeWhatCannotBreak) {
    // the room under the header is 693.7 units: the memo breaks after its 34th line (680),
    // the box straddling that line moves whole to the next sheet, with the memo's rest
    Template t = parseTemplate(
        "page paper=A5 margins=0\n"
        "band kind=PageHeader height=100\n"
        "band name=Corpo height=1000 split\n"
        "text name=txtMemo height=1000 linespacing=20\n"
        "rect name=shpRiquadro top=670 width=10 height=40\n");
    std::string text;
    for (int i = 0; i < 50; ++i) text += "riga " + std::to_string(i) + "\n";
    t.setText("txtMemo", text);
    const auto pages = prepareReport(t);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].find("txtMemo")->lines.size(), 33u);  // cut moved up to the box's top
    EXPECT_EQ(pages[0].find("shpRiquadro"), nullptr);
    EXPECT_EQ(pages[1].find("txtMemo")->lines.front(), "riga 33");
    EXPECT_DOUBLE_EQ(pages[1].find("txtMemo")->object.box.top, 100);
    EXPECT_DOUBLE_EQ(pages[1].find("shpRiquadro")->object.box.top, 100 + 670 - 660);
}

}  // namespace
}  // namespace custovia::report
