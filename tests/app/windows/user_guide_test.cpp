// The user guide as laid out: every paragraph of the general text under its heading, a table
// of contents and an outline a PDF reader shows, read back with poppler's tools.
#include <gtest/gtest.h>

#include <QString>
#include <regex>

#include "app/help.h"
#include "app/windows/UserGuide.h"
#include "fakes.h"

namespace custovia {
namespace {

// Runs of blanks and line breaks as one blank: where a line breaks is the layout's business.
std::string words(const std::string& text) { return std::regex_replace(text, std::regex(R"(\s+)"), " "); }

class UserGuideTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        folder_ = new test::TempFolder;
        writeUserGuide(QString::fromStdString((folder_->path() / "Guida.pdf").string()));
    }
    static void TearDownTestSuite() { delete folder_; }
    static std::filesystem::path guide() { return folder_->path() / "Guida.pdf"; }

    static test::TempFolder* folder_;
};

test::TempFolder* UserGuideTest::folder_ = nullptr;

TEST_F(UserGuideTest, HoldsEveryParagraphUnderItsHeadingAfterTitleAndContents) {
    const std::string text = words(test::commandOutput("pdftotext -enc UTF-8 '" + guide().string() + "' -"));
    const auto& paragraphs = generalParagraphs();
    ASSERT_EQ(paragraphs.size(), 72u);
    std::size_t after = text.find("Indice");
    ASSERT_NE(after, std::string::npos);
    EXPECT_LT(text.find("Guida all'utilizzo del software"), after);
    // in the contents, then in the body in order: heading, then its paragraph
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        const std::string heading = std::to_string(i + 1) + ". " + std::string(paragraphs[i].heading);
        const std::size_t inContents = text.find(heading, text.find("Indice"));
        ASSERT_NE(inContents, std::string::npos);
        const std::size_t atHeading = text.find(heading, std::max(after, inContents + heading.size()));
        ASSERT_NE(atHeading, std::string::npos);
        const std::size_t atText = text.find(words(std::string(paragraphs[i].text)), atHeading);
        ASSERT_NE(atText, std::string::npos);
        after = atText;
    }
    for (const HelpChapter& chapter : helpChapters()) EXPECT_NE(text.find(chapter.name), std::string::npos);
}

TEST_F(UserGuideTest, OutlineListsTheChaptersAndTheirParagraphsOnTheirPages) {
    // pdftohtml reads the outline: chapters, and the paragraphs nested under each
    const std::string xml = test::commandOutput("pdftohtml -xml -i -q -stdout '" + guide().string() + "'");
    std::vector<std::pair<std::string, int>> items;  // title, page
    const std::regex item(R"re(<item page="(\d+)">([^<]*)</item>)re");
    for (auto it = std::sregex_iterator(xml.begin(), xml.end(), item); it != std::sregex_iterator(); ++it)
        items.emplace_back((*it)[2], std::stoi((*it)[1]));
    ASSERT_EQ(items.size(), 1u + helpChapters().size() + 72u) << xml.substr(0, 2000);
    EXPECT_EQ(items[0].first, "Indice");
    EXPECT_EQ(items[0].second, 2);
    std::size_t at = 1;
    int page = 0;
    for (const HelpChapter& chapter : helpChapters()) {
        EXPECT_EQ(items[at].first, chapter.name);
        for (int n = chapter.first; n <= chapter.last; ++n) {
            const auto& [title, onPage] = items[at + 1 + std::size_t(n - chapter.first)];
            EXPECT_EQ(title, std::to_string(n) + ". " +
                                 std::string(generalParagraphs()[std::size_t(n - 1)].heading));
            EXPECT_GE(onPage, page);
            page = onPage;
        }
        at += 1 + std::size_t(chapter.last - chapter.first + 1);
    }
    // the reader opens with the outline shown
    EXPECT_NE(test::readBytes(guide()).find("/PageMode /UseOutlines"), std::string::npos);
    const std::string info = test::commandOutput("pdfinfo '" + guide().string() + "'");
    EXPECT_NE(info.find("Custovia - Guida all'utilizzo del software"), std::string::npos) << info;
}

}  // namespace
}  // namespace custovia
