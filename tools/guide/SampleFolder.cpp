#include "tools/guide/SampleFolder.h"

#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <initializer_list>
#include <stdexcept>
#include <utility>

#include "app/cipher.h"
#include "appointments/appointments.h"
#include "archive/archive.h"
#include "archive/attachments.h"
#include "archive/ini_file.h"
#include "clients/checks.h"
#include "clients/clients.h"
#include "clients/services.h"
#include "contracts/contract_card.h"
#include "contracts/contracts.h"
#include "emergencies/intervention_card.h"
#include "emergencies/interventions.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"

namespace custovia::guide {
namespace {

using Fields = std::initializer_list<std::pair<const char*, std::string>>;

void append(const std::filesystem::path& file, const RecordLayout& layout, Fields fields) {
    Record r(layout);
    for (const auto& [name, value] : fields) r.set(name, value);
    Archive(file, layout).append(r);
}

// The sample codes pass the program's own checks: the last character is the one the check
// accepts.
std::string taxCode(const std::string& first15) {
    for (char c = 'A'; c <= 'Z'; ++c)
        if (checkTaxCode(first15 + c).kind == CheckKind::Information) return first15 + c;
    throw std::logic_error("sample tax code " + first15);
}
std::string vatNumber(const std::string& first10) {
    for (char c = '0'; c <= '9'; ++c)
        if (checkVatNumber(first10 + c).kind == CheckKind::Information) return first10 + c;
    throw std::logic_error("sample VAT number " + first10);
}
std::string iban(const std::string& bban) {
    for (int check = 2; check <= 98; ++check) {
        const std::string candidate =
            "IT" + std::string(check < 10 ? "0" : "") + std::to_string(check) + bban;
        if (checkIban(candidate).kind == CheckKind::Information) return candidate;
    }
    throw std::logic_error("sample IBAN " + bban);
}

void writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::filesystem::create_directories(file.parent_path());
    if (!replaceFile(file, bytes)) throw std::runtime_error("guide: cannot write " + file.string());
}

// A drawn portrait for an employee card: a head and shoulders on a coloured ground.
void writePortrait(const std::filesystem::path& file, const QColor& ground, const QColor& jacket,
                   const QColor& hair) {
    QImage image(300, 380, QImage::Format_RGB32);
    image.fill(ground);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(jacket);
    p.drawRoundedRect(QRectF(40, 260, 220, 180), 90, 90);
    p.setBrush(QColor(0xF1, 0xC2, 0x9A));
    p.drawRect(QRectF(128, 215, 44, 60));
    p.drawEllipse(QRectF(88, 95, 124, 150));
    p.setBrush(hair);
    QPainterPath top;
    top.moveTo(88, 165);
    top.cubicTo(80, 70, 220, 70, 212, 165);
    top.cubicTo(200, 120, 110, 120, 88, 165);
    p.drawPath(top);
    p.setBrush(Qt::white);
    QPainterPath collar;
    collar.moveTo(120, 268);
    collar.lineTo(150, 305);
    collar.lineTo(180, 268);
    collar.closeSubpath();
    p.drawPath(collar);
    p.end();
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "JPG", 90);
    }
    writeFile(file, bytes.toStdString());
}

void attach(const std::filesystem::path& folder, const char* name, const std::string& text) {
    writeFile(folder / kAttachmentsFolderName / name, text);
}

