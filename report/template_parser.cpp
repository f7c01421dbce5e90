#include "report/template_parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <tuple>

#include "archive/text.h"

namespace custovia::report {
namespace {

// Lengths beyond this (about 26 metres) are mistakes, and would only stall the page layout.
constexpr double kLargestLength = 100000;
constexpr double kLargestFontSize = 500;
constexpr double kSmallestFontSize = 1;
constexpr double kSmallestLineSpacing = 1;

// A word of the file and what it stands for.
template <typename T>
struct Choice {
    std::string_view word;
    T value;
};

struct Setting {
    std::string key;  // lower-cased
    std::string value;
    bool bare = false;  // a flag written without "="
};

class Parser {
public:
    Template run(std::string_view source);

private:
    [[noreturn]] void fail(const std::string& why) const {
        throw ReportError("Modello di stampa non valido, riga " + std::to_string(lineNo_) + ": " + why);
    }

    std::vector<Setting> tokenize(std::string_view line) const;
    std::string readValue(std::string_view line, std::size_t& i) const;
    void statement(const std::string& keyword, const std::vector<Setting>& settings);

    void reportLine(const std::vector<Setting>& settings);
    void pageLine(const std::vector<Setting>& settings);
    void bandLine(const std::vector<Setting>& settings);
    void objectLine(ObjectKind kind, const std::vector<Setting>& settings);
    bool geometrySetting(ReportObject& object, const Setting& s) const;
    bool drawingSetting(ReportObject& object, const Setting& s) const;
    bool textSetting(ReportObject& object, const Setting& s) const;

    double number(const Setting& s) const;
    double length(const Setting& s, bool mayBeNegative = false) const;
    double millimetres(const Setting& s) const;
    bool flag(const Setting& s) const;
    Colour colour(const Setting& s) const;
    template <typename T, std::size_t N>
    T choose(const Setting& s, const Choice<T> (&choices)[N], const std::string& what) const {
        for (const Choice<T>& c : choices)
            if (s.value == c.word) return c.value;
        fail(what + " sconosciuto \"" + s.value + "\"");
    }
    // Objects and bands are filled by name, so a name may appear only once.
    void claimName(const std::string& name) {
        if (!name.empty() && !names_.insert(name).second) fail("nome ripetuto \"" + name + "\"");
    }
    void unknown(const Setting& s) const { fail("impostazione sconosciuta \"" + s.key + "\""); }

    Page& currentPage() {
        if (result_.pages.empty()) fail("manca la riga \"page\" prima di questa");
        return result_.pages.back();
    }

    Template result_;
    std::set<std::string, std::less<>> names_;
    bool inBand_ = false;
    int lineNo_ = 0;
};

Template Parser::run(std::string_view source) {
    if (source.starts_with("\xEF\xBB\xBF")) source.remove_prefix(3);
    while (!source.empty()) {
        ++lineNo_;
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        line = trimView(line);
        if (line.empty() || line.front() == '#') continue;
        std::vector<Setting> settings = tokenize(line);
        const std::string keyword = settings.front().key;
        if (!settings.front().bare) fail("una riga comincia con una parola chiave");
        settings.erase(settings.begin());
        statement(keyword, settings);
    }
    if (result_.pages.empty()) fail("il modello non ha pagine");
    return std::move(result_);
}

std::vector<Setting> Parser::tokenize(std::string_view line) const {
    std::vector<Setting> settings;
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && line[i] != '=' && line[i] != ' ' && line[i] != '\t') ++i;
        Setting s;
        s.key = asciiLower(line.substr(start, i - start));
        if (i < line.size() && line[i] == '=') {
            ++i;
            s.value = readValue(line, i);
        } else {
            s.bare = true;
        }
        if (s.key.empty()) fail("\"=\" senza nome dell'impostazione");
        settings.push_back(std::move(s));
    }
    return settings;
}

std::string Parser::readValue(std::string_view line, std::size_t& i) const {
    std::string value;
    if (i >= line.size() || line[i] != '"') {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') value += line[i++];
        return value;
    }
    for (++i; i < line.size(); ++i) {
        if (line[i] == '"') {
            ++i;
            return value;
        }
        if (line[i] != '\\') {
            value += line[i];
            continue;
        }
        if (++i >= line.size()) break;
        switch (line[i]) {
            case 'n':
                value += '\n';
                break;
            case 'r':
                value += '\r';
                break;
            case 't':
                value += '\t';
                break;
            case '"':
            case '\\':
                value += line[i];
                break;
            default:
                fail("sequenza \\" + std::string(1, line[i]) + " sconosciuta");
        }
    }
    fail("virgolette non chiuse");
}

