#include "app/folder_check.h"

#include <algorithm>
#include <map>
#include <memory>
#include <system_error>
#include <type_traits>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/backup.h"
#include "app/cipher.h"
#include "appointments/agenda.h"
#include "appointments/appointments.h"
#include "archive/attachments.h"
#include "archive/block_file.h"
#include "archive/paths.h"
#include "archive/record.h"
#include "archive/text.h"
#include "contracts/contracts.h"
#include "emergencies/interventions.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;

// More cards than this with one kind of problem in one file are counted, not listed.
constexpr std::size_t kListedPerKind = 20;

// The archives whose "txtData" holds a "dd/mm/yyyy" date (required at Save).
const std::string_view kDatedArchives[] = {kInterventionsFile, kAppointmentsFile, kContractsFile};

bool sameName(std::string_view a, std::string_view b) { return asciiLower(a) == asciiLower(b); }

// How a file name is told from another: Windows does not tell the letter case apart.
std::string fileKey(std::string_view name) {
#ifdef _WIN32
    return asciiLower(name);
#else
    return std::string(name);
#endif
}

std::string inQuotes(std::string_view text) { return "\"" + std::string(text) + "\""; }

// The findings, at most kListedPerKind of a kind for each file, the rest counted: a problem's
// words are made only when they are listed.
class Findings {
public:
    explicit Findings(std::vector<CheckFinding>& out) : out_(out) {}

    // `kind` is a literal; `problem` is the words, or a function that makes them.
    template <typename Words>
    void add(const std::string& file, std::string_view kind, const Words& problem) {
        const std::size_t index = order_.try_emplace(file, order_.size()).first->second;
        if (++counts_[{index, kind}] > kListedPerKind) return;
        if constexpr (std::is_invocable_v<Words>)
            out_.push_back({file, problem()});
        else
            out_.push_back({file, std::string(problem)});
    }

    // The counted rest, then every file's findings together, files in the order first met.
    void finish() {
        std::vector<std::string> names(order_.size());
        for (const auto& [name, index] : order_) names[index] = name;
        for (const auto& [key, count] : counts_)
            if (count > kListedPerKind)
                out_.push_back({names[key.first], "... e altri " + std::to_string(count - kListedPerKind) +
                                                      " casi dello stesso problema"});
        std::stable_sort(out_.begin(), out_.end(), [this](const CheckFinding& a, const CheckFinding& b) {
            return order_.at(a.file) < order_.at(b.file);
        });
    }

private:
    std::vector<CheckFinding>& out_;
    std::map<std::string, std::size_t> order_;
    std::map<std::pair<std::size_t, std::string_view>, std::size_t> counts_;
};

// The attachments the cards name: for each name, the first card that names it.
struct NamedAttachment {
    std::string name, archive;
    std::uint64_t card = 0;
};

std::string readWhole(BlockFile& file) {
    std::string bytes(std::size_t(file.size()), '\0');
    if (!bytes.empty()) file.readAt(0, bytes.data(), bytes.size());
    return bytes;
}

class ArchiveCheck {
public:
    ArchiveCheck(const FolderFile& file, Findings& findings,
                 std::unordered_map<std::string, NamedAttachment>& attachments)
        : file_(file), layout_(*file.layout), findings_(findings), attachments_(attachments) {
        for (std::size_t i = 0; i < layout_.fieldCount(); ++i) {
            const RecordField& field = layout_.field(i);
            if (field.kind == FieldKind::Flag) flags_.push_back(i);
            if (field.name.rfind("lblFile", 0) == 0) names_.push_back(i);
        }
        const bool dated = std::any_of(std::begin(kDatedArchives), std::end(kDatedArchives),
                                       [&](std::string_view a) { return sameName(a, file.name); });
        if (dated) dates_.push_back(layout_.indexOf("txtData"));
    }