void layEmployees(const std::filesystem::path& folder) {
    const auto file = folder / kEmployeesFile;
    const auto& l = employeeLayout();
    append(file, l,
           {{"txtDipendente", "Colombo Davide"},
            {"txtSesso", "M"},
            {"txtDataNasc", "12/04/1986"},
            {"txtCittadinanza", "Italiana"},
            {"txtLuogoNasc", "Parma (PR)"},
            {"txtIndirizzo", "Via dei Mille 14"},
            {"txtCitta", "Parma"},
            {"txtCap", "43121"},
            {"txtNazione", "Italia"},
            {"txtCodFisc", taxCode("CLMDVD86D12G337")},
            {"txtCivile", "Coniugato"},
            {"txtStudio", "Diploma di perito elettronico"},
            {"txtLingue", "Inglese, francese"},
            {"txtEmail", "d.colombo@vigilanzaaurora.example"},
            {"txtTel", "0521 334455"},
            {"txtCel", "3471122334"},
            {"txtQualifica", "Guardia particolare giurata"},
            {"txtReparto", "Pronto intervento"},
            {"txtDisponibilita", "Turni notturni e festivi"},
            {"txtMansioni", "Radio portatile, torcia, giubbotto ad alta visibilità"},
            {"txtIban", iban("X0542412700000001234567")},
            {"txtDataAss", "01/03/2015"},
            {"txtRetribuzione", "CCNL vigilanza privata, livello IV"},
            {"txtNote", "Patente di servizio rinnovata nel 2023"},
            {"lblFile01", "Attestato_Antincendio_Colombo.pdf"},
            {"lblDesc01", "Attestato corso antincendio"}});
    append(file, l,
           {{"txtDipendente", "Esposito Marta"},
            {"txtSesso", "F"},
            {"txtDataNasc", "03/09/1991"},
            {"txtCittadinanza", "Italiana"},
            {"txtLuogoNasc", "Modena (MO)"},
            {"txtIndirizzo", "Viale Verdi 8"},
            {"txtCitta", "Parma"},
            {"txtCap", "43122"},
            {"txtNazione", "Italia"},
            {"txtCodFisc", taxCode("SPSMRT91P43F257")},
            {"txtCel", "3389876543"},
            {"txtQualifica", "Operatrice di centrale"},
            {"txtReparto", "Centrale operativa"},
            {"txtDataAss", "15/06/2019"}});
    append(file, l,
           {{"txtDipendente", "Rinaldi Stefano"},
            {"txtSesso", "M"},
            {"txtDataNasc", "21/01/1979"},
            {"txtCitta", "Fidenza"},
            {"txtCel", "3405566778"},
            {"txtQualifica", "Guardia particolare giurata"},
            {"txtReparto", "Pronto intervento"},
            {"txtDataAss", "10/10/2008"}});
    append(file, l,
           {{"txtDipendente", "Valente Chiara"},
            {"txtSesso", "F"},
            {"txtDataNasc", "30/07/1988"},
            {"txtCitta", "Parma"},
            {"txtCel", "3293344556"},
            {"txtQualifica", "Impiegata amministrativa"},
            {"txtReparto", "Amministrazione"},
            {"txtDataAss", "02/02/2017"}});
    append(file, l,
           {{"txtDipendente", "Barbieri Luca"},
            {"txtSesso", "M"},
            {"txtDataNasc", "05/11/1983"},
            {"txtCitta", "Collecchio"},
            {"txtCel", "3317788990"},
            {"txtQualifica", "Guardia particolare giurata"},
            {"txtReparto", "Ronde e ispezioni"},
            {"txtDataAss", "20/05/2012"}});
    writePortrait(employeePhotoFile(folder, 1), QColor(0xD6, 0xE4, 0xF0), QColor(0x1F, 0x3F, 0x66),
                  QColor(0x4A, 0x32, 0x22));
    writePortrait(employeePhotoFile(folder, 2), QColor(0xF3, 0xE6, 0xD0), QColor(0x2E, 0x6B, 0x5E),
                  QColor(0x1E, 0x14, 0x0E));
    attach(folder, "Attestato_Antincendio_Colombo.pdf", "%PDF-1.4\n% attestato\n");
}

