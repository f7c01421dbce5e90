#include "clients/windows/TfrmExpClienti.h"

#include "clients/client_export.h"
#include "clients/clients.h"

namespace custovia {
namespace {

ExportWindowConfig clientExportWindow() {
    ExportWindowConfig c;
    c.objectName = QStringLiteral("TfrmExpClienti");
    c.caption = QStringLiteral(" Esporta archivio clienti in Excel");
    c.table = clientExport();
    c.archiveFile = std::string(kClientsFile);
    c.layout = &clientLayout();
    c.helpTopic = HelpTopic::ExportClients;
    return c;
}

}  // namespace

TfrmExpClienti::TfrmExpClienti(Environment& env, QWidget* parent)
    : ExportWindow(env, parent, clientExportWindow()) {}

}  // namespace custovia
