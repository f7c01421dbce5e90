#include "app/help.h"

namespace custovia {
namespace {

// The work areas' chapters carry the titles their help windows show.
const std::vector<HelpChapter> kChapters = {
    {"Introduzione", 1, 5, std::nullopt},
    {"App Archivio Dipendenti", 6, 16, HelpTopic::Employees},
    {"App Clienti e Servizi", 17, 29, HelpTopic::Clients},
    {"App Stesura Contratti", 30, 38, HelpTopic::Contracts},
    {"App Agenda Appuntamenti", 39, 45, HelpTopic::Agenda},
    {"App Schedario Appuntamenti", 46, 56, HelpTopic::Appointments},
    {"App Coordinamento Emergenze", 57, 68, HelpTopic::Interventions},
    {"Note finali", 69, 72, std::nullopt},
};

// The export windows explain the same three steps, each for what it exports (`what`) and the
// rows of its grid.
std::vector<std::string> exportSteps(std::string_view what, std::string_view rows) {
    return {
        "Il pulsante di esportazione trascrive " + std::string(what) +
            " in un foglio di lavoro in formato XLS, che si apre con Microsoft Excel o con qualsiasi altro "
            "programma di gestione dei fogli di calcolo.",
        "Nella finestra che mostra la griglia " + std::string(rows) +
            " fare clic sull'icona di Excel: il file viene creato immediatamente e, rispondendo "
            "affermativamente alla domanda che segue, viene subito aperto per la consultazione.",
        "Una volta aperto, il foglio di lavoro può essere salvato con il nome che si preferisce e nella "
        "cartella che si desidera, in modo da conservarlo o inviarlo ad altri.",
    };
}

// The archives' exports write the whole archive.
std::vector<std::string> exportParagraphs(std::string_view archive) {
    return exportSteps("l'intero " + std::string(archive), "delle schede");
}

struct ExportHelp {
    HelpTopic topic;
    std::string_view title;
    std::string_view archive;
};

const ExportHelp kExportHelps[] = {
    {HelpTopic::ExportInterventions, "Esportazione archivio interventi in Excel",
     "archivio degli interventi"},
    {HelpTopic::ExportClients, "Esportazione archivio clienti in Excel", "archivio dei clienti"},
    {HelpTopic::ExportAppointments, "Esportazione archivio appuntamenti in Excel",
     "archivio degli appuntamenti"},
    {HelpTopic::ExportContracts, "Esportazione archivio contratti in Excel", "archivio dei contratti"},
};

const std::vector<std::string> kAppointmentListParagraphs = {
    "Gli appuntamenti imminenti compaiono automaticamente nella schermata dell'agenda. Il pulsante di "
    "esportazione li mostra in una griglia da cui possono essere esportati; un appuntamento esce "
    "dall'elenco soltanto quando nel suo schedario viene segnato come assolto.",
    "L'elenco degli appuntamenti imminenti tiene conto dei giorni di preavviso indicati per ciascun "
    "appuntamento: un appuntamento vi compare a partire dal giorno in cui scatta il suo preavviso.",
    "I due pulsanti posti sotto il calendario richiamano gli appuntamenti del giorno o del mese "
    "selezionati nel calendario stesso.",
    "La griglia elenca gli appuntamenti in ordine cronologico, per data e ora.",
    "Facendo clic sull'icona di Excel l'elenco visualizzato viene salvato in un file in formato XLS, che "
    "può essere aperto subito e conservato con il nome che si preferisce.",
};

// The paragraphs first..last of the general text, counted from 1.
std::vector<std::string> generalRange(int first, int last) {
    const auto& all = generalParagraphs();
    std::vector<std::string> out;
    for (int i = first; i <= last && i <= int(all.size()); ++i)
        out.emplace_back(all[std::size_t(i - 1)].text);
    return out;
}

}  // namespace

std::string joinParagraphs(const std::vector<std::string>& paragraphs) {
    std::string out;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) out += kHelpParagraphSeparator;
        out += paragraphs[i];
    }
    return out;
}

std::string HelpPage::body() const { return joinParagraphs(paragraphs); }

const std::vector<HelpChapter>& helpChapters() { return kChapters; }

HelpPage helpPage(HelpTopic topic) {
    if (topic == HelpTopic::General) return {"Uno sguardo a Custovia", generalRange(1, 72)};
    for (const HelpChapter& chapter : kChapters)
        if (chapter.topic == topic)
            return {std::string(chapter.name), generalRange(chapter.first, chapter.last)};
    for (const ExportHelp& help : kExportHelps)
        if (help.topic == topic) return {std::string(help.title), exportParagraphs(help.archive)};
    if (topic == HelpTopic::AppointmentLists)
        return {"Visualizzazione appuntamenti", kAppointmentListParagraphs};
    if (topic == HelpTopic::ExportMessages)  // what the register's list shows, not a whole archive
        return {"Esportazione registro messaggi in Excel",
                exportSteps("i messaggi elencati nel registro dei messaggi inviati, dal più recente al meno "
                            "recente,",
                            "dei messaggi")};
    return {};
}

std::optional<HelpTopic> helpTopicTitled(std::string_view title) {
    for (const HelpTopic topic : kAllHelpTopics)
        if (!title.empty() && helpPage(topic).title == title) return topic;
    return std::nullopt;
}

}  // namespace custovia
