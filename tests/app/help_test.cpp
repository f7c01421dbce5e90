// The help texts: one general text, and every other help either a range of its paragraphs or
// a short text of its own.
#include <gtest/gtest.h>

#include <set>

#include "app/help.h"

namespace custovia {
namespace {

std::vector<std::string> split(const std::string& body) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t at; (at = body.find(kHelpParagraphSeparator, from)) != std::string::npos;) {
        out.push_back(body.substr(from, at - from));
        from = at + kHelpParagraphSeparator.size();
    }
    out.push_back(body.substr(from));
    return out;
}

TEST(HelpTexts, GeneralTextIsSeventyTwoParagraphsWithOneEmptyLineBetween) {
    const HelpPage general = helpPage(HelpTopic::General);
    EXPECT_EQ(general.title, "Uno sguardo a Custovia");
    const std::string body = general.body();
    const std::vector<std::string> paragraphs = split(body);
    ASSERT_EQ(paragraphs.size(), 72u);
    ASSERT_EQ(generalParagraphs().size(), 72u);
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(paragraphs[i], generalParagraphs()[i].text);
        // a paragraph is one block of text: no line breaks, no blanks at its ends
        EXPECT_FALSE(paragraphs[i].empty());
        EXPECT_EQ(paragraphs[i].find_first_of("\r\n"), std::string::npos);
        EXPECT_NE(paragraphs[i].front(), ' ');
        EXPECT_NE(paragraphs[i].back(), ' ');
        EXPECT_FALSE(generalParagraphs()[i].heading.empty());
    }
    EXPECT_NE(body.find("\"guardianottura\""), std::string::npos);
    EXPECT_NE(paragraphs[70].find("guardianottura"), std::string::npos);
}

TEST(HelpTexts, EachWorkAreaShowsExactlyItsRangeOfTheGeneralText) {
    struct Area {
        HelpTopic topic;
        const char* title;
        int first, last;
    };
    const Area areas[] = {
        {HelpTopic::Interventions, "App Coordinamento Emergenze", 57, 68},
        {HelpTopic::Clients, "App Clienti e Servizi", 17, 29},
        {HelpTopic::Employees, "App Archivio Dipendenti", 6, 16},
        {HelpTopic::Agenda, "App Agenda Appuntamenti", 39, 45},
        {HelpTopic::Appointments, "App Schedario Appuntamenti", 46, 56},
        {HelpTopic::Contracts, "App Stesura Contratti", 30, 38},
    };
    // sliced from the general text as the launcher's help shows it
    const std::vector<std::string> general = split(helpPage(HelpTopic::General).body());
    for (const Area& area : areas) {
        SCOPED_TRACE(area.title);
        const HelpPage page = helpPage(area.topic);
        EXPECT_EQ(page.title, area.title);
        const std::vector<std::string> slice(general.begin() + area.first - 1, general.begin() + area.last);
        EXPECT_EQ(split(page.body()), slice);
        EXPECT_EQ(helpTopicTitled(area.title), area.topic);
    }
}

// The words the windows show, quoted in an area's help so the user can find the button it means.
TEST(HelpTexts, EachAreaNamesTheButtonsAndPromisesItsWindowsKeep) {
    const std::pair<HelpTopic, const char*> quoted[] = {
        {HelpTopic::Contracts, "memorizzati in automatico all'uscita"},
        {HelpTopic::Contracts, "il numero successivo al totale dei contratti già archiviati"},
        {HelpTopic::Contracts, "Sfoglia"},
        {HelpTopic::Contracts, "N."},
        {HelpTopic::Employees, "Accendi webcam"},
        {HelpTopic::Employees, "Cattura foto"},
        {HelpTopic::Employees, "Carica"},
        {HelpTopic::Agenda, "Invia messaggio"},
        {HelpTopic::Agenda, "Inserisci appuntamenti"},
    };
    const std::string general = helpPage(HelpTopic::General).body();
    for (const auto& [topic, phrase] : quoted) {
        const HelpPage page = helpPage(topic);
        SCOPED_TRACE(page.title + ": " + phrase);
        EXPECT_NE(page.body().find(phrase), std::string::npos);
        EXPECT_NE(general.find(phrase), std::string::npos);
    }
}

TEST(HelpTexts, ChaptersCoverTheGeneralTextOnceInOrder) {
    int next = 1;
    for (const HelpChapter& chapter : helpChapters()) {
        EXPECT_EQ(chapter.first, next) << chapter.name;
        EXPECT_LE(chapter.first, chapter.last) << chapter.name;
        next = chapter.last + 1;
    }
    EXPECT_EQ(next, 73);
    EXPECT_EQ(helpChapters().front().name, "Introduzione");
    EXPECT_FALSE(helpChapters().front().topic.has_value());
    EXPECT_FALSE(helpChapters().back().topic.has_value());
}

TEST(HelpTexts, ExportsAndAppointmentListsHaveTextsOfTheirOwn) {
    const std::pair<HelpTopic, const char*> exports[] = {
        {HelpTopic::ExportInterventions, "interventi"},
        {HelpTopic::ExportClients, "clienti"},
        {HelpTopic::ExportAppointments, "appuntamenti"},
        {HelpTopic::ExportContracts, "contratti"},
    };
    for (const auto& [topic, archive] : exports) {
        const HelpPage page = helpPage(topic);
        EXPECT_EQ(page.title, std::string("Esportazione archivio ") + archive + " in Excel");
        ASSERT_EQ(split(page.body()).size(), 3u) << archive;
        // the first paragraph names the archive it exports
        EXPECT_NE(page.paragraphs[0].find(archive), std::string::npos) << page.paragraphs[0];
        EXPECT_NE(page.paragraphs[0].find("XLS"), std::string::npos);
        EXPECT_EQ(helpTopicTitled(page.title), topic);
    }
    const HelpPage lists = helpPage(HelpTopic::AppointmentLists);
    EXPECT_EQ(lists.title, "Visualizzazione appuntamenti");
    EXPECT_EQ(split(lists.body()).size(), 5u);
}

TEST(HelpTexts, EveryTopicHasItsOwnTitleAndUnknownTitlesFindNone) {
    std::set<std::string> titles;
    for (const HelpTopic topic : kAllHelpTopics) {
        const HelpPage page = helpPage(topic);
        EXPECT_FALSE(page.paragraphs.empty()) << page.title;
        EXPECT_TRUE(titles.insert(page.title).second) << page.title;
        // no trailing separator
        EXPECT_NE(page.body().substr(page.body().size() - 2), "\r\n");
    }
    EXPECT_EQ(helpTopicTitled(""), std::nullopt);
    EXPECT_EQ(helpTopicTitled("App Clienti"), std::nullopt);
}

}  // namespace
}  // namespace custovia