void layClients(const std::filesystem::path& folder) {
    const auto file = folder / kClientsFile;
    const auto& l = clientLayout();
    append(file, l,
           {{"txtCliente", "Ferramenta Bertolini S.r.l."},
            {"txtRecapito", "0521 778899"},
            {"txtIndirizzoRes", "Via Emilia Est 120"},
            {"txtComuneRes", "Parma"},
            {"txtProvRes", "PR"},
            {"txtCapRes", "43123"},
            {"txtTelUff", "0521 778899"},
            {"txtTelCel", "3356677889"},
            {"txtFax", "ferramentabertolini@pec.example"},
            {"txtEmail", "info@ferramentabertolini.example"},
            {"txtCodFisc", taxCode("BRTGNN62M18G337")},
            {"txtPartitaIva", vatNumber("0123456034")},
            {"txtIban", iban("Y0306912711100000046789")},
            {"txtEstremi", "Bonifico bancario a 30 giorni"},
            {"txtOccupazione", "Commercio all'ingrosso"},
            {"txtProdotti", "Bertolini Giovanni"},
            {"txtZona", "Parma Est"},
            {"txtQuestioni", "Preventivo per le telecamere del magazzino"},
            {"txtNote", "Chiavi del cancello depositate in centrale"},
            {"chkRicontatta", std::string(kFlagYes)},
            {"lblFile01", "Planimetria_Magazzino.pdf"},
            {"lblDesc01", "Planimetria del magazzino"},
            {"lblFile02", "Visura_Camerale.pdf"},
            {"lblDesc02", "Visura camerale"}});
    append(file, l,
           {{"txtCliente", "Ferraresi Giovanna"},
            {"txtDataNasc", "14/02/1958"},
            {"txtSesso", "F"},
            {"txtComuneNasc", "Parma"},
            {"txtProvNasc", "PR"},
            {"txtRecapito", "3391234567"},
            {"txtIndirizzoRes", "Strada della Repubblica 41"},
            {"txtComuneRes", "Parma"},
            {"txtProvRes", "PR"},
            {"txtCapRes", "43121"},
            {"txtTelCasa", "0521 201020"},
            {"txtTelCel", "3391234567"},
            {"txtEmail", "giovanna.ferraresi@posta.example"},
            {"txtCodFisc", taxCode("FRRGNN58B54G337")},
            {"txtEstremi", "Addebito diretto"},
            {"txtDocumento", "Carta d'identità CA12345AB"},
            {"txtOccupazione", "Farmacista"},
            {"txtCivile", "Vedova"},
            {"txtZona", "Centro storico"},
            {"txtNote", "Abitazione con allarme collegato alla centrale"}});
    append(file, l,
           {{"txtCliente", "Gallo Ottavio"},
            {"txtComuneRes", "Fidenza"},
            {"txtProvRes", "PR"},
            {"txtTelCel", "3287654321"},
            {"txtCodFisc", taxCode("GLLTTV70A01B034")},
            {"txtQuestioni", "Richiamare per il rinnovo del contratto"},
            {"chkRicontatta", std::string(kFlagYes)}});
    append(file, l,
           {{"txtCliente", "Pasticceria Dolce Riva S.n.c."},
            {"txtComuneRes", "Collecchio"},
            {"txtProvRes", "PR"},
            {"txtTelCel", "3209988776"},
            {"txtCodFisc", taxCode("RVIMRA75C41C852")},
            {"txtPartitaIva", vatNumber("0234567034")}});
    append(file, l,
           {{"txtCliente", "Marchetti Ilaria"},
            {"txtComuneRes", "Parma"},
            {"txtProvRes", "PR"},
            {"txtTelCel", "3475566443"},
            {"txtCodFisc", taxCode("MRCLRI85E62G337")}});
    const auto services = folder / servicesFileName("1");
    for (const auto& [date, hour, service, agent, amount] :
         std::initializer_list<std::tuple<const char*, const char*, const char*, const char*, const char*>>{
             {"05/02/2024", "22:00", "Ronda notturna del magazzino", "Colombo Davide", "45,00"},
             {"12/03/2024", "03:15", "Intervento su allarme", "Rinaldi Stefano", "60,00"},
             {"02/04/2024", "09:00", "Sopralluogo per le telecamere", "Barbieri Luca", "0,00"},
             {"08/05/2024", "22:00", "Ronda notturna del magazzino", "Colombo Davide", "45,00"}})
        append(services, serviceLayout(),
               {{"txtData", date},
                {"txtOra", hour},
                {"txtServizi", service},
                {"txtAgente", agent},
                {"txtImporto", amount}});
    attach(folder, "Planimetria_Magazzino.pdf", "%PDF-1.4\n% planimetria\n");
    attach(folder, "Visura_Camerale.pdf", "%PDF-1.4\n% visura\n");
}

