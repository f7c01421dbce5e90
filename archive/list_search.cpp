#include "archive/list_search.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <stdexcept>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "archive/text.h"

namespace custovia {

namespace {

std::size_t positionOf(const std::vector<std::string>& names, std::string_view name) {
    const auto at = std::find(names.begin(), names.end(), name);
    if (at == names.end()) throw std::out_of_range("no field named " + std::string(name));
    return std::size_t(at - names.begin());
}

}  // namespace

template <typename IndexOf>
void RowBuilder::addPieces(const std::vector<RowColumn>& columns, const IndexOf& indexOf) {
    for (const RowColumn& c : columns) {
        Piece piece{c.label, std::nullopt, std::size_t(std::max(c.width, 0))};
        if (!c.field.empty()) piece.field = indexOf(c.field);
        rowSize_ += c.label.size() + piece.width;
        pieces_.push_back(std::move(piece));
    }
}

RowBuilder::RowBuilder(const RecordLayout& layout, const std::vector<RowColumn>& columns) : layout_(&layout) {
    addPieces(columns, [&layout](const std::string& name) { return layout.indexOf(name); });
}

RowBuilder::RowBuilder(const std::vector<std::string>& names, const std::vector<RowColumn>& columns) {
    addPieces(columns, [&names](const std::string& name) { return positionOf(names, name); });
}

std::string RowBuilder::operator()(std::string_view recordBytes) const {
    // built in a buffer kept for the next row, then copied at its exact size: a list of a
    // large archive holds every row, and room left over in each adds up
    thread_local std::string building;
    building.clear();
    appendTo(building, recordBytes);
    return building;
}

std::string RowBuilder::operator()(EntryFields fields) const {
    thread_local std::string building;
    building.clear();
    build(building, [fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); });
    return building;
}

void RowBuilder::appendTo(std::string& row, std::string_view recordBytes) const {
    build(row, [this, recordBytes](std::size_t i) { return rawField(*layout_, recordBytes, i); });
}

template <typename FieldAt>
void RowBuilder::build(std::string& row, const FieldAt& fieldAt) const {
    for (const Piece& piece : pieces_) {
        row += piece.label;
        if (!piece.field) continue;
        // one Windows-1252 byte is one character, so padding and cutting the stored bytes
        // counts characters, and trimming them gives the bytes of the trimmed text
        std::string_view text = trimView(fieldAt(*piece.field));
        if (piece.width > 0 && text.size() > piece.width) text = text.substr(0, piece.width);
        appendFieldFromCp1252(row, text);
        if (piece.width > text.size()) row.append(piece.width - text.size(), ' ');
    }
}

template <typename IndexOf>
void Search::addPatterns(const std::vector<SearchFilter>& filters, const IndexOf& indexOf) {
    for (const SearchFilter& f : filters) {
        if (!trimView(f.typed).empty()) ++filled_;
        // a character the code page cannot hold is never in a stored field: such a filter
        // never matches (converting it would turn it into "?", which could)
        if (f.typed.empty() || !fitsCp1252(f.typed)) continue;
        std::string bytes = asciiLower(toCp1252(f.typed));
        const bool trims = trimView(bytes).size() != bytes.size();
        patterns_.push_back({indexOf(f.field), std::move(bytes), trims});
    }
}

Search::Search(const RecordLayout& layout, const std::vector<SearchFilter>& filters) : layout_(&layout) {
    addPatterns(filters, [&layout](const std::string& name) { return layout.indexOf(name); });
}

Search::Search(const std::vector<std::string>& names, const std::vector<SearchFilter>& filters) {
    addPatterns(filters, [&names](const std::string& name) { return positionOf(names, name); });
}

template <typename FieldAt>
bool Search::matchesFields(const FieldAt& fieldAt, std::string_view record) const {
    int found = 0;
    for (const Pattern& p : patterns_) {
        const std::string_view field = fieldAt(p.field);
        const std::string_view text = p.trimsField ? trimView(field) : field;
        // a field's last bytes are compared in place when the record goes on after them
        const std::size_t readableAfter =
            record.empty() || text.empty()
                ? 0
                : std::size_t(record.data() + record.size() - (text.data() + text.size()));
        if (containsLowered(text, p.bytes, readableAfter)) ++found;
    }
    return found >= filled_;
}

bool Search::matches(std::string_view recordBytes) const {
    return matchesFields([this, recordBytes](std::size_t i) { return rawField(*layout_, recordBytes, i); },
                         recordBytes);
}

