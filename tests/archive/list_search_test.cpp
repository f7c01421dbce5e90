// Rows, the search rule, quick-find and the way back from a row to its cards, on a small
// layout and an archive kept in memory.
#include <gtest/gtest.h>

#include <cstring>

#include "archive/list_search.h"
#include "archive/text.h"

namespace custovia {
namespace {

const RecordLayout kLayout{{"txtData", 10}, {"txtNome", 20}, {"txtTarga", 12}};

// An archive file held in memory; reads from `failFrom` on fail as an unreadable disk would.
class MemoryOpener final : public FileOpener {
public:
    std::string bytes;
    std::uint64_t failFrom = UINT64_MAX;

    std::unique_ptr<BlockFile> openOrCreate(const std::filesystem::path&) override {
        return std::make_unique<File>(*this);
    }

private:
    class File final : public BlockFile {
    public:
        explicit File(MemoryOpener& owner) : owner_(owner) {}
        std::uint64_t size() override { return owner_.bytes.size(); }
        void readAt(std::uint64_t offset, char* data, std::size_t n) override {
            if (offset + n > owner_.failFrom || offset + n > owner_.bytes.size()) throw ArchiveError("read");
            std::memcpy(data, owner_.bytes.data() + offset, n);
        }
        std::size_t readSomeAt(std::uint64_t offset, char* data, std::size_t n) override {
            readAt(offset, data, n);
            return n;
        }
        void writeAt(std::uint64_t, const char*, std::size_t) override { throw ArchiveError("read only"); }
        void lockExclusive() override {}
        void unlock() override {}
        void close() override {}