void Parser::statement(const std::string& keyword, const std::vector<Setting>& settings) {
    if (keyword == "report") return reportLine(settings);
    if (keyword == "page") return pageLine(settings);
    if (keyword == "band") return bandLine(settings);
    if (keyword == "text") return objectLine(ObjectKind::Text, settings);
    if (keyword == "picture") return objectLine(ObjectKind::Picture, settings);
    if (keyword == "rect") return objectLine(ObjectKind::Rectangle, settings);
    if (keyword == "line") return objectLine(ObjectKind::Line, settings);
    fail("parola chiave sconosciuta \"" + keyword + "\"");
}

void Parser::reportLine(const std::vector<Setting>& settings) {
    for (const Setting& s : settings) {
        if (s.key == "name")
            result_.name = s.value;
        else if (s.key == "twosided")
            result_.twoSided = flag(s);
        else
            unknown(s);
    }
}

void Parser::pageLine(const std::vector<Setting>& settings) {
    static constexpr Choice<std::pair<double, double>> kPapers[] = {
        {"A3", {297, 420}}, {"A4", {210, 297}}, {"A5", {148, 210}}};
    static constexpr Choice<Orientation> kOrientations[] = {{"portrait", Orientation::Portrait},
                                                            {"landscape", Orientation::Landscape}};
    Page page;
    Margins& m = page.margins;
    for (const Setting& s : settings) {
        if (s.key == "name") {
            page.name = s.value;
        } else if (s.key == "paper") {
            std::tie(page.paperWidthMm, page.paperHeightMm) = choose(s, kPapers, "formato di carta");
        } else if (s.key == "width") {
            page.paperWidthMm = millimetres(s);
        } else if (s.key == "height") {
            page.paperHeightMm = millimetres(s);
        } else if (s.key == "orientation") {
            page.orientation = choose(s, kOrientations, "orientamento");
        } else if (s.key == "margins") {
            m.left = m.top = m.right = m.bottom = millimetres(s);
        } else if (s.key == "left") {
            m.left = millimetres(s);
        } else if (s.key == "top") {
            m.top = millimetres(s);
        } else if (s.key == "right") {
            m.right = millimetres(s);
        } else if (s.key == "bottom") {
            m.bottom = millimetres(s);
        } else {
            unknown(s);
        }
    }
    // the program may turn the page when it fills the report: both ways must leave room
    if (std::min(page.paperWidthMm, page.paperHeightMm) <= std::max(m.left + m.right, m.top + m.bottom))
        fail("i margini non lasciano spazio per la stampa");
    result_.pages.push_back(std::move(page));
    inBand_ = false;
}

void Parser::bandLine(const std::vector<Setting>& settings) {
    static constexpr Choice<BandKind> kKinds[] = {{"ReportTitle", BandKind::ReportTitle},
                                                  {"PageHeader", BandKind::PageHeader},
                                                  {"MasterData", BandKind::MasterData},
                                                  {"PageFooter", BandKind::PageFooter}};
    Band band;
    for (const Setting& s : settings) {
        if (s.key == "name") {
            band.name = s.value;
        } else if (s.key == "kind") {
            band.kind = choose(s, kKinds, "tipo di banda");
        } else if (s.key == "height") {
            band.height = length(s);
        } else if (s.key == "split") {
            band.canSplit = flag(s);
        } else {
            unknown(s);
        }
    }
    claimName(band.name);
    currentPage().bands.push_back(std::move(band));
    inBand_ = true;
}

void Parser::objectLine(ObjectKind kind, const std::vector<Setting>& settings) {
    ReportObject object;
    object.kind = kind;
    if (kind == ObjectKind::Line) object.frame = kBlack;
    for (const Setting& s : settings) {
        const bool known = geometrySetting(object, s) || drawingSetting(object, s) ||
                           (kind == ObjectKind::Text && textSetting(object, s));
        if (!known) unknown(s);
    }
    claimName(object.name);
    Page& page = currentPage();
    (inBand_ ? page.bands.back().objects : page.objects).push_back(std::move(object));
}

bool Parser::geometrySetting(ReportObject& object, const Setting& s) const {
    // a line runs from its top-left corner by its width and height, which may go back or up
    const bool line = object.kind == ObjectKind::Line;
    if (s.key == "name") {
        object.name = s.value;
    } else if (s.key == "left") {
        object.box.left = length(s);
    } else if (s.key == "top") {
        object.box.top = length(s);
    } else if (s.key == "width") {
        object.box.width = length(s, line);
    } else if (s.key == "height") {
        object.box.height = length(s, line);
    } else {
        return false;
    }
    return true;
}

// Frames, pens, fills and pictures: which keys apply depends on the kind of object.
bool Parser::drawingSetting(ReportObject& object, const Setting& s) const {
    const ObjectKind kind = object.kind;
    if (kind == ObjectKind::Line && s.key == "color") {
        object.frame = colour(s);
    } else if (kind == ObjectKind::Line && s.key == "pen") {
        object.frameWidth = length(s);
    } else if (kind != ObjectKind::Line && s.key == "frame") {
        object.frame = s.bare ? kBlack : colour(s);
    } else if (kind != ObjectKind::Line && s.key == "framewidth") {
        object.frameWidth = length(s);
    } else if (kind == ObjectKind::Rectangle && s.key == "fill") {
        object.fill = colour(s);
    } else if (kind == ObjectKind::Picture && s.key == "source") {
        object.source = s.value;
    } else if (kind == ObjectKind::Picture && s.key == "keepaspect") {
        object.keepAspect = flag(s);
    } else if (kind == ObjectKind::Picture && s.key == "center") {
        object.centre = flag(s);
    } else {
        return false;
    }
    return true;
}

