#include "archive/spreadsheet_export.h"

#include <array>

#include <algorithm>
#include <bit>
#include <charconv>
#include <cstring>
#include <optional>
#include <utility>

#include <cstdlib>
#ifdef __linux__
#include <sys/mman.h>
#endif
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "archive/file_replace.h"
#include "archive/paths.h"
#include "archive/sorted_order.h"
#include "archive/text.h"

namespace custovia {
namespace {

// Rows are packed in blocks of a huge page: where the system offers them, filling a large
// grid takes one page fault every 2 MB instead of one every 4 KB.
constexpr std::size_t kHugePage = std::size_t(2) << 20;

std::unique_ptr<char[], GridRows::FreeBlock> newBlock(std::size_t size) {
#ifdef __linux__
    if (size == kHugePage) {
        if (void* block = std::aligned_alloc(kHugePage, kHugePage)) {
            madvise(block, kHugePage, MADV_HUGEPAGE);  // only a hint: a refusal changes nothing
            return std::unique_ptr<char[], GridRows::FreeBlock>(static_cast<char*>(block));
        }
    }
#endif
    auto* block = static_cast<char*>(std::malloc(size));
    if (!block) throw std::bad_alloc();
    return std::unique_ptr<char[], GridRows::FreeBlock>(block);
}

}  // namespace

std::string_view GridRows::cell(std::size_t row, std::size_t column) const {
    const std::size_t at = row * columns_ + column;
    const std::uint32_t begin = column == 0 ? 0 : ends_[at - 1];
    return std::string_view(rows_[row]).substr(begin, ends_[at] - begin);
}

GridRows::GridRows(const GridRows& other) : columns_(other.columns_) {
    rows_.reserve(other.rows_.size());
    ends_ = other.ends_;
    for (const std::string_view row : other.rows_) {
        building_.assign(row);
        keepRow();
    }
}

GridRows& GridRows::operator=(const GridRows& other) {
    if (this != &other) *this = GridRows(other);
    return *this;
}

GridRows& GridRows::operator=(GridRows&& other) noexcept {
    // the rows' texts stay where they are: the blocks change hands, the other grid is left empty
    if (this == &other) return *this;
    columns_ = other.columns_;
    building_ = std::move(other.building_);
    blocks_ = std::move(other.blocks_);
    blockFree_ = std::exchange(other.blockFree_, 0);
    blockSize_ = std::exchange(other.blockSize_, 0);
    rows_ = std::move(other.rows_);
    ends_ = std::move(other.ends_);
    other.blocks_.clear();
    other.rows_.clear();
    other.ends_.clear();
    return *this;
}

void GridRows::addRow(const std::vector<std::string>& cells) {
    if (cells.size() != columns_) throw std::invalid_argument("grid row with the wrong number of cells");
    std::string& text = beginRow();
    for (const std::string& c : cells) {
        text += c;
        endCell();
    }
    if (cells.empty()) keepRow();
}

std::string& GridRows::beginRow() {
    building_.clear();
    return building_;
}

void GridRows::endCell() {
    ends_.push_back(std::uint32_t(building_.size()));
    if (ends_.size() == (rows_.size() + 1) * columns_) keepRow();
}

void GridRows::addCells(std::string_view texts, const char* ends, std::size_t count) {
    const auto start = std::uint32_t(building_.size());
    building_.append(texts);
    for (std::size_t c = 0; c < count; ++c) {
        std::uint32_t end = 0;
        std::memcpy(&end, ends + c * sizeof end, sizeof end);
        ends_.push_back(start + end);
    }
    if (ends_.size() == (rows_.size() + 1) * columns_) keepRow();
}

void GridRows::reserve(std::size_t rows) {
    rows_.reserve(rows);
    ends_.reserve(rows * columns_);
}

void GridRows::keepRow() {
    // a new block when the row does not fit: large enough for many rows of a large archive
    if (blocks_.empty() || building_.size() > blockFree_) {
        blockSize_ = blockFree_ = std::max(kHugePage, building_.size());
        blocks_.push_back(newBlock(blockSize_));
    }
    char* at = blocks_.back().get() + (blockSize_ - blockFree_);
    std::copy(building_.begin(), building_.end(), at);
    blockFree_ -= building_.size();
    rows_.emplace_back(at, building_.size());
}

void GridRows::sortByColumn(std::size_t column) {
    std::vector<std::string_view> cells;
    cells.reserve(rows_.size());
    for (std::size_t r = 0; r < rows_.size(); ++r) cells.push_back(cell(r, column));
    const std::vector<std::size_t> order = sortedOrder(cells);
    std::vector<std::string_view> rows;
    std::vector<std::uint32_t> ends;
    rows.reserve(rows_.size());
    ends.reserve(ends_.size());
    for (const std::size_t r : order) {
        rows.push_back(rows_[r]);
        ends.insert(ends.end(), ends_.begin() + long(r * columns_), ends_.begin() + long((r + 1) * columns_));
    }
    rows_ = std::move(rows);
    ends_ = std::move(ends);
}

namespace {

// A column's source resolved once, so filling a large archive never looks a field up by name.
struct ResolvedColumn {
    std::optional<std::size_t> field, joined;
    const CellValue* value = nullptr;
};

std::vector<ResolvedColumn> resolve(const RecordLayout& layout, const std::vector<ExportColumn>& columns) {
    std::vector<ResolvedColumn> out;
    for (const ExportColumn& c : columns) {
        if (c.value)
            out.push_back({std::nullopt, std::nullopt, &c.value});
        else if (!c.joinedField.empty())
            out.push_back({layout.indexOf(c.field), layout.indexOf(c.joinedField), nullptr});
        else
            out.push_back({layout.indexOf(c.field), std::nullopt, nullptr});
    }
    return out;
}

void appendRowNumber(std::string& row, std::size_t number) {
    char digits[24];
    row.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}

// Trimming the stored bytes trims the text: only codes up to 32 are blanks.
void appendCell(std::string& row, const RecordLayout& layout, std::string_view bytes,
                const ResolvedColumn& source) {
    if (source.value) {
        row += trimView((*source.value)(bytes));
        return;
    }
    const std::string_view first = trimView(rawField(layout, bytes, *source.field));
    appendFieldFromCp1252(row, first);
    if (!source.joined) return;
    const std::string_view second = trimView(rawField(layout, bytes, *source.joined));
    if (!first.empty() && !second.empty()) row += ' ';
    appendFieldFromCp1252(row, second);
}

// Adds the row of a record: its number, the next in the grid, then its cells.
void addRow(GridRows& rows, const RecordLayout& layout, std::string_view bytes,
            const std::vector<ResolvedColumn>& sources) {
    std::string& row = rows.beginRow();
    appendRowNumber(row, rows.rowCount() + 1);
    rows.endCell();
    for (const ResolvedColumn& source : sources) {
        appendCell(row, layout, bytes, source);
        rows.endCell();
    }
}

// A row's cells after its number, made from a record by the second thread of a long scan:
// their texts one after another, then where each ends, four bytes each.
std::string madeCells(const RecordLayout& layout, std::string_view bytes,
                      const std::vector<ResolvedColumn>& sources) {
    std::string made;
    std::vector<std::uint32_t> ends;
    ends.reserve(sources.size());
    for (const ResolvedColumn& source : sources) {
        appendCell(made, layout, bytes, source);
        ends.push_back(std::uint32_t(made.size()));
    }
    made.append(reinterpret_cast<const char*>(ends.data()), ends.size() * sizeof(std::uint32_t));
    return made;
}

// Adds the row: its number, the next in the grid, then the cells made of its record.
void addMadeRow(GridRows& rows, std::string_view made, std::size_t cells) {
    std::string& row = rows.beginRow();
    appendRowNumber(row, rows.rowCount() + 1);
    rows.endCell();
    const std::size_t texts = made.size() - cells * sizeof(std::uint32_t);
    rows.addCells(made.substr(0, texts), made.data() + texts, cells);
}

}  // namespace

bool fillFromArchive(Archive& archive, const std::vector<ExportColumn>& columns, GridRows& rows,
                     const ExportSelection& select) {
    const RecordLayout& layout = archive.layout();
    const std::vector<ResolvedColumn> sources = resolve(layout, columns);
    try {
        if (!select) rows.reserve(rows.rowCount() + archive.count());
        // on a long file a second thread makes the cells of about half the (selected) records,
        // which join the grid whole; the caller writes the others in place
        archive.scanMaking(
            [&](std::string_view bytes) { return madeCells(layout, bytes, sources); },
            [&](std::uint64_t, std::string made) { addMadeRow(rows, made, sources.size()); }, {select},
            [&](std::uint64_t, std::string_view bytes) { addRow(rows, layout, bytes, sources); });
    } catch (const ArchiveError&) {
        return false;
    }
    return true;
}

namespace {

// Bytes that cannot be copied as they are: the markup characters and every byte of a
// character outside ASCII.
constexpr std::array<bool, 256> kNeedsCare = [] {
    std::array<bool, 256> care{};
    for (int b = 0x80; b < 256; ++b) care[std::size_t(b)] = true;
    for (const char c : {'&', '<', '>', '"'}) care[std::size_t(c)] = true;
    return care;
}();

std::string_view entityOf(char c) {
    switch (c) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        default:
            return {};
    }
}

// Where the run of bytes that are copied as they are, starting at `from`, ends: sixteen bytes
// are checked at once, since an export copies every cell of a large archive.
std::size_t plainRunEnd(std::string_view text, std::size_t from) {
    std::size_t i = from;
#ifdef __SSE2__
    const __m128i amp = _mm_set1_epi8('&'), lt = _mm_set1_epi8('<'), gt = _mm_set1_epi8('>'),
                  quote = _mm_set1_epi8('"');
    for (; i + 16 <= text.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + i));
        const __m128i markup =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(chunk, amp), _mm_cmpeq_epi8(chunk, lt)),
                         _mm_or_si128(_mm_cmpeq_epi8(chunk, gt), _mm_cmpeq_epi8(chunk, quote)));
        // the high bit of a byte is set in every byte of a character outside ASCII
        const unsigned care = unsigned(_mm_movemask_epi8(_mm_or_si128(markup, chunk)));
        if (care != 0) return i + std::size_t(std::countr_zero(care));
    }
