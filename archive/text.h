#pragma once
// Text at the file boundary: the program keeps UTF-8 in memory and Windows-1252 on disk.
#include <string>
#include <string_view>

namespace custovia {

// UTF-8 to Windows-1252 bytes; a character the code page cannot hold becomes "?".
std::string toCp1252(std::string_view utf8);
// Windows-1252 bytes to UTF-8; every byte maps to one character.
std::string fromCp1252(std::string_view bytes);
// The same, appended to a text (no temporary for each field of a large scan).
void appendFromCp1252(std::string& out, std::string_view bytes);
// The same for the text of a one-line field: a line break or other control character inside
// it (from a file written before such characters were kept out) becomes a blank, so a list
// row, a printed card or an export never breaks on it.
void appendFieldFromCp1252(std::string& out, std::string_view bytes);
std::string fieldFromCp1252(std::string_view bytes);
// True for the characters a one-line field never holds: C0 controls, DEL, and the Unicode
// line breaks (NEL, line and paragraph separators).
inline bool isLineControl(char32_t c) {
    return c < 0x20 || c == 0x7F || c == 0x85 || c == 0x2028 || c == 0x2029;
}
// True when every character of the UTF-8 text has a Windows-1252 byte.
bool fitsCp1252(std::string_view utf8);

// Removes leading and trailing blanks and control characters (codes up to 32, and DEL).
std::string_view trimView(std::string_view text);
std::string trim(std::string_view text);

// Case folding touches the ASCII letters only: accented letters keep their case.
std::string asciiLower(std::string_view text);
std::string asciiUpper(std::string_view text);
inline char asciiLowerChar(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

// Code points of a UTF-8 text (an invalid byte counts as U+FFFD).
std::u32string utf8ToCodePoints(std::string_view utf8);
std::string codePointsToUtf8(std::u32string_view codePoints);

}  // namespace custovia
