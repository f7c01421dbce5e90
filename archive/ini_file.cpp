#include "archive/ini_file.h"

#include <fstream>
#include <sstream>
#include <system_error>
#include <vector>

#include "archive/file_replace.h"
#include "archive/paths.h"
#include "archive/text.h"

namespace custovia {
namespace {

struct Line {
    std::string_view text;  // without its line break
    std::size_t end;        // offset just after the line break
};

std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t stop = text.find('\n', at);
        const std::size_t next = stop == std::string_view::npos ? text.size() : stop + 1;
        if (stop == std::string_view::npos) stop = text.size();
        std::string_view line = text.substr(at, stop - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.push_back({line, next});
        at = next;
    }
    return lines;
}

bool sameName(std::string_view a, std::string_view b) {
    return asciiLower(trimView(a)) == asciiLower(trimView(b));
}

// The section name of a "[name]" line, or nothing.
bool sectionOf(std::string_view line, std::string_view& name) {
    const std::string_view t = trimView(line);
    if (t.size() < 2 || t.front() != '[') return false;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos) return false;
    name = t.substr(1, close - 1);
    return true;
}

bool keyOf(std::string_view line, std::string_view& key, std::string_view& value) {
    const std::string_view t = trimView(line);
    if (t.empty() || t.front() == ';') return false;
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return false;
    key = trimView(t.substr(0, eq));
    value = trimView(t.substr(eq + 1));
    return true;
}

std::string unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return std::string(v);
}

std::string lineBreakOf(std::string_view text) {
    const std::size_t lf = text.find('\n');
    if (lf != std::string_view::npos && (lf == 0 || text[lf - 1] != '\r')) return "\n";
    return "\r\n";
}

std::string readWhole(const std::filesystem::path& file, bool& exists) {
    std::error_code ec;
    exists = std::filesystem::exists(file, ec);
    if (!exists) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(file, ec))
        throw ArchiveError("cannot read " + pathToUtf8(file));
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad()) throw ArchiveError("cannot read " + pathToUtf8(file));
    return fromCp1252(bytes.str());
}

}  // namespace

std::string iniLookup(std::string_view text, std::string_view section, std::string_view key) {
    bool inSection = false;
    for (const Line& line : splitLines(text)) {
        std::string_view name, k, v;
        if (sectionOf(line.text, name)) {
            inSection = sameName(name, section);
        } else if (inSection && keyOf(line.text, k, v) && sameName(k, key)) {
            return unquote(v);
        }
    }
    return {};
}

std::string iniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
    const std::string br = lineBreakOf(text);
    const std::string entry = std::string(key) + "=" + std::string(value);
    const std::vector<Line> lines = splitLines(text);
    bool inSection = false;
    std::size_t sectionEnd = std::string_view::npos;  // where a new key of the section goes
    std::size_t lastKeyEnd = std::string_view::npos;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view name, k, v;
        const std::size_t start = i == 0 ? 0 : lines[i - 1].end;
        if (sectionOf(lines[i].text, name)) {
            if (inSection) break;
            inSection = sameName(name, section);
            if (inSection) lastKeyEnd = lines[i].end;
        } else if (inSection && keyOf(lines[i].text, k, v)) {
            if (sameName(k, key)) {
                std::string out(text.substr(0, start));
                out += entry;
                out += text.substr(start + lines[i].text.size());
                return out;
            }
            lastKeyEnd = lines[i].end;
        }
    }
    sectionEnd = lastKeyEnd;
    std::string out(text);
    if (sectionEnd != std::string_view::npos) {
        std::string insert = entry + br;
        if (sectionEnd > 0 && out[sectionEnd - 1] != '\n') insert = br + insert;
        out.insert(sectionEnd, insert);
        return out;
    }
    if (!out.empty() && out.back() != '\n') out += br;
    out += '[';
    out += section;
    out += ']';
    out += br;
    out += entry;
    out += br;
    return out;
}

std::string readIniString(const std::filesystem::path& file, std::string_view section, std::string_view key) {
    bool exists = false;
    const std::string text = readWhole(file, exists);
    return iniLookup(text, section, key);
}

void writeIniString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                    std::string_view value, FileOpener& files) {
    writeIniStrings(file, section, {{std::string(key), std::string(value)}}, files);
}

void writeIniStrings(const std::filesystem::path& file, std::string_view section, const IniValues& values,
                     FileOpener& files) {
    bool exists = false;
    std::string text = readWhole(file, exists);
    for (const auto& [key, value] : values) text = iniAssign(text, section, key, value);
    replaceFileContents(file, toCp1252(text), files);
}

}  // namespace custovia
