#pragma once
// The help texts. The general text is 72 paragraphs, each with a heading for the printed
// guide; a work area's help is a range of those paragraphs, sliced from them, so the two can
// never say different things. The export windows and the agenda's lists have short texts of
// their own.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace custovia {

enum class HelpTopic {
    General,        // the launcher's help icon
    Employees,      // employee card editor
    Clients,        // client card editor
    Contracts,      // contract card editor
    Agenda,         // agenda
    Appointments,   // appointment card editor
    Interventions,  // intervention card editor
    ExportInterventions,
    ExportClients,
    ExportAppointments,
    ExportContracts,
    AppointmentLists,  // the agenda's lists of imminent, daily and monthly appointments
};

struct HelpParagraph {
    std::string_view heading;  // shown in the printed guide only
    std::string_view text;
};

// A chapter of the general text: paragraphs first..last, counted from 1. The work areas'
// chapters carry their topic; the introduction and the closing have none.
struct HelpChapter {
    std::string_view name;
    int first = 0;
    int last = 0;
    std::optional<HelpTopic> topic;
};

struct HelpPage {
    std::string title;
    std::vector<std::string> paragraphs;
    std::string body() const;  // the paragraphs joined with CR LF CR LF
};

// Paragraphs of a help body are joined with one empty line, CR LF CR LF.
inline constexpr std::string_view kHelpParagraphSeparator = "\r\n\r\n";

// The general text's paragraphs, in order.
const std::vector<HelpParagraph>& generalParagraphs();
// The chapters of the general text, in order, covering every paragraph once.
const std::vector<HelpChapter>& helpChapters();
// Every help the program opens, by topic.
HelpPage helpPage(HelpTopic topic);
std::string joinParagraphs(const std::vector<std::string>& paragraphs);
// The topic whose help has this title, if any.
std::optional<HelpTopic> helpTopicTitled(std::string_view title);

// Every topic, for the windows that list or test them.
inline constexpr HelpTopic kAllHelpTopics[] = {
    HelpTopic::General,         HelpTopic::Employees,
    HelpTopic::Clients,         HelpTopic::Contracts,
    HelpTopic::Agenda,          HelpTopic::Appointments,
    HelpTopic::Interventions,   HelpTopic::ExportInterventions,
    HelpTopic::ExportClients,   HelpTopic::ExportAppointments,
    HelpTopic::ExportContracts, HelpTopic::AppointmentLists,
};

// The user guide's file, one of the delivered read-only files.
inline constexpr std::string_view kUserGuideFile = "Guida.pdf";

}  // namespace custovia
