#pragma once
// Spreadsheet export: a grid of text rows filled from an archive, and the file that spreadsheet
// programs open as a worksheet: an HTML table with the office markup, Windows-1252, one line.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <cstdlib>
#include <memory>
#include <utility>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "archive/record.h"

namespace custovia {

// One exported column: its place in the grid, where its value comes from and its header cell
// in the file. The value is the trimmed text of `field`, or what `value` computes when set.
// A cell's text made from a record's stored bytes (Windows-1252, as the file holds them); the
// result is UTF-8.
using CellValue = std::function<std::string(std::string_view recordBytes)>;

struct ExportColumn {
    ExportColumn(std::string name, std::string gridHeader, int gridWidth, std::string field, CellValue value,
                 std::string fileHeader, int fileWidth, std::string joinedField = {})
        : name(std::move(name)),
          gridHeader(std::move(gridHeader)),
          gridWidth(gridWidth),
          field(std::move(field)),
          value(std::move(value)),
          fileHeader(std::move(fileHeader)),
          fileWidth(fileWidth),
          joinedField(std::move(joinedField)) {}

    std::string name;  // the grid column ("colData")
    std::string gridHeader;
    int gridWidth = 0;
    std::string field;
    CellValue value;  // when set, the cell's text instead of the field's
    std::string fileHeader;
    int fileWidth = 0;
    // when set, the cell is the field and this one, each trimmed, with one space between (a
    // town and its province): read in place, with no record built for the row
    std::string joinedField;
};

// What a member of the export family writes: its columns, its file in the program folder and
// the worksheet's name.
struct ExportTable {
    std::vector<ExportColumn> columns;
    std::string fileName;
    std::string sheetName;
};

// The grid's rows of text cells (UTF-8). A row keeps its cells side by side with their end
// offsets beside it, and the rows lie packed in large blocks, so a large archive costs a few
// allocations, not one per row or per cell.
class GridRows {
public:
    explicit GridRows(std::size_t columns = 0) : columns_(columns) {}
    GridRows(const GridRows& other);
    GridRows& operator=(const GridRows& other);
    GridRows(GridRows&& other) noexcept { *this = std::move(other); }
    GridRows& operator=(GridRows&& other) noexcept;

    std::size_t columnCount() const { return columns_; }
    std::size_t rowCount() const { return rows_.size(); }
    std::string_view cell(std::size_t row, std::size_t column) const;

    // Adds a row; it must have exactly columnCount() cells.
    void addRow(const std::vector<std::string>& cells);
    // Adds a row cell by cell: append a cell's text to the returned text, then call endCell();
    // after exactly columnCount() cells the row is complete and counted.
    std::string& beginRow();
    void endCell();
    // Adds `count` cells at once to the row being added: `texts` holds them one after another,
    // `ends` where each ends within `texts` (four bytes each, in this machine's order).
    void addCells(std::string_view texts, const char* ends, std::size_t count);
    // Orders the rows by one column's text, ascending; rows with equal texts keep their order.
    void sortByColumn(std::size_t column);

    // Makes room for this many rows, so a large fill never moves the cells' offsets.
    void reserve(std::size_t rows);

    struct FreeBlock {
        void operator()(char* block) const { std::free(block); }
    };

private:
    void keepRow();

    std::size_t columns_ = 0;
    std::string building_;                                    // the row being added
    std::vector<std::unique_ptr<char[], FreeBlock>> blocks_;  // the rows' texts, packed
    std::size_t blockFree_ = 0;                               // unused bytes at the end of the last block
    std::size_t blockSize_ = 0;                               // size of the last block
    std::vector<std::string_view> rows_;                      // each row's text, in its block
    std::vector<std::uint32_t> ends_;  // ends_[row * columns_ + c]: end of cell c in the row
};

// Keeps the records (their stored bytes) for which it returns true.
using ExportSelection = std::function<bool(std::string_view recordBytes)>;

// Adds one row per record of the archive (or per selected record), in file order: cell 0 the
// row's 1-based number, then one cell per column. A failure to read the archive ends the
// filling and returns false; the rows added before it stay.
bool fillFromArchive(Archive& archive, const std::vector<ExportColumn>& columns, GridRows& rows,
                     const ExportSelection& select = {});

// Receives the export file piece by piece, in order.
using SpreadsheetSink = std::function<void(std::string_view piece)>;

// The whole export file: the frame, the header row and one table row per grid row (grid
// columns 1 to the last; the row number is not exported), converted to Windows-1252, handed
// to the sink in pieces of about a megabyte.
void produceSpreadsheet(const ExportTable& table, const GridRows& rows, const SpreadsheetSink& sink);
// The same file as one string.
std::string spreadsheetBytes(const ExportTable& table, const GridRows& rows);

class ExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Writes the file whole from what `produce` hands its sink, through a temporary file put in
// the old file's place (see replaceFileContents). Throws ExportError when the file cannot be
// written; the earlier file then stays as it was.
void writeExportFile(const std::filesystem::path& path,
                     const std::function<void(const SpreadsheetSink&)>& produce,
                     FileOpener& files = platformFileOpener());
void writeExportFile(const std::filesystem::path& path, std::string_view bytes,
                     FileOpener& files = platformFileOpener());
// Writes the export file of the grid.
void writeSpreadsheet(const std::filesystem::path& path, const ExportTable& table, const GridRows& rows,
                      FileOpener& files = platformFileOpener());

}  // namespace custovia
