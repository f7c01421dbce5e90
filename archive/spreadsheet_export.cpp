#include "archive/spreadsheet_export.h"

#include <algorithm>
#include <fstream>
#include <numeric>
#include <optional>

#include "archive/text.h"

namespace custovia {

std::string_view GridRows::cell(std::size_t row, std::size_t column) const {
    const std::size_t at = row * columns_ + column;
    const std::uint32_t begin = column == 0 ? 0 : ends_[at - 1];
    return std::string_view(rows_[row]).substr(begin, ends_[at] - begin);
}

void GridRows::addRow(const std::vector<std::string>& cells) {
    if (cells.size() != columns_) throw std::invalid_argument("grid row with the wrong number of cells");
    std::string text;
    for (const std::string& c : cells) {
        text += c;
        ends_.push_back(std::uint32_t(text.size()));
    }
    rows_.push_back(std::move(text));
}

void GridRows::sortByColumn(std::size_t column) {
    std::vector<std::size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return cell(a, column) < cell(b, column); });
    std::vector<std::string> rows;
    std::vector<std::uint32_t> ends;
    rows.reserve(rows_.size());
    ends.reserve(ends_.size());
    for (const std::size_t r : order) {
        rows.push_back(std::move(rows_[r]));
        ends.insert(ends.end(), ends_.begin() + long(r * columns_), ends_.begin() + long((r + 1) * columns_));
    }
    rows_ = std::move(rows);
    ends_ = std::move(ends);
}

namespace {

// A column's source resolved once, so filling a large archive never looks a field up by name.
struct ResolvedColumn {
    std::optional<std::size_t> field;
    const std::function<std::string(const Record&)>* value = nullptr;
};

std::vector<ResolvedColumn> resolve(const RecordLayout& layout, const std::vector<ExportColumn>& columns) {
    std::vector<ResolvedColumn> out;
    for (const ExportColumn& c : columns) {
        if (c.value)
            out.push_back({std::nullopt, &c.value});
        else
            out.push_back({layout.indexOf(c.field), nullptr});
    }
    return out;
}

}  // namespace

bool fillFromArchive(Archive& archive, const std::vector<ExportColumn>& columns, GridRows& rows,
                     const ExportSelection& select) {
    const RecordLayout& layout = archive.layout();
    const std::vector<ResolvedColumn> sources = resolve(layout, columns);
    // a whole record is built only for the columns and selections that need one
    const bool needsRecord = select || std::any_of(sources.begin(), sources.end(),
                                                   [](const ResolvedColumn& s) { return s.value; });
    std::vector<std::string> cells(columns.size() + 1);
    try {
        archive.scan([&](std::uint64_t, std::string_view bytes) {
            std::optional<Record> record;
            if (needsRecord) record.emplace(layout, bytes);
            if (select && !select(*record)) return;
            cells[0] = std::to_string(rows.rowCount() + 1);
            for (std::size_t c = 0; c < sources.size(); ++c)
                cells[c + 1] = sources[c].value ? trim((*sources[c].value)(*record))
                                                : decodeField(rawField(layout, bytes, *sources[c].field));
            rows.addRow(cells);
        });
    } catch (const ArchiveError&) {
        return false;
    }
    return true;
}

namespace {

// Cell texts are escaped, so that a "<" typed in a note cannot break the worksheet.
void appendEscapedBytes(std::string& out, std::string_view cp1252) {
    std::size_t plain = 0;
    for (std::size_t i = 0; i < cp1252.size(); ++i) {
        const char* entity = nullptr;
        switch (cp1252[i]) {
            case '&':
                entity = "&amp;";
                break;
            case '<':
                entity = "&lt;";
                break;
            case '>':
                entity = "&gt;";
                break;
            case '"':
                entity = "&quot;";
                break;
            default:
                continue;
        }
        out.append(cp1252.substr(plain, i - plain));
        out += entity;
        plain = i + 1;
    }
    out.append(cp1252.substr(plain));
}

void appendEscaped(std::string& out, std::string_view utf8) {
    // most cells are plain ASCII, which is already Windows-1252
    const bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return (c & 0x80) == 0; });
    if (ascii)
        appendEscapedBytes(out, utf8);
    else
        appendEscapedBytes(out, toCp1252(utf8));
}

void appendFrameStart(std::string& out, std::string_view sheetName) {
    out +=
        "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
        "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" xmlns=\"http://www.w3.org/TR/REC-html40\">";
    out += "<head>";
    out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    out += "<!--[if gte mso 9]><xml>";
    out += "<x:ExcelWorkbook><x:ExcelWorksheets><x:ExcelWorksheet>";
    out += "<x:Name>";
    appendEscaped(out, sheetName);
    out += "</x:Name>";
    out +=
        "<x:WorksheetOptions><x:Selected/><x:Panes><x:Pane><x:Number>1</x:Number>"
        "<x:ActiveRow>3</x:ActiveRow></x:Pane></x:Panes>";
    out +=
        "<x:ProtectContents>False</x:ProtectContents><x:ProtectObjects>False</x:ProtectObjects>"
        "<x:ProtectScenarios>False</x:ProtectScenarios>";
    out +=
        "</x:WorksheetOptions></x:ExcelWorksheet></x:ExcelWorksheets></x:ExcelWorkbook>"
        "</xml><![endif]-->";
    out += "</head><body><table x:str>";
}

void appendHeaderRow(std::string& out, const std::vector<ExportColumn>& columns) {
    out += "<tr>";
    for (const ExportColumn& c : columns) {
        out += "<td style=\"text-align: left; font-weight: bold;\" width=";
        out += std::to_string(c.fileWidth);
        out += '>';
        appendEscaped(out, c.fileHeader);
        out += "</td>";
    }
    out += "</tr>";
}

void appendDataRows(std::string& out, const GridRows& rows) {
    for (std::size_t r = 0; r < rows.rowCount(); ++r) {
        out += "<tr>";
        for (std::size_t c = 1; c < rows.columnCount(); ++c) {
            out += "<td style=\"text-align: left;\">";
            appendEscaped(out, trimView(rows.cell(r, c)));
            out += "</td>";
        }
        out += "</tr>";
    }
}

}  // namespace

std::string spreadsheetBytes(const ExportTable& table, const GridRows& rows) {
    std::string out;
    // the markup of a data row is about 35 bytes a cell; the texts come on top of it
    out.reserve(1024 + rows.rowCount() * rows.columnCount() * 64);
    appendFrameStart(out, table.sheetName);
    appendHeaderRow(out, table.columns);
    appendDataRows(out, rows);
    out += "</table></body></html>";
    return out;
}

void writeExportFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file) throw ExportError("cannot create " + path.string());
    file.write(bytes.data(), std::streamsize(bytes.size()));
    file.close();
    if (file.fail()) throw ExportError("cannot write " + path.string());
}

}  // namespace custovia