void layInterventions(const std::filesystem::path& folder) {
    const auto file = folder / kInterventionsFile;
    const auto& l = interventionLayout();
    struct Call {
        const char *data, *ore, *minuti, *utente, *cel, *guasto, *luogo, *tecnico, *celTec, *tipo, *targa,
            *note, *terminato;
    };
    for (const Call& c : std::initializer_list<Call>{
             {"12/05/2024", "23", "40", "Ferraresi Giovanna", "3391234567", "Allarme scattato in cucina",
              "Strada della Repubblica 41, Parma", "Rinaldi Stefano", "3405566778", "Fiat Panda 4x4",
              "GA123BC", "Falso allarme: finestra aperta", "Sì"},
             {"13/05/2024", "02", "10", "Ferramenta Bertolini S.r.l.", "3356677889",
              "Sensore del magazzino in allarme", "Via Emilia Est 120, Parma", "Colombo Davide", "3471122334",
              "Dacia Duster", "FR456DE", "Porta di servizio forzata: avvisati i Carabinieri", "Sì"},
             {"14/05/2024", "07", "55", "Pasticceria Dolce Riva S.n.c.", "3209988776",
              "Saracinesca bloccata, allarme inserito", "Via Verdi 3, Collecchio", "Barbieri Luca",
              "3317788990", "Fiat Panda 4x4", "GA124BC", "", "No"},
             {"14/05/2024", "09", "12", "Ferramenta Bertolini S.r.l.", "3356677889",
              "Telecamera del cortile senza segnale", "Via Emilia Est 120, Parma", "Colombo Davide",
              "3471122334", "Dacia Duster", "FR456DE", "Il cliente attende sul posto", "No"}})
        append(file, l,
               {{"txtData", c.data},
                {"txtOre", c.ore},
                {"txtMinuti", c.minuti},
                {"lblOra", std::string(c.ore) + ":" + c.minuti},
                {"txtOperatore", "Esposito Marta"},
                {"txtUtente", c.utente},
                {"txtCelUte", c.cel},
                {"txtGuasto", c.guasto},
                {"txtLuogo", c.luogo},
                {"txtTecnico", c.tecnico},
                {"txtCelTec", c.celTec},
                {"txtTipo", c.tipo},
                {"txtTarga", c.targa},
                {"txtNote", c.note},
                {"chkTerminato", c.terminato}});
    writeIniString(folder / kOperatorSettingsFile, kOperatorSection, kOperatorKey, "Esposito Marta");
}

void layAppointments(const std::filesystem::path& folder) {
    const auto file = folder / kAppointmentsFile;
    const auto& l = appointmentLayout();
    struct Meeting {
        const char *data, *ore, *minuti, *avviso, *operatore, *causale, *dettagli, *cliente, *cel, *importo,
            *fatto;
    };
    for (const Meeting& m : std::initializer_list<Meeting>{
             {"10/05/2024", "15", "00", "2", "Barbieri Luca", "Sopralluogo per le telecamere",
              "Magazzino e cortile", "Ferramenta Bertolini S.r.l.", "3356677889", "0,00", "Sì"},
             {"13/05/2024", "11", "00", "1", "Valente Chiara", "Firma del rinnovo del contratto", "",
              "Gallo Ottavio", "3287654321", "0,00", "No"},
             {"14/05/2024", "16", "30", "1", "Colombo Davide", "Collaudo dell'impianto d'allarme",
              "Verificare i sensori della cucina", "Ferraresi Giovanna", "3391234567", "80,00", "No"},
             {"15/05/2024", "10", "00", "2", "Barbieri Luca", "Installazione delle telecamere",
              "Quattro telecamere nel cortile", "Ferramenta Bertolini S.r.l.", "3356677889", "1250,00", "No"},
             {"17/05/2024", "09", "00", "5", "Valente Chiara", "Consegna delle chiavi in centrale", "",
              "Pasticceria Dolce Riva S.n.c.", "3209988776", "0,00", "No"},
             {"28/05/2024", "18", "00", "3", "Rinaldi Stefano", "Sopralluogo per un nuovo contratto", "",
              "Marchetti Ilaria", "3475566443", "0,00", "No"}})
        append(file, l,
               {{"txtData", m.data},
                {"txtOreApp", m.ore},
                {"txtMinutiApp", m.minuti},
                {"lblOra", std::string(m.ore) + ":" + m.minuti},
                {"txtAvviso", m.avviso},
                {"txtTipologia", m.operatore},
                {"txtCausale", m.causale},
                {"txtDettagli", m.dettagli},
                {"txtContatto", m.cliente},
                {"txtCel", m.cel},
                {"txtLuogo", "Bonifico bancario"},
                {"txtImporto", m.importo},
                {"chkOttemperata", m.fatto}});
}