bool Parser::textSetting(ReportObject& object, const Setting& s) const {
    static constexpr Choice<HAlign> kHAligns[] = {
        {"left", HAlign::Left}, {"center", HAlign::Centre}, {"right", HAlign::Right}};
    static constexpr Choice<VAlign> kVAligns[] = {
        {"top", VAlign::Top}, {"center", VAlign::Centre}, {"bottom", VAlign::Bottom}};
    if (s.key == "text") {
        object.text = s.value;
    } else if (s.key == "font") {
        object.font.family = s.value;
    } else if (s.key == "size") {
        object.font.sizePt = number(s);
        if (object.font.sizePt < kSmallestFontSize || object.font.sizePt > kLargestFontSize)
            fail("corpo del carattere fuori misura");
    } else if (s.key == "bold") {
        object.font.bold = flag(s);
    } else if (s.key == "italic") {
        object.font.italic = flag(s);
    } else if (s.key == "color") {
        object.colour = colour(s);
    } else if (s.key == "fill") {
        object.fill = colour(s);
    } else if (s.key == "halign") {
        object.hAlign = choose(s, kHAligns, "allineamento");
    } else if (s.key == "valign") {
        object.vAlign = choose(s, kVAligns, "allineamento");
    } else if (s.key == "wrap") {
        object.wordWrap = flag(s);
    } else if (s.key == "markup") {
        object.markup = flag(s);
    } else if (s.key == "linespacing") {
        object.lineSpacing = length(s);
        if (object.lineSpacing < kSmallestLineSpacing) fail("interlinea troppo stretta");
    } else {
        return false;
    }
    return true;
}

double Parser::number(const Setting& s) const {
    const std::string& v = s.value;
    double value = 0;
    const auto [end, error] = std::from_chars(v.data(), v.data() + v.size(), value);
    if (s.bare || error != std::errc() || end != v.data() + v.size() || !std::isfinite(value))
        fail("\"" + s.key + "\" vuole un numero");
    return value;
}

double Parser::length(const Setting& s, bool mayBeNegative) const {
    Setting plain = s;
    const bool mm = plain.value.ends_with("mm");
    if (mm) plain.value.resize(plain.value.size() - 2);
    const double units = mm ? mmToUnits(number(plain)) : number(plain);
    if (std::fabs(units) > kLargestLength || (!mayBeNegative && units < 0))
        fail("\"" + s.key + "\" fuori misura");
    return units;
}

double Parser::millimetres(const Setting& s) const {
    Setting plain = s;
    if (plain.value.ends_with("mm")) plain.value.resize(plain.value.size() - 2);
    const double mm = number(plain);
    if (mm < 0 || mm > unitsToMm(kLargestLength)) fail("\"" + s.key + "\" fuori misura");
    return mm;
}

bool Parser::flag(const Setting& s) const {
    if (s.bare || s.value == "yes" || s.value == "true") return true;
    if (s.value == "no" || s.value == "false") return false;
    fail("\"" + s.key + "\" vuole yes o no");
}

Colour Parser::colour(const Setting& s) const {
    struct Named {
        std::string_view name;
        std::uint32_t argb;
    };
    static constexpr Named kNames[] = {
        {"none", 0x00000000},       {"black", 0xFF000000},          {"white", 0xFFFFFFFF},
        {"slategray", 0xFF708090},  {"lightsteelblue", 0xFFB0C4DE}, {"gold", 0xFFFFD700},
        {"darkorange", 0xFFFF8C00}, {"teal", 0xFF008080},           {"royalblue", 0xFF4169E1},
        {"lavender", 0xFFE6E6FA},   {"yellow", 0xFFFFFF00},         {"silver", 0xFFC0C0C0},
    };
    const std::string v = asciiLower(s.value);
    for (const Named& named : kNames)
        if (v == named.name) return Colour{named.argb};
    if (v.size() == 7 || v.size() == 9) {
        std::uint32_t argb = 0;
        const auto [end, error] = std::from_chars(v.data() + 1, v.data() + v.size(), argb, 16);
        if (v[0] == '#' && error == std::errc() && end == v.data() + v.size())
            return Colour{v.size() == 7 ? (0xFF000000u | argb) : argb};
    }
    fail("colore sconosciuto \"" + s.value + "\"");
}

}  // namespace

Template parseTemplate(std::string_view source) { return Parser().run(source); }

}  // namespace custovia::report