    // Reads the archive; the number of whole cards.
    std::uint64_t run(FileOpener& files) {
        std::unique_ptr<BlockFile> file = files.openForReading(file_.path);
        const std::uint64_t size = file->size(), recordSize = layout_.size(), whole = size / recordSize;
        if (size % recordSize != 0)
            report("partial", "l'ultima scheda è incompleta: " + std::to_string(size % recordSize) +
                                  " byte dopo la scheda " + std::to_string(whole) + " (schede di " +
                                  std::to_string(recordSize) + " byte)");
        // a block at a time, small enough for the processor to keep while its cards are looked at
        const std::uint64_t perBlock = std::max<std::uint64_t>(1, (256u << 10) / recordSize);
        std::string buffer(std::size_t(std::min(perBlock, whole) * recordSize), '\0');
        for (std::uint64_t first = 0; first < whole; first += perBlock) {
            const std::uint64_t n = std::min(perBlock, whole - first);
            file->readAt(first * recordSize, buffer.data(), std::size_t(n * recordSize));
            for (std::uint64_t k = 0; k < n; ++k)
                card(first + k + 1, std::string_view(buffer).substr(std::size_t(k * recordSize), recordSize));
        }
        auto closing = std::move(file);
        closing->close();
        return whole;
    }

private:
    template <typename Words>
    void report(std::string_view kind, const Words& problem) {
        findings_.add(file_.name, kind, problem);
    }

    // Every card is looked at; words are made only for what is wrong, so a clean card costs a
    // glance at each length byte and at its flags, date and attachment names.
    void card(std::uint64_t number, std::string_view bytes) {
        const auto at = [number] { return "scheda " + std::to_string(number) + ": "; };
        for (std::size_t i = 0; i < layout_.fieldCount(); ++i) {
            const auto length = static_cast<unsigned char>(bytes[layout_.offset(i)]);
            if (length > layout_.field(i).capacity)
                report("length", [&] {
                    return at() + "il campo " + layout_.field(i).name + " dichiara " +
                           std::to_string(length) + " caratteri, oltre la sua capacità di " +
                           std::to_string(layout_.field(i).capacity);
                });
        }
        for (const std::size_t i : flags_) {
            const std::string_view value = trimView(rawField(layout_, bytes, i));
            if (value != "S\xEC" && value != "No")
                report("flag", [&] {
                    return at() + "il campo " + layout_.field(i).name + " non vale né \"Sì\" né \"No\" (" +
                           inQuotes(decodeField(value)) + ")";
                });
        }
        for (const std::size_t i : dates_) {
            // a date is digits and slashes: its bytes read as they stand
            const std::string_view value = trimView(rawField(layout_, bytes, i));
            if (value.empty())
                report("date", [&] { return at() + "manca la data (campo " + layout_.field(i).name + ")"; });
            else if (!readDate(value))
                report("date", [&] {
                    return at() + "il campo " + layout_.field(i).name +
                           " non contiene una data gg/mm/aaaa (" + inQuotes(decodeField(value)) + ")";
                });
        }
        for (const std::size_t i : names_) {
            const std::string_view raw = trimView(rawField(layout_, bytes, i));
            if (raw.empty() || seen_.find(raw) != seen_.end()) continue;
            seen_.emplace(raw);
            std::string name = decodeField(raw);
            std::string key = fileKey(name);
            attachments_.try_emplace(std::move(key), NamedAttachment{std::move(name), file_.name, number});
        }
    }

    // The attachment names of this archive already noted, as stored.
    struct RawHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_set<std::string, RawHash, std::equal_to<>> seen_;

    const FolderFile& file_;
    const RecordLayout& layout_;
    Findings& findings_;
    std::unordered_map<std::string, NamedAttachment>& attachments_;
    std::vector<std::size_t> flags_, dates_, names_;
};