#endif
    while (i < text.size() && !kNeedsCare[static_cast<unsigned char>(text[i])]) ++i;
    return i;
}

// Cell texts are escaped, so that a "<" typed in a note cannot break the worksheet. One pass
// copies runs of plain ASCII at once and converts only what is not.
void appendEscaped(std::string& out, std::string_view utf8) {
    const std::size_t n = utf8.size();
    std::size_t i = 0;
    while (i < n) {
        const std::size_t plain = i;
        i = plainRunEnd(utf8, i);
        out.append(utf8.substr(plain, i - plain));
        if (i == n) break;
        if (const std::string_view entity = entityOf(utf8[i]); !entity.empty()) {
            out.append(entity);
            ++i;
            continue;
        }
        // a character outside ASCII: its UTF-8 sequence becomes one Windows-1252 byte (or "?")
        std::size_t end = i + 1;
        while (end < n && (static_cast<unsigned char>(utf8[end]) & 0xC0) == 0x80) ++end;
        out += toCp1252(utf8.substr(i, end - i));
        i = end;
    }
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

constexpr std::string_view kCellStart = "<td style=\"text-align: left;\">";
constexpr std::string_view kCellEnd = "</td>";

// The rows go out in pieces of about a megabyte, so a large export never holds the whole
// file in memory.
void appendDataRows(std::string& out, const GridRows& rows, const SpreadsheetSink& sink) {
    constexpr std::size_t kPiece = 1u << 20;
    for (std::size_t r = 0; r < rows.rowCount(); ++r) {
        out += "<tr>";
        for (std::size_t c = 1; c < rows.columnCount(); ++c) {
            out.append(kCellStart);
            appendEscaped(out, trimView(rows.cell(r, c)));
            out.append(kCellEnd);
        }
        out += "</tr>";
        if (out.size() >= kPiece) {
            sink(out);
            out.clear();
        }
    }
}

}  // namespace