bool Search::matches(EntryFields fields) const {
    return matchesFields(
        [fields](std::size_t i) { return i < fields.size() ? fields[i] : std::string_view(); }, {});
}

#ifdef __SSE2__
namespace {

// Sixteen bytes compared at once with one lower-case byte of a needle: a letter in either
// case (c | 0x20 is its lower case, and no other byte's), anything else exactly.
struct FoldedByte {
    __m128i fold, value;
    explicit FoldedByte(char c)
        : fold(_mm_set1_epi8(c >= 'a' && c <= 'z' ? 0x20 : 0)), value(_mm_set1_epi8(c)) {}
    __m128i equal(const char* at) const {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        return _mm_cmpeq_epi8(_mm_or_si128(bytes, fold), value);
    }
};

}  // namespace
#endif

bool containsLowered(std::string_view haystack, std::string_view loweredNeedle, std::size_t readableAfter) {
    if (loweredNeedle.empty()) return true;
    if (haystack.size() < loweredNeedle.size()) return false;
    const std::size_t starts = haystack.size() - loweredNeedle.size() + 1;
    const auto matchesAt = [&](std::size_t at) {
        std::size_t k = 0;
        while (k < loweredNeedle.size() && asciiLowerChar(haystack[at + k]) == loweredNeedle[k]) ++k;
        return k == loweredNeedle.size();
    };
    std::size_t at = 0;
#ifdef __SSE2__
    // a search runs over every record of a large archive: the places where the needle's first
    // two bytes stand are found sixteen at a time before the rest is compared
    const FoldedByte first(loweredNeedle[0]), second(loweredNeedle[loweredNeedle.size() > 1 ? 1 : 0]);
    const std::size_t secondAt = loweredNeedle.size() > 1 ? 1 : 0;
    const auto candidatesAt = [&](const char* chunk) {
        return unsigned(_mm_movemask_epi8(_mm_and_si128(first.equal(chunk), second.equal(chunk + secondAt))));
    };
    const auto anyMatches = [&](unsigned candidates) {
        for (; candidates != 0; candidates &= candidates - 1)
            if (matchesAt(at + std::size_t(std::countr_zero(candidates)))) return true;
        return false;
    };
    for (; at + 16 <= starts; at += 16)
        if (anyMatches(candidatesAt(haystack.data() + at))) return true;
    if (at == starts) return false;
    // the last places (most fields are shorter than sixteen bytes): read where they stand when
    // the bytes after the haystack may be read, else through a padded copy, whose bytes come
    // back only after a stall; the places past the last are masked off either way
    const unsigned lastPlaces = (1u << (starts - at)) - 1;
    if (haystack.size() - at + readableAfter >= 16 + secondAt)
        return anyMatches(candidatesAt(haystack.data() + at) & lastPlaces);
    alignas(16) char last[32] = {};
    std::memcpy(last, haystack.data() + at, std::min<std::size_t>(haystack.size() - at, 17));
    return anyMatches(candidatesAt(last) & lastPlaces);
#else
    for (; at < starts; ++at)
        if (matchesAt(at)) return true;
    return false;
#endif
}

void collectRows(Archive& archive, const RecordCondition& listed, const RowFunction& row,
                 std::vector<std::string>& rows) {
    archive.scanMaking(row, [&rows](std::uint64_t, std::string made) { rows.push_back(std::move(made)); },
                       {listed});
}

void openMatchingRows(Archive& archive, const RowFunction& row, std::string_view chosenRow,
                      const std::function<void(std::uint64_t, const Record&)>& open,
                      const RecordCondition& listed) {
    const std::string_view wanted = trimView(chosenRow);
    archive.scan(
        [&](std::uint64_t index, std::string_view bytes) {
            if (trimView(row(bytes)) == wanted) open(index, Record(archive.layout(), bytes));
        },
        {listed});
}

std::optional<std::size_t> QuickFind::next(const std::vector<std::string>& rows,
                                           std::optional<std::size_t> selected, std::string_view typed) {
    if (rows.empty()) return std::nullopt;
    const std::size_t current = selected && *selected < rows.size() ? *selected : 0;
    std::string wanted = asciiLower(typed);
    // a new text is tested from the first row on; the same text again from the row after
    // the current one, which itself comes last
    const bool again = wanted == last_;
    const std::size_t start = again ? current + 1 : 0;
    last_ = std::move(wanted);
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const std::size_t i = (start + k) % rows.size();
        if (containsLowered(rows[i], last_)) return i;
    }
    return current;
}

}  // namespace custovia
