#include "clients/windows/TfrmTrovaClienti.h"

#include "archive/windows/CardEditor.h"
#include "clients/client_lists.h"
#include "clients/clients.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

// Copies the client's fields into the card editor registered under the tag; nothing else of
// that card changes and nothing is saved.
RowAction importInto(Environment& env, std::string_view tag) {
    return [&env, tag](std::uint64_t, const Record& client) {
        auto* card = env.windows.find<CardEditor>(toQString(tag));
        if (!card) return;
        for (const ImportTarget& target : clientImportTargets(tag))
            card->setFieldText(toQString(target.control), QString::fromStdString(client.get(target.field)));
    };
}

ListConfig searchConfig(Environment& env) {
    ListConfig c =
        searchList(env, {kClientsFile, clientLayout(), kClientsTag, clientSearchRow()}, clientFilters(),
                   QStringLiteral("TfrmTrovaClienti"), QStringLiteral(" Trova clienti in archivio"),
                   QStringLiteral("Riepilogo clienti in archivio"));
    for (const std::string_view tag : {kInterventionImportTag, kAppointmentImportTag, kContractImportTag})
        c.actions.insert(toQString(tag), importInto(env, tag));
    return c;
}

}  // namespace

TfrmTrovaClienti::TfrmTrovaClienti(Environment& env, const QString& mode, QWidget* parent)
    : ListWindow(env, searchConfig(env), parent) {
    setModeTag(mode);
}

}  // namespace custovia
