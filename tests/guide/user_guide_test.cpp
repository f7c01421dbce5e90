// The user guide as the build laid it out, read back from the PDF: its chapters and the online
// help's texts, the bookmarks and the links of the contents and the window index, a picture of
// the real windows in every work area, the page numbers, and no page left less than a third
// full except where a chapter ends.
#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>
#include <qpdf/QPDFAnnotationObjectHelper.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include <QImage>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "app/help.h"
#include "files.h"
#include "tools/guide/GuideText.h"

namespace custovia::guide {
namespace {

const std::string kGuide = CUSTOVIA_USER_GUIDE;

// Runs of blanks and line breaks as one blank: where a line breaks is the layout's business.
std::string words(const std::string& text) { return std::regex_replace(text, std::regex(R"(\s+)"), " "); }

// The text of a page (1-based).
std::string pageText(int page) {
    static const std::vector<std::string> pages = [] {
        std::vector<std::string> out;
        std::stringstream all(test::commandOutput("pdftotext -enc UTF-8 '" + kGuide + "' -"));
        for (std::string text; std::getline(all, text, '\f');) out.push_back(words(text));
        return out;
    }();
    return std::size_t(page - 1) < pages.size() ? pages[std::size_t(page - 1)] : std::string();
}

struct Bookmark {
    std::string title;
    int page = 0;  // 1-based
    std::vector<Bookmark> children;
};

// The guide read with qpdf: its pages, bookmarks, the destinations of each page's links and the
// pictures on each page.
class UserGuide : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        pdf_ = new QPDF;
        pdf_->processFile(kGuide.c_str());
        for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(*pdf_).getAllPages()) pages_.push_back(page);
    }
    static void TearDownTestSuite() {
        pages_.clear();
        delete pdf_;
    }

    static int pageNumber(QPDFObjectHandle page) {
        for (std::size_t i = 0; i < pages_.size(); ++i)
            if (pages_[i].getObjectHandle().getObjGen() == page.getObjGen()) return int(i) + 1;
        return 0;
    }
    static std::vector<Bookmark> bookmarks(std::vector<QPDFOutlineObjectHelper> items) {
        std::vector<Bookmark> out;
        for (QPDFOutlineObjectHelper& item : items)
            out.push_back({item.getTitle(), pageNumber(item.getDestPage()), bookmarks(item.getKids())});
        return out;
    }
    static std::vector<Bookmark> bookmarks() {
        QPDFOutlineDocumentHelper outline(*pdf_);
        return bookmarks(outline.getTopLevelOutlines());
    }
    // The pages the links of a page lead to (1-based), in the order of the links.
    static std::vector<int> linkTargets(int page) {
        std::vector<int> out;
        for (QPDFAnnotationObjectHelper& link : pages_[std::size_t(page - 1)].getAnnotations("/Link"))
            out.push_back(pageNumber(link.getObjectHandle().getKey("/Dest").getArrayItem(0)));
        return out;
    }
    static std::size_t pictures(int page) { return pages_[std::size_t(page - 1)].getImages().size(); }
    static int pageCount() { return int(pages_.size()); }

    static QPDF* pdf_;
    static std::vector<QPDFPageObjectHelper> pages_;
};

QPDF* UserGuide::pdf_ = nullptr;
std::vector<QPDFPageObjectHelper> UserGuide::pages_;

TEST_F(UserGuide, BookmarksListTheContentsEveryChapterWithItsSectionsAndTheWindowIndex) {
    const std::vector<Bookmark> all = bookmarks();
    const std::vector<GuideChapter> chapters = guideChapters();
    ASSERT_EQ(all.size(), 1 + chapters.size() + 1);
    EXPECT_EQ(all.front().title, "Indice");
    EXPECT_EQ(all.front().page, 2);
    EXPECT_EQ(all.back().title, std::to_string(chapters.size() + 1) + ". Indice delle finestre");
    int page = 2;
    for (std::size_t c = 0; c < chapters.size(); ++c) {
        const Bookmark& b = all[c + 1];
        SCOPED_TRACE(b.title);
        EXPECT_EQ(b.title, std::to_string(c + 1) + ". " + chapters[c].title.toStdString());
        EXPECT_GT(b.page, page);  // every chapter starts on a page of its own
        page = b.page;
        // the chapter's first page shows its title
        EXPECT_NE(pageText(b.page).find(words(chapters[c].title.toStdString())), std::string::npos);
        std::vector<std::string> sections;
        for (const GuideBlock& block : chapters[c].blocks)
            if (block.kind == GuideBlock::Kind::Section) sections.push_back(block.text.toStdString());
        ASSERT_EQ(b.children.size(), sections.size());
        for (std::size_t s = 0; s < sections.size(); ++s) {
            EXPECT_EQ(b.children[s].title, sections[s]);
            EXPECT_GE(b.children[s].page, page);
            page = b.children[s].page;
            EXPECT_NE(pageText(page).find(words(sections[s])), std::string::npos) << sections[s];
        }
    }
    EXPECT_GE(all.back().page, page);
    EXPECT_NE(test::readBytes(kGuide).find("/PageMode /UseOutlines"), std::string::npos);
}

