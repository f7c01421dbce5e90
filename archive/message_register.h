#pragma once
// The register of messages sent: every WhatsApp message and e-mail link the program hands to
// the system, one line each in Registro_Messaggi.txt in the program folder. A line holds seven
// fields separated by tabs (date, time, work area, card number, kind, recipient, text), in
// Windows-1252 like every other text file of the program, and ends with CR LF. Lines are
// appended under the archives' lock, so two workstations sending at once never mix their lines.
#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "archive/block_file.h"
#include "archive/clock.h"
#include "archive/list_search.h"
#include "archive/shell.h"
#include "archive/spreadsheet_export.h"

namespace custovia {

inline constexpr std::string_view kMessageRegisterFile = "Registro_Messaggi.txt";

// Where a message was sent from: the work area and the number of the card on screen (empty for
// a card not yet stored, or when no card is concerned).
struct MessageOrigin {
    std::string workArea;
    std::string card;
};

// The kind of a message as the register gives it ("WhatsApp", "e-mail"), followed by
// " (non inviato)" when the system could not take the message.
std::string registerKind(MessageKind kind, bool handedOver);

// The register's line for a message (Windows-1252, CR LF at the end). A tab, line break or other
// control character in a value becomes a blank, so a value can never add a field or a line.
std::string registerLine(const DateTime& at, const MessageOrigin& origin, const OutgoingMessage& message,
                         bool handedOver);

// Appends a line to the register, creating the file when missing, under the exclusive lock the
// archives take to append. A file that does not end with a line break (a crash half-way
// through an earlier append) first gets one, so the new line never joins the cut one. Throws
// ArchiveError.
void appendToRegister(const std::filesystem::path& file, std::string_view line,
                      FileOpener& files = platformFileOpener());

// Hands the message to the shell and notes it in the register, handed over or not; returns
// whether the shell took it. Throws ArchiveError when the register could not be written: the
// message has gone all the same.
bool sendAndRegister(Shell& shell, const DateTime& now, const MessageOrigin& origin,
                     const OutgoingMessage& message, const std::filesystem::path& file,
                     FileOpener& files = platformFileOpener());

// The names of a line's fields, in their order.
inline constexpr std::size_t kRegisterFieldCount = 7;
const std::vector<std::string>& registerFieldNames();
using RegisterFields = std::array<std::string_view, kRegisterFieldCount>;

// The register as stored, empty when there is none yet (reading never creates it). Throws
// ArchiveError.
std::string readRegister(const std::filesystem::path& file, FileOpener& files = platformFileOpener());
// A line's fields as stored. A line cut short lacks its last fields, which read empty; a tab
// beyond the seventh field (a line written by hand) stays in the text.
RegisterFields registerFields(std::string_view line);
// The lines the filters select (the search windows' rule, on the fields named as in
// registerFieldNames()), newest first: the register is kept in the order the lines were
// written. Empty lines are left out. The lines are views into `content`.
std::vector<std::string_view> selectRegisterLines(std::string_view content,
                                                  const std::vector<SearchFilter>& filters);

// A line's row in the register's list: date, time, work area, card, kind and recipient in fixed
// columns, then the text.
std::string registerRow(std::string_view line);

// The register's export: its columns, Registro_Messaggi.xls and the worksheet's name.
const ExportTable& registerExport();
// Adds one grid row per line, in the order given: cell 0 the row's number, then the fields.
void addRegisterRows(const std::vector<std::string_view>& lines, GridRows& rows);

}  // namespace custovia
