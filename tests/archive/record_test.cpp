#include <gtest/gtest.h>

#include "archive/record.h"
#include "archive/text.h"

namespace custovia {
namespace {

const RecordLayout kLayout{{"txtNome", 250}, {"chkFlag", 2, FieldKind::Flag}, {"txtBreve", 5}};

std::string fieldBytes(const Record& r, std::size_t i) {
    return std::string(r.bytes().substr(r.layout().offset(i), std::size_t(r.layout().field(i).capacity) + 1));
}

TEST(Cp1252, ConvertsOverTheWholeCodePage) {
    struct Case {
        const char* utf8;
        std::string bytes;
    };
    const Case cases[] = {
        {"è", "\xE8"},      {"Sì", "S\xEC"},      {"€", "\x80"}, {"ł", "?"},  // outside the page
        {"Œœ", "\x8C\x9C"}, {"“x”", "\x93x\x94"}, {"ÿ", "\xFF"}, {"😀", "?"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toCp1252(c.utf8), c.bytes) << c.utf8;
        if (c.bytes != "?") {
            EXPECT_EQ(fromCp1252(c.bytes), c.utf8);
        }
    }
    // every byte survives a round trip, the five undefined ones included
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, char(b));
        EXPECT_EQ(toCp1252(fromCp1252(one)), one) << b;
    }
}

TEST(Cp1252, CaseFoldingTouchesAsciiLettersOnly) {
    EXPECT_EQ(asciiLower("ROSSI È"), "rossi È");
    EXPECT_EQ(asciiUpper("guardianottura à"), "GUARDIANOTTURA à");
    EXPECT_EQ(trim(" \t\r\n ab c\x01 "), "ab c");
}

// Fields are decoded and trimmed sixteen bytes at a time: each kind of byte is put at every place
// of texts of 0 to 40 bytes and the result compared with a byte-by-byte reading.
TEST(Cp1252, EveryByteIsDecodedAndTrimmedWhereverItStands) {
    const auto decoded = [](std::string_view bytes) {
        std::string out;
        for (const char c : bytes) {
            const auto b = static_cast<unsigned char>(c);
            out += b < 0x20 || b == 0x7F ? std::string(" ") : fromCp1252(std::string(1, c));
        }
        return out;
    };
    const auto trimmed = [](std::string_view text) {
        const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32 || c == 0x7F; };
        while (!text.empty() && blank(text.front())) text.remove_prefix(1);
        while (!text.empty() && blank(text.back())) text.remove_suffix(1);
        return std::string(text);
    };
    for (const char odd : {'\x00', '\x1F', ' ', '\x7F', '\x80', '\x9D', '\xE8', '\xFF', '~'}) {
        for (std::size_t size = 0; size <= 40; ++size) {
            for (std::size_t at = 0; at < size; ++at) {
                for (const char fill : {'a', ' '}) {
                    std::string bytes(size, fill);
                    bytes[at] = odd;
                    EXPECT_EQ(fieldFromCp1252(bytes), decoded(bytes))
                        << int(odd) << " at " << at << "/" << size;
                    EXPECT_EQ(trimView(bytes), trimmed(bytes)) << int(odd) << " at " << at << "/" << size;
                }
            }
        }
    }
}

TEST(Record, ALineBreakStoredInsideAFieldReadsAsBlanks) {
    // an older installation let a pasted line break into a field; the five code-page gaps
    // still read as their own characters
    const std::string stored =
        "\x0D"
        "Rossi\r\nMario\t\x7F\x81"
        "x";
    std::string bytes(kLayout.size(), '\0');
    bytes[0] = char(stored.size());
    bytes.replace(1, stored.size(), stored);
    EXPECT_EQ(Record(kLayout, bytes).get("txtNome"), "Rossi  Mario  \u0081x");
    EXPECT_EQ(fieldFromCp1252("a\x0B\xE8"), "a \u00E8");
    // a DEL at a field's edge is trimmed like the blank it reads as, so what is read is what
    // Save writes back
    bytes[0] = 3;
    bytes.replace(1, 3, "\x7F\xBC\x7F");
    const std::string read = Record(kLayout, bytes).get("txtNome");
    EXPECT_EQ(read, "\u00BC");
    Record copy(kLayout);
    copy.set(0, read);
    EXPECT_EQ(copy.get(0), read);
}

TEST(Record, SizesAndOffsetsFollowFromTheLayout) {
    EXPECT_EQ(kLayout.size(), 251u + 3u + 6u);
    EXPECT_EQ(kLayout.offset(1), 251u);
    EXPECT_EQ(kLayout.offset(2), 254u);
}

TEST(Record, FieldsAreStoredAsLengthAndWindows1252Bytes) {
    Record r(kLayout);
    r.set("chkFlag", kFlagYes);
    EXPECT_EQ(fieldBytes(r, 1), std::string("\x02S\xEC", 3));
    r.set("chkFlag", kFlagNo);
    EXPECT_EQ(fieldBytes(r, 1), std::string("\x02No", 3));

    r.set("txtBreve", "  è  ");  // blanks are not stored
    EXPECT_EQ(fieldBytes(r, 2), std::string("\x01\xE8\0\0\0\0", 6));
    EXPECT_EQ(r.get("txtBreve"), "è");

    r.set("txtBreve", "ł");
    EXPECT_EQ(r.get("txtBreve"), "?");
}

TEST(Record, LongTextIsCutToItsCapacity) {
    Record r(kLayout);
    const std::string text(300, 'x');
    r.set("txtNome", text);
    EXPECT_EQ(static_cast<unsigned char>(r.bytes()[0]), 250);
    EXPECT_EQ(r.get("txtNome"), std::string(250, 'x'));
    // a multi-byte character counts as one stored byte
    r.set("txtBreve", "èèèèèèè");
    EXPECT_EQ(r.get("txtBreve"), "èèèèè");
}

TEST(Record, CorruptLengthByteReadsAsTheCapacity) {
    std::string bytes(kLayout.size(), 'A');
    bytes[kLayout.offset(2)] = char(200);  // capacity is 5
    const Record r(kLayout, bytes);
    EXPECT_EQ(r.get("txtBreve"), "AAAAA");
    EXPECT_EQ(rawField(kLayout, bytes, 2).size(), 5u);
}

TEST(Record, BytesAfterTheLengthAreIgnored) {
    std::string bytes(kLayout.size(), '\0');
    bytes.replace(kLayout.offset(2), 6, std::string("\x02okXYZ", 6));
    EXPECT_EQ(Record(kLayout, bytes).get(2), "ok");
    EXPECT_EQ(Record(kLayout).get(0), "");
}

}  // namespace
}  // namespace custovia
