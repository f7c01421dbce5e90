#pragma once
// A small program folder with a little of everything the program keeps, and the files it must
// leave alone, for the backup, restore and folder check tests.
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>
#include <utility>

#include "app/cipher.h"
#include "appointments/appointments.h"
#include "archive/archive.h"
#include "archive/paths.h"
#include "clients/clients.h"
#include "clients/services.h"
#include "contracts/contracts.h"
#include "emergencies/interventions.h"
#include "employees/employees.h"
#include "tests/support/files.h"

namespace custovia::test {

inline void addCard(const std::filesystem::path& file, const RecordLayout& layout,
                    std::initializer_list<std::pair<const char*, const char*>> values) {
    Record record(layout);
    for (const auto& [field, value] : values) record.set(field, value);
    Archive(file, layout).append(record);
}

// Every file under the folder (regular files only), by its path relative to it, with its bytes.
inline std::map<std::string, std::string> folderFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files;
    if (!std::filesystem::exists(folder)) return files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file()) {
            const std::u8string name = entry.path().lexically_relative(folder).generic_u8string();
            files[std::string(name.begin(), name.end())] = readBytes(entry.path());
        }
    return files;
}

// What a backup must hold, as names relative to the folder.
inline const std::map<std::string, std::string>& sampleOutsiders() {
    // the program's own and delivered files, exports and documents made from the data: never in a backup
    static const std::map<std::string, std::string> outside{
        {"custovia",
         "\x7f"
         "ELF program"},
        {"Avviso.mp3", "ID3 sound"},
        {"Guida.pdf", "%PDF guide"},
        {"Clienti.xls", "<table>"},
        {"Contatto.pdf", "%PDF contact"},
        {"Archivio.pro", "not one of the program's archives"},
        {"Servizi_Cliente_.pro", "no client number"},
        {"Segnalazioni.ini.0123456789abcdef.tmp", "a crash's leftover"},
        {"Documenti_Allegati/verbale.pdf.fedcba9876543210.tmp", "a crash's leftover"},
    };
    return outside;
}

inline void makeSampleFolder(const std::filesystem::path& folder) {
    namespace fs = std::filesystem;
    addCard(folder / kInterventionsFile, interventionLayout(),
            {{"txtData", "15/05/2024"},
             {"txtUtente", "Niccolò Rossi"},
             {"chkTerminato", "No"},
             {"lblFile01", "verbale.pdf"},
             {"lblDesc01", "verbale"}});
    addCard(folder / kInterventionsFile, interventionLayout(),
            {{"txtData", "16/05/2024"}, {"txtUtente", "Anna Neri"}, {"chkTerminato", "Sì"}});
    addCard(
        folder / kClientsFile, clientLayout(),
        {{"txtCliente", "Rossi Niccolò"}, {"chkRicontatta", "Sì"}, {"lblFile01", "contratto firmato.pdf"}});
    addCard(folder / servicesFileName("1"), serviceLayout(),
            {{"txtData", "15/05/2024"}, {"txtImporto", "12,50"}});
    addCard(folder / kEmployeesFile, employeeLayout(),
            {{"txtDipendente", "Bianchi Luca"}, {"lblFile01", "patente.jpg"}});
    addCard(folder / kAppointmentsFile, appointmentLayout(),
            {{"txtData", "20/05/2024"}, {"txtAvviso", "2"}, {"chkOttemperata", "No"}});
    addCard(folder / kContractsFile, contractLayout(), {{"txtNumContratto", "1"}, {"txtData", "01/02/2024"}});
    writeStoredPassword(folder, "guardianottura");
    writeBytes(folder / "Segnalazioni.ini", "[Segnalazioni]\r\nOperatore=Anna\r\n");
    writeBytes(folder / "Contratti.ini", "[Ditta]\r\nNome=Vigilanza \xE8 Sicura\r\n");
    writeBytes(folder / "Liberatoria_Privacy.ini", "[Privacy]\r\nTitolare=Rossi\r\n");
    writeBytes(folder / "Logo.bmp", "BM logo bytes");
    writeBytes(folder / "Modulo_Privacy.rtf", "{\\rtf1 modulo}");
    fs::create_directories(folder / "Documenti_Allegati");
    fs::create_directories(folder / "Anagrafica");
    writeBytes(folder / "Documenti_Allegati" / "verbale.pdf", "%PDF verbale");
    writeBytes(folder / "Documenti_Allegati" / "contratto firmato.pdf", "%PDF contratto");
    writeBytes(folder / "Documenti_Allegati" / "patente.jpg", "JPEG patente");
    writeBytes(folder / "Anagrafica" / "Scheda_Dipendente_1.jpg", "JPEG foto");
    for (const auto& [name, bytes] : sampleOutsiders()) writeBytes(folder / pathFromUtf8(name), bytes);
}

// The names a backup of the sample folder holds.
inline std::map<std::string, std::string> backedUpFiles(const std::filesystem::path& folder) {
    std::map<std::string, std::string> files = folderFiles(folder);
    for (const auto& [name, bytes] : sampleOutsiders()) files.erase(name);
    for (auto it = files.begin(); it != files.end();)
        it = it->first.rfind("Backup/", 0) == 0 || it->first == "Copie_Sicurezza.ini" ? files.erase(it)
                                                                                      : std::next(it);
    return files;
}

}  // namespace custovia::test