void produceSpreadsheet(const ExportTable& table, const GridRows& rows, const SpreadsheetSink& sink) {
    std::string out;
    out.reserve((1u << 20) + 4096);
    appendFrameStart(out, table.sheetName);
    appendHeaderRow(out, table.columns);
    appendDataRows(out, rows, sink);
    out += "</table></body></html>";
    sink(out);
}

std::string spreadsheetBytes(const ExportTable& table, const GridRows& rows) {
    std::string all;
    produceSpreadsheet(table, rows, [&all](std::string_view piece) { all += piece; });
    return all;
}

void writeExportFile(const std::filesystem::path& path, std::string_view bytes, FileOpener& files) {
    writeExportFile(
        path, [bytes](const SpreadsheetSink& sink) { sink(bytes); }, files);
}

void writeExportFile(const std::filesystem::path& path,
                     const std::function<void(const SpreadsheetSink&)>& produce, FileOpener& files) {
    try {
        replaceFileContents(path, produce, files);
    } catch (const ArchiveError&) {
        throw ExportError("cannot write " + pathToUtf8(path));
    }
}

void writeSpreadsheet(const std::filesystem::path& path, const ExportTable& table, const GridRows& rows,
                      FileOpener& files) {
    writeExportFile(
        path, [&](const SpreadsheetSink& sink) { produceSpreadsheet(table, rows, sink); }, files);
}

}  // namespace custovia