    private:
        MemoryOpener& owner_;
    };
};

std::string card(const std::string& data, const std::string& nome, const std::string& targa = "") {
    Record r(kLayout);
    r.set("txtData", data);
    r.set("txtNome", nome);
    r.set("txtTarga", targa);
    return std::string(r.bytes());
}

// A field's bytes written directly: length byte, text, zeros.
void putRaw(std::string& record, const std::string& field, const std::string& text) {
    const std::size_t i = kLayout.indexOf(field);
    const std::size_t at = kLayout.offset(i);
    record[at] = char(text.size());
    record.replace(at + 1, text.size(), text);
}

const RowBuilder& row() {
    static const RowBuilder builder(kLayout, {{"N: ", "txtNome", 6}, {"  T: ", "txtTarga", 0}});
    return builder;
}

TEST(ListRow, ColumnsArePaddedOrCutToTheirWidthInCharactersAndTheLastIsLeftAsItIs) {
    struct Case {
        std::string nome, targa, expected;
    };
    for (const Case& c : {Case{"Anna", "AB1", "N: Anna    T: AB1"},
                          {"Elisabetta", "AB123CD", "N: Elisab  T: AB123CD"},
                          {"Cè è", "", "N: Cè è    T: "},
                          {"Niccolò Rè", "X", "N: Niccol  T: X"},
                          {"", "  lunga targa ", "N:         T: lunga targa"}})
        EXPECT_EQ(row()(card("", c.nome, c.targa)), c.expected) << c.nome;

    std::string stored = card("", "");
    putRaw(stored, "txtNome", " \tAnna\r\n");  // blanks and controls around the stored text
    EXPECT_EQ(row()(stored), "N: Anna    T: ");
    EXPECT_THROW(RowBuilder(kLayout, {{"x", "txtNessuno", 3}}), std::out_of_range);
}

struct SearchCase {
    const char* what;
    std::vector<SearchFilter> filters;
    std::string nome, targa;
    bool listed;
};

TEST(ListSearch, FiltersMatchAsTypedWithOnlyAsciiLettersFolded) {
    const std::vector<SearchCase> cases{
        {"all empty lists everything", {{"txtNome", ""}, {"txtTarga", ""}}, "Anna", "", true},
        {"ASCII case folded", {{"txtNome", "ROS"}}, "Ambrosi", "", true},
        {"found after a false start", {{"txtNome", "ros"}}, "RRossi", "", true},
        {"found at the very end", {{"txtNome", "SSI"}}, "Rossi", "", true},
        {"longer than the field", {{"txtNome", "rossini"}}, "Rossi", "", false},
        {"all filled filters must match", {{"txtNome", "ros"}, {"txtTarga", "zz"}}, "Rossi", "AB1", false},
        {"accented capital is not the small one", {{"txtNome", "È"}}, "perché è", "", false},
        {"accented small matches itself", {{"txtNome", "è"}}, "perché è", "", true},
        {"plain e is not e grave", {{"txtNome", "perche"}}, "perché", "", false},
        {"euro sign matches its stored byte", {{"txtNome", "5 €"}}, "costo 5 €", "", true},
        {"leading space typed is kept", {{"txtNome", " Anna"}}, "Anna", "", false},
        {"leading space matches inside", {{"txtNome", " anna"}}, "Maria Anna", "", true},
        // "ł" is stored as "?": the filter must not turn into "?" and find it
        {"character outside the code page never matches", {{"txtNome", "ł"}}, "Pał", "", false},
        // spaces count as no filter, yet their match makes up for a filled one that misses
        {"spaces alone list everything", {{"txtNome", "   "}}, "Anna", "", true},
        {"a matching spaces filter makes up a miss",
         {{"txtNome", " "}, {"txtTarga", "zz"}},
         "Anna Maria",
         "AB",
         true},
        {"spaces that find nothing do not", {{"txtNome", " "}, {"txtTarga", "zz"}}, "Anna", "AB", false},
    };
    for (const SearchCase& c : cases) {
        const Search search(kLayout, c.filters);
        EXPECT_EQ(search.matches(card("", c.nome, c.targa)), c.listed) << c.what;
    }
    EXPECT_EQ(Search(kLayout, {{"txtNome", " "}, {"txtTarga", " x "}, {"txtData", ""}}).filledCount(), 1);
}

// The needle at every place of haystacks on both sides of sixteen bytes, in either case, and
// look-alikes that differ from an ASCII letter only by the bit that makes it small.
TEST(ListSearch, ContainsLoweredFindsTheTextAtEveryPlaceAndNothingElse) {
    const auto reference = [](std::string_view haystack, std::string_view needle) {
        for (std::size_t at = 0; at + needle.size() <= haystack.size(); ++at) {
            std::size_t k = 0;
            while (k < needle.size() && asciiLowerChar(haystack[at + k]) == needle[k]) ++k;
            if (k == needle.size()) return true;
        }
        return needle.empty();
    };
    for (const std::string needle : {"r", "ros", "@x", "1 \xe8", "ab"}) {
        std::string upper = needle;
        for (char& c : upper) c = (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c;
        for (std::size_t size = 0; size <= 40; ++size) {
            for (std::size_t at = 0; at + needle.size() <= size; ++at) {
                for (const std::string& typed : {needle, upper}) {
                    std::string haystack(size, '.');
                    haystack.replace(at, typed.size(), typed);
                    EXPECT_TRUE(containsLowered(haystack, needle)) << haystack << " / " << needle;
                }
            }
            // '@' | 0x20 is '`', 'R' | 0x20 'r': only letters may be folded
            const std::string lookAlike = std::string(size, 'R') + std::string(size % 3, '`') + "\xc8";
            EXPECT_EQ(containsLowered(lookAlike, needle), reference(lookAlike, needle)) << size << needle;
            // bytes that may be read after the haystack, the needle among them, never match
            const std::string followed = lookAlike + upper + needle + std::string(16, '.');
            for (std::size_t after = 0; after <= followed.size() - lookAlike.size(); ++after)
                EXPECT_EQ(
                    containsLowered(std::string_view(followed).substr(0, lookAlike.size()), needle, after),
                    reference(lookAlike, needle))
                    << size << needle << after;
        }
    }
    EXPECT_FALSE(containsLowered(std::string(33, 'x') + "`X", "@x"));
    EXPECT_TRUE(containsLowered("anything", ""));
}

TEST(ListSearch, FieldIsReadTrimmedAndWithinItsCapacity) {
    std::string stored = card("", "");
    putRaw(stored, "txtTarga", "  AB1  ");
    EXPECT_FALSE(Search(kLayout, {{"txtTarga", " ab1"}}).matches(stored));  // the field's blanks are gone
    EXPECT_TRUE(Search(kLayout, {{"txtTarga", "ab1"}}).matches(stored));
    // a length byte beyond the capacity reads as the capacity: the next field is not searched
    stored = card("", "");
    stored[kLayout.offset(kLayout.indexOf("txtData"))] = char(200);
    putRaw(stored, "txtNome", "Oltre");
    EXPECT_FALSE(Search(kLayout, {{"txtData", "oltre"}}).matches(stored));
    // bytes left after a field's length (an older, longer text) are not its text
    stored = card("", "");
    putRaw(stored, "txtTarga", "AB1CD2");
    putRaw(stored, "txtTarga", "AB");
    EXPECT_FALSE(Search(kLayout, {{"txtTarga", "ab1"}}).matches(stored));
    EXPECT_TRUE(Search(kLayout, {{"txtTarga", "ab"}}).matches(stored));
}

class ListArchive : public ::testing::Test {
protected:
    Archive archive() { return Archive("Prova.pro", kLayout, files); }
    MemoryOpener files;
};

TEST_F(ListArchive, RowsComeInArchiveOrderAndThoseReadBeforeAFailureStay) {
    files.bytes = card("", "Alfa") + card("", "Beta") + card("", "Gamma");
    const auto notBeta = [](std::string_view b) { return b[kLayout.offset(1) + 1] != 'B'; };
    const auto every = [](std::string_view) { return true; };
    std::vector<std::string> rows;
    Archive file = archive();
    collectRows(file, notBeta, row(), rows);
    EXPECT_EQ(rows, (std::vector<std::string>{"N: Alfa    T: ", "N: Gamma   T: "}));

    // an archive larger than one read, failing near its end
    const std::size_t total = 2 * (1u << 20) / kLayout.size();
    const std::string one = card("", "x");
    files.bytes.clear();
    for (std::size_t i = 0; i < total; ++i) files.bytes += one;
    files.failFrom = (total - 1) * kLayout.size();
    rows.clear();
    EXPECT_THROW(collectRows(file, every, row(), rows), ArchiveError);
    EXPECT_FALSE(rows.empty());
    EXPECT_LT(rows.size(), total);
}

TEST_F(ListArchive, ChosenRowOpensEveryEqualCardToTheLastOneWithTheRowCut) {
    files.bytes = card("1", "Elisabetta Rossi", "AB1") + card("2", "Anna", "AB1") +
                  card("3", "Elisabetta", "AB1") + card("4", "elisabetta", "AB1");
    std::vector<std::pair<std::uint64_t, std::string>> opened;
    const auto open = [&](std::uint64_t index, const Record& r) {
        opened.emplace_back(index, r.get("txtData"));
    };
    Archive file = archive();
    // rows are compared trimmed and case-sensitive; the cut name finds both Elisabetta cards
    openMatchingRows(file, row(), "  N: Elisab  T: AB1 ", open);
    EXPECT_EQ(opened, (std::vector<std::pair<std::uint64_t, std::string>>{{0, "1"}, {2, "3"}}));

    files.failFrom = 0;
    EXPECT_THROW(openMatchingRows(file, row(), "N: Anna    T: AB1", open), ArchiveError);
}

TEST(QuickFind, WalksOnFromTheSelectionWrapsAndKeepsTheSelectionWithoutAMatch) {
    const std::vector<std::string> rows{"Alfa uno", "Beta", "ALFA due", "Gamma è"};
    QuickFind find;
    EXPECT_EQ(find.next({}, std::nullopt, "alfa"), std::nullopt);  // an empty list: nothing to select

    EXPECT_EQ(find.next(rows, std::nullopt, "aLfA"), 0u);
    EXPECT_EQ(find.next(rows, 0, "alfa"), 2u);             // the same text again: the next match
    EXPECT_EQ(find.next(rows, 2, "ALFA"), 0u);             // wraps to the first
    EXPECT_EQ(find.next(rows, 0, "beta"), 1u);             // a new text starts from the top
    EXPECT_EQ(find.next(rows, 1, "zeta"), 1u);             // no match: the selection stays
    EXPECT_EQ(find.next(rows, std::nullopt, "zeta"), 0u);  // none selected: the first is
    EXPECT_EQ(find.next(rows, 3, "gamma"), 3u);
    EXPECT_EQ(find.next(rows, 3, "gamma"), 3u);  // the only match comes back to itself
    EXPECT_EQ(find.next(rows, 0, "È"), 0u);      // accented letters keep their case
    EXPECT_EQ(find.next(rows, 0, "beta "), 0u);  // not trimmed: "Beta" has no blank after it
    find.reset();
    EXPECT_EQ(find.next(rows, 2, "alfa"), 0u);  // after a reset the text is new again
}

}  // namespace
}  // namespace custovia