// A settings file: readable, text, and every line a section, a key, a comment or blank.
void checkSettings(const fs::path& folder, const std::string& name, FileOpener& files, Findings& findings) {
    std::string bytes;
    try {
        std::unique_ptr<BlockFile> file = files.openForReading(folder / pathFromUtf8(name));
        bytes = readWhole(*file);
        file->close();
    } catch (const ArchiveError&) {
        findings.add(name, "settings", "il file delle impostazioni non si può leggere");
        return;
    }
    if (bytes.find('\0') != std::string::npos) {
        findings.add(name, "settings", "il file delle impostazioni contiene byte che non sono testo");
        return;
    }
    bool inSection = false;
    std::size_t lineNumber = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t stop = std::min(bytes.find('\n', at), bytes.size());
        const std::string_view line = trimView(std::string_view(bytes).substr(at, stop - at));
        at = stop + 1;
        ++lineNumber;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        const std::string where = "riga " + std::to_string(lineNumber) + ": ";
        if (line.front() == '[' && line.find(']') != std::string_view::npos) {
            inSection = true;
        } else if (line.find('=') == std::string_view::npos) {
            findings.add(name, "settings", where + "non è né una sezione né una chiave");
        } else if (!inSection) {
            findings.add(name, "settings", where + "chiave fuori da ogni sezione");
        }
    }
    if (sameName(name, kPasswordStoreFile)) {
        try {
            readStoredPassword(folder);
        } catch (const std::exception&) {
            findings.add(name, "settings", "la password memorizzata non si può leggere");
        }
    }
}

// The photo's card number, from "Scheda_Dipendente_<n>.jpg"; 0 for any other name.
std::uint64_t photoCard(std::string_view name) {
    constexpr std::string_view prefix = "Scheda_Dipendente_";
    if (name.size() <= prefix.size() + 4 || !sameName(name.substr(0, prefix.size()), prefix) ||
        !sameName(name.substr(name.size() - 4), ".jpg"))
        return 0;
    const std::string_view digits = name.substr(prefix.size(), name.size() - prefix.size() - 4);
    if (digits.size() > 18 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    return std::stoull(std::string(digits));
}

// The entries of a folder of the program folder, its name told apart as the system does; none
// when it is missing.
std::vector<fs::directory_entry> entriesOf(const fs::path& folder, std::string_view name) {
    std::vector<fs::directory_entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code kind;
        if (fileKey(pathToUtf8(it->path().filename())) != fileKey(name) || !it->is_directory(kind)) continue;
        for (fs::directory_iterator inner(it->path(), error), stop; !error && inner != stop;
             inner.increment(error))
            entries.push_back(*inner);
        std::sort(
            entries.begin(), entries.end(),
            [](const fs::directory_entry& a, const fs::directory_entry& b) { return a.path() < b.path(); });
        break;
    }
    return entries;
}

}  // namespace

