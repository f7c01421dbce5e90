#pragma once
// What every search window and summary list does with an archive, apart from the screen:
// the fixed-width row of a record, the search over several filters, the quick-find in the
// rows and the way back from a chosen row to its records.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "archive/archive.h"
#include "archive/record.h"

namespace custovia {

// One piece of a row: a literal label followed by a field's trimmed text, padded with
// spaces or cut to exactly `width` characters; width 0 leaves the text as it is. A piece
// without a field is its label alone.
struct RowColumn {
    std::string label;
    std::string field;
    int width = 0;
};

// Builds a record's row from its stored bytes (a record of the layout).
using RowFunction = std::function<std::string(std::string_view recordBytes)>;
// Tells whether a record belongs in a summary list.
using RecordCondition = std::function<bool(std::string_view recordBytes)>;

// The fields of an entry kept elsewhere than in a record (a line of a text file), by position,
// each as the file holds it (Windows-1252); a list of names names the positions.
using EntryFields = std::span<const std::string_view>;

// A row table resolved against a record layout once, so that building the rows of a whole
// archive never looks a field up by name.
class RowBuilder {
public:
    // Throws std::out_of_range for a field the layout does not have.
    RowBuilder(const RecordLayout& layout, const std::vector<RowColumn>& columns);
    // The same table over the fields of entries that are not records, by position; `names`
    // names the positions. Throws std::out_of_range for a field not among them.
    RowBuilder(const std::vector<std::string>& names, const std::vector<RowColumn>& columns);

    // The row of a record (a builder made with a layout).
    std::string operator()(std::string_view recordBytes) const;
    std::string operator()(const Record& record) const { return (*this)(record.bytes()); }
    // The row of an entry (a builder made with names).
    std::string operator()(EntryFields fields) const;
    // Appends the row to text that comes before it.
    void appendTo(std::string& row, std::string_view recordBytes) const;

private:
    struct Piece {
        std::string label;
        std::optional<std::size_t> field;
        std::size_t width;
    };
    template <typename IndexOf>
    void addPieces(const std::vector<RowColumn>& columns, const IndexOf& indexOf);
    template <typename FieldAt>
    void build(std::string& row, const FieldAt& fieldAt) const;

    const RecordLayout* layout_ = nullptr;
    std::vector<Piece> pieces_;
    std::size_t rowSize_ = 0;  // labels and padded columns
};

// A filter edit of a search window: its control name, its caption and the field it searches.
struct FilterField {
    std::string control;
    std::string caption;
    std::string field;
};

struct SearchFilter {
    std::string field;  // the record field it is matched against
    std::string typed;  // the filter's text exactly as typed (UTF-8)
};

// The search rule: a filter matches when its typed text, ASCII lower-cased, occurs in the
// field's trimmed text, ASCII lower-cased; an empty filter never matches. A record is listed
// when its matches reach the number of filters whose trimmed text is not empty, so with all
// filters empty every record is listed, and a filter of spaces counts for nothing but can
// still add a match.
class Search {
public:
    Search(const RecordLayout& layout, const std::vector<SearchFilter>& filters);
    // The same rule over the fields of entries that are not records, by position; `names`
    // names the positions.
    Search(const std::vector<std::string>& names, const std::vector<SearchFilter>& filters);

    int filledCount() const { return filled_; }
    // A record (a search made with a layout).
    bool matches(std::string_view recordBytes) const;
    // An entry (a search made with names).
    bool matches(EntryFields fields) const;

private:
    struct Pattern {
        std::size_t field;
        std::string bytes;  // lower-cased Windows-1252; empty: never matches
        // the field is trimmed first only where that can change the outcome: a typed text
        // that begins or ends with a blank
        bool trimsField;
    };
    template <typename IndexOf>
    void addPatterns(const std::vector<SearchFilter>& filters, const IndexOf& indexOf);
    template <typename FieldAt>
    bool matchesFields(const FieldAt& fieldAt, std::string_view record) const;

    const RecordLayout* layout_ = nullptr;
    std::vector<Pattern> patterns_;
    int filled_ = 0;
};

// Case-insensitive (ASCII letters only) search of `needle` in `haystack`; both are compared
// byte by byte, so they must be in the same encoding. `needle` must already be lower case.
// `readableAfter` bytes after the haystack's end may be read (never matched), which spares a
// short haystack a copy.
bool containsLowered(std::string_view haystack, std::string_view loweredNeedle,
                     std::size_t readableAfter = 0);

// Scans the archive and appends the row of every listed record to `rows`, in archive order.
// Throws ArchiveError on a failure; the rows found before it stay in `rows`.
void collectRows(Archive& archive, const RecordCondition& listed, const RowFunction& row,
                 std::vector<std::string>& rows);

// Scans the archive and calls open(index, record) for every record whose row, trimmed,
// equals the chosen row, trimmed (case-sensitive), to the end of the archive: when several
// records give the same row, the last one is handled last. Only the records the list shows
// count (listed: the list's condition or filters; empty: every record), so a record left out
// of the list is never opened through an equal row. Throws ArchiveError.
void openMatchingRows(Archive& archive, const RowFunction& row, std::string_view chosenRow,
                      const std::function<void(std::uint64_t index, const Record& record)>& open,
                      const RecordCondition& listed = {});

// The quick-find of a list: a new text is looked for from the first row, the same text again
// from the row after the selected one, wrapping round to the selected row itself.
class QuickFind {
public:
    // The row to select after a search for `typed` (the selected row when nothing matches,
    // the first row when none was selected), or nothing when the list is empty.
    std::optional<std::size_t> next(const std::vector<std::string>& rows, std::optional<std::size_t> selected,
                                    std::string_view typed);
    void reset() { last_.clear(); }

private:
    std::string last_;  // the previous text, lower-cased
};

}  // namespace custovia
