#include "archive/text.h"

#include <array>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace custovia {
namespace {

// Characters of the bytes 0x80..0x9F; the five undefined bytes map to the C1 controls,
// as the system's own conversion does, so every byte survives a round trip.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t byteToCodePoint(unsigned char b) {
    if (b >= 0x80 && b <= 0x9F) return kHighControls[b - 0x80];
    return b;
}

int codePointToByte(char32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return int(cp);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == cp) return int(0x80 + i);
    return -1;
}

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// Decodes one character at text[i], advancing i; malformed input gives U+FFFD.
char32_t nextCodePoint(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) return lead;
    int extra = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        cp = lead & 0x07;
    } else {
        return 0xFFFD;
    }
    for (int k = 0; k < extra; ++k) {
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 0xFFFD;
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    }
    return cp;
}

}  // namespace

std::string toCp1252(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        if (static_cast<unsigned char>(utf8[i]) < 0x80) {
            out += utf8[i++];
            continue;
        }
        const int b = codePointToByte(nextCodePoint(utf8, i));
        out += b < 0 ? '?' : char(b);
    }
    return out;
}

void appendFromCp1252(std::string& out, std::string_view bytes) {
    std::size_t plain = 0;  // start of the run of ASCII bytes not yet copied
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0x80) continue;
        out.append(bytes.substr(plain, i - plain));
        appendUtf8(out, byteToCodePoint(b));
        plain = i + 1;
    }
    out.append(bytes.substr(plain));
}

namespace {

bool printableAscii(unsigned char b) { return b >= 0x20 && b < 0x7F; }

// Where the run of printable ASCII bytes that starts at `from` ends. Exports and grids decode
// every field of a large archive, and nearly all of their bytes are plain: they are checked
// sixteen at a time.
std::size_t printableRunEnd(std::string_view bytes, std::size_t from) {
    std::size_t i = from;
#ifdef __SSE2__
    const __m128i belowBlank = _mm_set1_epi8(0x1F), del = _mm_set1_epi8(0x7F);
    for (; i + 16 <= bytes.size(); i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i));
        // bytes from 0x80 are negative as signed, so they fail the first comparison too
        const __m128i printable =
            _mm_andnot_si128(_mm_cmpeq_epi8(chunk, del), _mm_cmpgt_epi8(chunk, belowBlank));
        const unsigned others = ~unsigned(_mm_movemask_epi8(printable)) & 0xFFFFu;
        if (others != 0) return i + std::size_t(std::countr_zero(others));
    }
#endif
    while (i < bytes.size() && printableAscii(static_cast<unsigned char>(bytes[i]))) ++i;
    return i;
}

}  // namespace

void appendFieldFromCp1252(std::string& out, std::string_view bytes) {
    std::size_t plain = 0;  // start of the run of plain ASCII bytes not yet copied
    for (std::size_t i = printableRunEnd(bytes, 0); i < bytes.size(); i = printableRunEnd(bytes, i + 1)) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out.append(bytes.substr(plain, i - plain));
        if (b < 0x80)
            out += ' ';
        else
            appendUtf8(out, byteToCodePoint(b));
        plain = i + 1;
    }
    out.append(bytes.substr(plain));
}

std::string fieldFromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    appendFieldFromCp1252(out, bytes);
    return out;
}

std::string fromCp1252(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    appendFromCp1252(out, bytes);
    return out;
}

bool fitsCp1252(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();)
        if (codePointToByte(nextCodePoint(utf8, i)) < 0) return false;
    return true;
}

namespace {

// DEL is a control character too: a field decoded from its bytes reads it as a blank, so
// trimming the stored bytes must drop it where trimming the decoded text would.
bool trimmed(char c) { return static_cast<unsigned char>(c) <= 32 || c == 0x7F; }

// Where the text ends without its trailing blanks, found sixteen bytes at a time from the end:
// a field pasted or written by an older program may carry a long run of them.
std::size_t withoutTrailingBlanks(std::string_view text) {
    std::size_t last = text.size();
#ifdef __SSE2__
    const __m128i blank = _mm_set1_epi8(32), del = _mm_set1_epi8(0x7F);
    while (last >= 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + last - 16));
        const __m128i upToBlank = _mm_cmpeq_epi8(_mm_min_epu8(chunk, blank), chunk);
        const unsigned kept =
            ~unsigned(_mm_movemask_epi8(_mm_or_si128(upToBlank, _mm_cmpeq_epi8(chunk, del)))) & 0xFFFFu;
        if (kept != 0) return last - std::size_t(std::countl_zero(kept) - 16);
        last -= 16;
    }
#endif
    while (last > 0 && trimmed(text[last - 1])) --last;
    return last;
}

}  // namespace

std::string_view trimView(std::string_view text) {
    // most texts (every stored field, every grid cell) have nothing to trim
    if (text.empty() || (!trimmed(text.front()) && !trimmed(text.back()))) return text;
    std::size_t first = 0;
    std::size_t last = withoutTrailingBlanks(text);
    while (first < last && trimmed(text[first])) ++first;
    while (last > first && trimmed(text[last - 1])) --last;
    return text.substr(first, last - first);
}

std::string trim(std::string_view text) { return std::string(trimView(text)); }

std::string asciiLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = asciiLowerChar(c);
    return out;
}

std::string asciiUpper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return out;
}

std::u32string utf8ToCodePoints(std::string_view utf8) {
    std::u32string out;
    for (std::size_t i = 0; i < utf8.size();) out += nextCodePoint(utf8, i);
    return out;
}

std::string codePointsToUtf8(std::u32string_view codePoints) {
    std::string out;
    for (const char32_t cp : codePoints) appendUtf8(out, cp);
    return out;
}

}  // namespace custovia
