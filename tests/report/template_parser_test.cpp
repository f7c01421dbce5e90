#include "report/template_parser.h"

#include <gtest/gtest.h>

namespace custovia::report {
namespace {

TEST(TemplateParser, ReadsPagesBandsAndObjects) {
    const Template t = parseTemplate(
        "\xEF\xBB\xBF# a comment\r\n"
        "report name=\"Prova stampa\"\r\n"
        "page name=Page paper=A4 orientation=landscape margins=10mm top=5\n"
        "rect name=shpFondo left=1mm top=2 width=188mm height=4.6mm fill=#80FF0000 frame\n"
        "band name=Corpo kind=MasterData height=30.24 split\n"
        "  text name=txtNota left=0 top=0 width=100 height=20 font=\"Courier New\" size=8 bold "
        "color=white fill=slategray halign=center valign=bottom linespacing=12.822 "
        "text=\"[DATE] \\\"a\\\"\\r\\nb\\\\\"\n"
        "picture name=imgLogo width=10 height=10 source=:/logo.svg keepaspect=no\n"
        "line name=linRiga width=50 height=-3 color=#0000FF pen=2\n");

    EXPECT_EQ(t.name, "Prova stampa");
    ASSERT_EQ(t.pages.size(), 1u);
    const Page& page = t.pages[0];
    EXPECT_EQ(page.orientation, Orientation::Landscape);
    EXPECT_DOUBLE_EQ(page.widthMm(), 297);
    EXPECT_DOUBLE_EQ(page.margins.left, 10);
    EXPECT_DOUBLE_EQ(page.margins.top, 5);

    ASSERT_EQ(page.objects.size(), 1u);  // before the first band: straight on the page
    const ReportObject& shape = page.objects[0];
    EXPECT_EQ(shape.kind, ObjectKind::Rectangle);
    EXPECT_NEAR(shape.box.left, 3.7795, 1e-4);
    EXPECT_DOUBLE_EQ(shape.box.top, 2);
    EXPECT_NEAR(shape.box.width, 710.55, 0.01);
    EXPECT_EQ(shape.fill.argb, 0x80FF0000u);
    EXPECT_EQ(shape.frame, kBlack);

    ASSERT_EQ(page.bands.size(), 1u);
    const Band& band = page.bands[0];
    EXPECT_EQ(band.kind, BandKind::MasterData);
    EXPECT_TRUE(band.canSplit);
    EXPECT_DOUBLE_EQ(band.height, 30.24);
    ASSERT_EQ(band.objects.size(), 3u);

    const ReportObject& memo = band.objects[0];
    EXPECT_EQ(memo.font.family, "Courier New");
    EXPECT_DOUBLE_EQ(memo.font.sizePt, 8);
    EXPECT_TRUE(memo.font.bold);
    EXPECT_EQ(memo.colour, kWhite);
    EXPECT_EQ(memo.fill.argb, 0xFF708090u);
    EXPECT_EQ(memo.hAlign, HAlign::Centre);
    EXPECT_EQ(memo.vAlign, VAlign::Bottom);
    EXPECT_FALSE(memo.wordWrap);
    EXPECT_DOUBLE_EQ(memo.lineHeight(), 12.822);
    EXPECT_EQ(memo.text, "[DATE] \"a\"\r\nb\\");

    EXPECT_FALSE(band.objects[1].keepAspect);
    EXPECT_EQ(band.objects[1].source, ":/logo.svg");
    EXPECT_DOUBLE_EQ(band.objects[2].box.height, -3);
    EXPECT_EQ(band.objects[2].frame.argb, 0xFF0000FFu);
    EXPECT_DOUBLE_EQ(band.objects[2].frameWidth, 2);
}

TEST(TemplateParser, RejectsMistakesNamingTheLine) {
    struct Case {
        const char* line;
        const char* why;
    };
    const Case cases[] = {
        {"text name=txtA colr=red", "sconosciuta \"colr\""},
        {"text name=txtA size=abc", "numero"},
        {"text name=txtA size=0", "corpo"},
        {"text name=txtA width=-4", "fuori misura"},
        {"text name=txtA left=1e9", "fuori misura"},
        {"text name=txtA linespacing=0", "interlinea"},
        {"text name=txtA text=\"open", "virgolette"},
        {"text name=txtA text=\"a\\qb\"", "\\q"},
        {"text name=txtA halign=middle", "allineamento"},
        {"text name=txtA color=#12345", "colore"},
        {"text name=txtA bold=maybe", "yes o no"},
        {"text name=txtLuogo", "ripetuto"},
        {"band kind=Detail", "tipo di banda"},
        {"page paper=B9", "carta"},
        {"page margins=150mm", "margini"},
        {"frame name=x", "parola chiave"},
        {"=x", "senza nome"},
    };
    for (const Case& c : cases) {
        const std::string source = std::string("page name=Page\ntext name=txtLuogo\n") + c.line + "\n";
        try {
            parseTemplate(source);
            ADD_FAILURE() << "accepted: " << c.line;
        } catch (const ReportError& e) {
            const std::string what = e.what();
            EXPECT_NE(what.find("riga 3"), std::string::npos) << c.line << ": " << what;
            EXPECT_NE(what.find(c.why), std::string::npos) << c.line << ": " << what;
        }
    }
}

TEST(TemplateParser, WantsAPageBeforeAnyObject) {
    EXPECT_THROW(parseTemplate("text name=txtA\n"), ReportError);
    EXPECT_THROW(parseTemplate("# nothing but a comment\n"), ReportError);
}

TEST(Template, FillingAMissingObjectIsAnError) {
    Template t = parseTemplate("page\nband name=Corpo\ntext name=txtA\nrect name=shpA\n");
    t.setText("txtA", "x");
    t.setHeight("Corpo", 50);
    t.setHeight("shpA", -7);  // a height below zero lays out as nothing
    EXPECT_DOUBLE_EQ(t.findBand("Corpo")->height, 50);
    EXPECT_DOUBLE_EQ(t.findObject("shpA")->box.height, 0);
    EXPECT_THROW(t.setText("txtB", "x"), ReportError);
    EXPECT_THROW(t.setText("shpA", "x"), ReportError);  // not a text object
    EXPECT_THROW(t.setHeight("txtB", 1), ReportError);
    EXPECT_THROW(t.setOrientation(3, Orientation::Portrait), ReportError);
}

TEST(Template, MemoLinesBreakOnlyOnLineBreaks) {
    EXPECT_EQ(splitLines(""), std::vector<std::string>{});
    EXPECT_EQ(splitLines("a b"), (std::vector<std::string>{"a b"}));
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\n\nb\r\n"), (std::vector<std::string>{"a", "", "b", ""}));
}

}  // namespace
}  // namespace custovia::report