TEST_F(UserGuide, TheContentsAndTheWindowIndexLinkToTheirPages) {
    const std::vector<Bookmark> all = bookmarks();
    // the contents: a link per chapter and section, in order, to the bookmarks' pages
    std::vector<int> expected;
    for (std::size_t i = 1; i < all.size(); ++i) {
        expected.push_back(all[i].page);
        for (const Bookmark& s : all[i].children) expected.push_back(s.page);
    }
    std::vector<int> contents;
    for (int page = all[0].page; page < all[1].page; ++page) {
        const std::vector<int> targets = linkTargets(page);
        contents.insert(contents.end(), targets.begin(), targets.end());
        EXPECT_NE(pageText(page).find("Pagina " + std::to_string(page)), std::string::npos);
    }
    EXPECT_EQ(contents, expected);

    // the window index: a link per window and chapter to a page of that chapter showing a picture
    std::vector<int> index;
    for (int page = all.back().page; page <= pageCount(); ++page) {
        const std::vector<int> targets = linkTargets(page);
        index.insert(index.end(), targets.begin(), targets.end());
    }
    ASSERT_GE(index.size(), 15u);
    for (int target : index) {
        EXPECT_GE(target, all[1].page);
        EXPECT_LT(target, all.back().page);
        EXPECT_GT(pictures(target), 0u) << "page " << target;
    }
    const std::string text = pageText(all.back().page);
    for (const char* window : {"Custovia - Autenticazione", "Custovia - Clienti e Servizi",
                               "Custovia - Agenda Appuntamenti", "Custovia - Stesura Contratti"})
        EXPECT_NE(text.find(window), std::string::npos) << window;
}

TEST_F(UserGuide, EveryWorkAreaChapterShowsPicturesOfItsWindows) {
    const std::vector<Bookmark> all = bookmarks();
    for (const QString& area : workAreaChapterTitles()) {
        SCOPED_TRACE(area.toStdString());
        const auto chapter = std::find_if(all.begin(), all.end(), [&](const Bookmark& b) {
            return b.title.substr(b.title.find(". ") + 2) == area.toStdString();
        });
        ASSERT_NE(chapter, all.end());
        std::size_t shown = 0;
        for (int page = chapter->page; page < std::next(chapter)->page; ++page) shown += pictures(page);
        EXPECT_GE(shown, 1u);
    }
}

TEST_F(UserGuide, TheOnlineHelpsParagraphsFollowOneAnotherUnderTheirHeadings) {
    const std::vector<Bookmark> all = bookmarks();
    const auto help = std::find_if(all.begin(), all.end(), [](const Bookmark& b) {
        return b.title.find("I testi della guida in linea") != std::string::npos;
    });
    ASSERT_NE(help, all.end());
    std::string text;
    for (int page = help->page; page < std::next(help)->page; ++page) text += pageText(page) + " ";
    const auto& paragraphs = generalParagraphs();
    ASSERT_EQ(paragraphs.size(), 72u);
    std::size_t after = 0;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::size_t heading =
            text.find(std::to_string(i + 1) + ". " + std::string(paragraphs[i].heading), after);
        ASSERT_NE(heading, std::string::npos);
        after = text.find(words(std::string(paragraphs[i].text)), heading);
        ASSERT_NE(after, std::string::npos);
    }
    ASSERT_EQ(help->children.size(), helpChapters().size());
    for (std::size_t c = 0; c < helpChapters().size(); ++c)
        EXPECT_EQ(help->children[c].title, helpChapters()[c].name);
}

TEST_F(UserGuide, EveryPageButAChaptersLastIsAtLeastAThirdFull) {
    // where the ink ends on each page, the footer aside, from a small grey rendering
    const std::vector<Bookmark> all = bookmarks();
    std::set<int> chapterEnds{pageCount()};
    for (const Bookmark& b : all) chapterEnds.insert(b.page - 1);
    test::TempFolder folder;
    test::commandOutput("pdftoppm -r 20 -gray '" + kGuide + "' '" + (folder.path() / "p").string() + "'");
    const double mmToPixel = 20 / 25.4;
    const int top = int(20 * mmToPixel), bottom = int((297 - 20) * mmToPixel - 28 * 20 / 72.0) - 1;
    for (int page = 2; page <= pageCount(); ++page) {
        if (chapterEnds.count(page)) continue;
        char name[32];
        // pdftoppm pads the page numbers to the digits of the last one
        std::snprintf(name, sizeof name, "p-%0*d.pgm", int(std::to_string(pageCount()).size()), page);
        const QImage image(QString::fromStdString((folder.path() / name).string()));
        ASSERT_FALSE(image.isNull()) << name;
        int last = top;
        for (int y = top; y < bottom; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 200) last = y;
        EXPECT_GE(double(last - top) / (bottom - top), 1.0 / 3) << "page " << page;
    }
}

}  // namespace
}  // namespace custovia::guide