void layContracts(const std::filesystem::path& folder) {
    const std::string firmTax = vatNumber("0345678034");
    const std::vector<std::pair<std::string_view, std::string>> firm{
        {"Denominazione", "Vigilanza Aurora S.r.l."},
        {"Partita Iva", firmTax},
        {"Codice Fiscale", firmTax},
        {"Sede Legale", "Parma"},
        {"Provincia", "PR"},
        {"CAP", "43122"},
        {"Indirizzo", "Via Mazzini 27"},
        {"Telefono", "0521 990011"},
        {"PEC", "vigilanzaaurora@pec.example"},
        {"Responsabile", "Ferrari Paolo"},
        {"Luogo Stipula", "Parma"}};
    for (const auto& [key, value] : firm)
        writeIniString(folder / kContractSettingsFile, kFirmSection, key, value);
    const auto file = folder / kContractsFile;
    const auto& l = contractLayout();
    const auto contract = [&](const char* number, const char* date, const char* client, Fields more) {
        Record r(l);
        for (const FirmSetting& s : firmSettings())
            for (const auto& [key, value] : firm)
                if (key == s.key) r.set(std::string(s.field), value);
        r.set("txtNumContratto", number);
        r.set("txtData", date);
        r.set("txtCliente", client);
        for (const auto& [name, value] : more) r.set(name, value);
        Archive(file, l).append(r);
    };
    contract("1", "15/01/2024", "Ferramenta Bertolini S.r.l.",
             {{"txtComuneCli", "Parma"},
              {"txtProvCli", "PR"},
              {"txtCapCli", "43123"},
              {"txtPartitaIvaCli", vatNumber("0123456034")},
              {"txtCodFiscCli", taxCode("BRTGNN62M18G337")},
              {"txtViaCli", "Via Emilia Est 120"},
              {"txtTelCli", "0521 778899"},
              {"txtQualitaCli", "Settimanale"},
              {"txtTipoImpianto", "Magazzino"},
              {"txtMarca", "Via Emilia Est 120, Parma"},
              {"txtMatricola", "12 mesi"},
              {"txtAlimentazione", "Mensile"},
              {"txtAnnoCostruz", "Parma"},
              {"txtCaratteristiche", "Disdetta scritta con 60 giorni di preavviso"},
              {"txtUbicazione", "Polizza RC n. 998877 presso Assicurazioni Esempio"},
              {"txtDurata", "22:00 - 06:00"},
              {"txtTotale", "20 minuti"},
              {"txtPeriodicita", "Mensile"},
              {"txtImpCanone", "350,00"},
              {"txtPagamento", "Bonifico bancario entro il giorno 10"},
              {"txtOpInc01", "Ronda notturna con ispezione esterna"},
              {"txtOpInc02", "Intervento su allarme con pattuglia"},
              {"txtOpInc03", "Televigilanza delle telecamere del cortile"},
              {"txtOpEsc01", "Ispezioni all'interno dei locali"},
              {"lblFile01", "Contratto_Firmato_1.pdf"},
              {"lblDesc01", "Contratto firmato dal cliente"}});
    contract("2", "03/04/2024", "Ferraresi Giovanna",
             {{"txtComuneCli", "Parma"},
              {"txtProvCli", "PR"},
              {"txtCapCli", "43121"},
              {"txtCodFiscCli", taxCode("FRRGNN58B54G337")},
              {"txtViaCli", "Strada della Repubblica 41"},
              {"txtTelCli", "3391234567"},
              {"txtQualitaCli", "Giornaliera"},
              {"txtTipoImpianto", "Abitazione"},
              {"txtMarca", "Strada della Repubblica 41, Parma"},
              {"txtMatricola", "24 mesi"},
              {"txtDurata", "Su allarme"},
              {"txtPeriodicita", "Mensile"},
              {"txtImpCanone", "49,90"},
              {"txtPagamento", "Addebito diretto"},
              {"txtOpInc01", "Collegamento dell'allarme alla centrale"},
              {"txtOpInc02", "Intervento su allarme con pattuglia"}});
    attach(folder, "Contratto_Firmato_1.pdf", "%PDF-1.4\n% contratto\n");
}

}  // namespace

void laySampleFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder);
    writeStoredPassword(folder, kFirstAccessPassword);
    layEmployees(folder);
    layClients(folder);
    layInterventions(folder);
    layAppointments(folder);
    layContracts(folder);
}

}  // namespace custovia::guide
