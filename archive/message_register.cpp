#include "archive/message_register.h"

#include <algorithm>
#include <memory>
#include <system_error>

#include "archive/text.h"

namespace custovia {
namespace {

// One value of a line: whatever would break the line or add a field becomes a blank.
void appendValue(std::string& line, std::string_view utf8) {
    std::u32string characters = utf8ToCodePoints(utf8);
    std::replace_if(characters.begin(), characters.end(), isLineControl, U' ');
    line += toCp1252(codePointsToUtf8(characters));
}

const RowBuilder& rowBuilder() {
    static const RowBuilder builder(registerFieldNames(), {{"", "data", 10},
                                                           {" ", "ora", 8},
                                                           {"  ", "area", 23},
                                                           {"  Scheda ", "scheda", 6},
                                                           {"  ", "tipo", 22},
                                                           {"  ", "destinatario", 30},
                                                           {"  ", "testo", 0}});
    return builder;
}

}  // namespace

const std::vector<std::string>& registerFieldNames() {
    static const std::vector<std::string> names{"data", "ora",          "area", "scheda",
                                                "tipo", "destinatario", "testo"};
    return names;
}

std::string registerKind(MessageKind kind, bool handedOver) {
    std::string text = kind == MessageKind::WhatsApp ? "WhatsApp" : "e-mail";
    if (!handedOver) text += " (non inviato)";
    return text;
}

std::string registerLine(const DateTime& at, const MessageOrigin& origin, const OutgoingMessage& message,
                         bool handedOver) {
    const std::string values[] = {formatDate(at),
                                  formatLongTime(at),
                                  origin.workArea,
                                  origin.card,
                                  registerKind(message.kind, handedOver),
                                  message.recipient,
                                  message.text};
    std::string line;
    for (const std::string& value : values) {
        if (&value != values) line += '\t';
        appendValue(line, value);
    }
    line += "\r\n";
    return line;
}

void appendToRegister(const std::filesystem::path& file, std::string_view line, FileOpener& files) {
    // an error on the way closes the file, and with it the lock
    const std::unique_ptr<BlockFile> register_ = files.openOrCreate(file);
    register_->lockExclusive();
    const std::uint64_t end = register_->size();
    std::string bytes;
    if (end > 0) {
        char last = 0;
        register_->readAt(end - 1, &last, 1);
        if (last != '\n') bytes = "\r\n";
    }
    bytes += line;
    register_->writeAt(end, bytes.data(), bytes.size());
    register_->unlock();
    register_->close();
}

bool sendAndRegister(Shell& shell, const DateTime& now, const MessageOrigin& origin,
                     const OutgoingMessage& message, const std::filesystem::path& file, FileOpener& files) {
    const bool handedOver = shell.open(shellText(message));
    appendToRegister(file, registerLine(now, origin, message, handedOver), files);
    return handedOver;
}

std::string readRegister(const std::filesystem::path& file, FileOpener& files) {
    std::error_code error;
    if (!std::filesystem::exists(file, error) && !error) return {};
    const std::unique_ptr<BlockFile> register_ = files.openExisting(file);
    std::string content(register_->size(), '\0');
    content.resize(register_->readSomeAt(0, content.data(), content.size()));
    register_->close();
    return content;
}

RegisterFields registerFields(std::string_view line) {
    RegisterFields fields;
    for (std::size_t i = 0; i + 1 < fields.size(); ++i) {
        const std::size_t tab = line.find('\t');
        fields[i] = line.substr(0, tab);
        line = tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
    }
    fields.back() = line;
    return fields;
}

std::vector<std::string_view> selectRegisterLines(std::string_view content,
                                                  const std::vector<SearchFilter>& filters) {
    const Search rule(registerFieldNames(), filters);
    std::vector<std::string_view> selected;
    std::size_t end = content.size();
    while (end > 0) {
        const std::size_t lineFeed = content.rfind('\n', end - 1);
        const std::size_t begin = lineFeed == std::string_view::npos ? 0 : lineFeed + 1;
        std::string_view line = content.substr(begin, end - begin);
        end = lineFeed == std::string_view::npos ? 0 : lineFeed;
        while (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (!line.empty() && rule.matches(registerFields(line))) selected.push_back(line);
    }
    return selected;
}

std::string registerRow(std::string_view line) { return rowBuilder()(registerFields(line)); }

const ExportTable& registerExport() {
    static const ExportTable table = [] {
        struct Column {
            const char* name;
            const char* header;
            int gridWidth;
            int fileWidth;
        };
        static const Column columns[] = {
            {"colData", "Data", 80, 90},
            {"colOra", "Ora", 70, 70},
            {"colArea", "Area di lavoro", 190, 180},
            {"colScheda", "Scheda", 60, 60},
            {"colTipo", "Tipo", 150, 150},
            {"colDestinatario", "Destinatario", 200, 220},
            {"colTesto", "Messaggio", 900, 700},
        };
        ExportTable t;
        t.fileName = "Registro_Messaggi.xls";
        t.sheetName = "Registro messaggi";
        for (std::size_t i = 0; i < std::size(columns); ++i)
            t.columns.emplace_back(columns[i].name, columns[i].header, columns[i].gridWidth,
                                   registerFieldNames()[i], nullptr, columns[i].header, columns[i].fileWidth);
        return t;
    }();
    return table;
}

void addRegisterRows(const std::vector<std::string_view>& lines, GridRows& rows) {
    rows.reserve(rows.rowCount() + lines.size());
    for (const std::string_view line : lines) {
        const std::string number = std::to_string(rows.rowCount() + 1);
        std::string& row = rows.beginRow();
        row += number;
        rows.endCell();
        for (const std::string_view field : registerFields(line)) {
            appendFieldFromCp1252(row, trimView(field));
            rows.endCell();
        }
    }
}

}  // namespace custovia