FolderCheck checkFolder(const fs::path& folder) {
    FolderCheck check;
    Findings findings(check.findings);
    FileOpener& files = platformFileOpener();
    std::unordered_map<std::string, NamedAttachment> attachments;
    std::uint64_t employees = 0;
    bool employeesRead = true;

    for (const FolderFile& f : backupContent(folder)) {
        if (!f.layout) continue;
        ++check.files;
        try {
            const std::uint64_t cards = ArchiveCheck(f, findings, attachments).run(files);
            check.cards += cards;
            if (sameName(f.name, kEmployeesFile)) employees = cards;
        } catch (const ArchiveError&) {
            findings.add(f.name, "unreadable", "l'archivio non si può leggere");
            if (sameName(f.name, kEmployeesFile)) employeesRead = false;
        }
    }

    // settings: every ini file of the folder (the backups' own included) and the password store
    bool passwordStore = false;
    std::vector<std::string> settings;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = pathToUtf8(it->path().filename());
        const bool ini = name.size() > 4 && sameName(name.substr(name.size() - 4), ".ini");
        if (ini || sameName(name, kPasswordStoreFile)) settings.push_back(name);
        passwordStore = passwordStore || sameName(name, kPasswordStoreFile);
    }
    std::sort(settings.begin(), settings.end());
    for (const std::string& name : settings) {
        ++check.files;
        checkSettings(folder, name, files, findings);
    }
    if (!passwordStore)
        findings.add(std::string(kPasswordStoreFile), "settings",
                     "manca il file della password: nessuno potrebbe accedere al programma");

    // the attachments folder is listed once: a card's attachment is looked for in that list
    const std::string attachmentsName(kAttachmentsFolderName);
    std::unordered_set<std::string> present;
    for (const fs::directory_entry& entry : entriesOf(folder, kAttachmentsFolderName)) {
        const std::string name = pathToUtf8(entry.path().filename());
        std::error_code kind;
        if (entry.is_regular_file(kind)) present.insert(fileKey(name));
        // a crash's leftover is cleared at the next start, not a file of anyone's
        if (!belongsInBackup(attachmentsName + "/" + name)) continue;
        ++check.files;
        if (entry.is_directory(kind))
            findings.add(attachmentsName, "orphan", name + ": cartella che nessuna scheda può nominare");
        else if (!attachments.count(fileKey(name)))
            findings.add(attachmentsName, "orphan", name + ": nessuna scheda nomina questo file");
    }

    // the cards' attachments in card order, so that the first cards are the ones listed
    std::vector<std::pair<const std::string*, const NamedAttachment*>> named;
    named.reserve(attachments.size());
    for (const auto& entry : attachments) named.emplace_back(&entry.first, &entry.second);
    std::sort(named.begin(), named.end(),
              [](const auto& a, const auto& b) { return a.second->card < b.second->card; });
    for (const auto& [key, attachment] : named) {
        const NamedAttachment& a = *attachment;  // a name a lambda can take in, on every compiler
        const auto at = [&a] { return "scheda " + std::to_string(a.card) + ": "; };
        if (!isBareFileName(a.name))
            findings.add(a.archive, "attachment", [&] {
                return at() + "il nome di allegato " + inQuotes(a.name) + " non è un semplice nome di file";
            });
        else if (!present.count(*key))
            findings.add(a.archive, "attachment", [&] {
                return at() + "manca l'allegato " + inQuotes(a.name) + " in " + attachmentsName;
            });
    }

    // every save of an employee card writes its photo: a card without one lost it
    const std::string photosName(kPhotoFolderName);
    std::vector<bool> photographed(employeesRead ? std::size_t(employees) + 1 : 0);
    for (const fs::directory_entry& entry : entriesOf(folder, kPhotoFolderName)) {
        const std::string name = pathToUtf8(entry.path().filename());
        if (!belongsInBackup(photosName + "/" + name)) continue;
        ++check.files;
        const std::uint64_t card = photoCard(name);
        std::error_code kind;
        if (card == 0 || !entry.is_regular_file(kind))
            findings.add(photosName, "orphan", name + ": nessuna scheda nomina questo file");
        else if (card < photographed.size())
            photographed[card] = true;
        else if (employeesRead)
            findings.add(photosName, "orphan",
                         name + ": foto della scheda " + std::to_string(card) +
                             ", che non esiste (l'archivio dei dipendenti ha " + std::to_string(employees) +
                             " schede)");
    }
    for (std::size_t card = 1; card < photographed.size(); ++card)
        if (!photographed[card])
            findings.add(std::string(kEmployeesFile), "photo", [&] {
                const std::string photo = pathToUtf8(employeePhotoFile({}, card).filename());
                return "scheda " + std::to_string(card) + ": manca la foto " + inQuotes(photo) + " in " +
                       photosName;
            });

    findings.finish();
    return check;
}

std::string checkReportText(const FolderCheck& check) {
    std::string text;
    std::string file;
    std::size_t files = 0;
    for (const CheckFinding& f : check.findings) {
        if (f.file != file || files == 0) {
            file = f.file;
            ++files;
            text += f.file + "\n";
        }
        text += "  " + f.problem + "\n";
    }
    const std::string read =
        std::to_string(check.files) + " file e " + std::to_string(check.cards) + " schede controllati";
    if (check.clean()) return "Nessun problema trovato (" + read + ").\n";
    return text + "Problemi trovati in " + std::to_string(files) + " file" + " (" + read + ").\n";
}

}  // namespace custovia
