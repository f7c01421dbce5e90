#pragma once
// The report template model: pages holding bands and objects, everything measured in report
// units of 1/96 inch from the top-left corner of the printable area (inside the margins).
// Templates are data files read by parseTemplate (report/template_parser.h); the program fills
// named objects and hands the template to prepareReport (report/layout.h).
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace custovia::report {

// Anything the engine cannot do: a template that does not read, an object that is not there,
// a page that cannot be written. The texts are shown to the user.
class ReportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr double kUnitsPerInch = 96.0;
inline constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;
inline constexpr double kPointsPerInch = 72.0;

constexpr double mmToUnits(double mm) { return mm * kUnitsPerMm; }
constexpr double unitsToMm(double units) { return units / kUnitsPerMm; }

struct Box {
    double left = 0, top = 0, width = 0, height = 0;
    double right() const { return left + width; }
    double bottom() const { return top + height; }
};

// 0xAARRGGBB; an alpha of zero means "none" (no fill, no frame).
struct Colour {
    std::uint32_t argb = 0;
    bool visible() const { return (argb >> 24) != 0; }
    friend bool operator==(Colour, Colour) = default;
};
inline constexpr Colour kNoColour{0};
inline constexpr Colour kBlack{0xFF000000};
inline constexpr Colour kWhite{0xFFFFFFFF};

struct Font {
    std::string family = "Arial";
    double sizePt = 10;
    bool bold = false;
    bool italic = false;
    // The height of one line of text in report units, as the page lays it out.
    double lineHeight() const { return sizePt * kUnitsPerInch / kPointsPerInch * 1.2; }
};

enum class ObjectKind { Text, Picture, Rectangle, Line };
enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Centre, Bottom };
enum class BandKind { ReportTitle, PageHeader, MasterData, PageFooter };
enum class Orientation { Portrait, Landscape };

// One object of a page or band. A flat record: each kind reads the members that concern it.
struct ReportObject {
    ObjectKind kind = ObjectKind::Text;
    std::string name;
    Box box;

    // Text objects (memos). The text is printed literally: nothing in it is evaluated.
    std::string text;
    Font font;
    Colour colour = kBlack;
    Colour fill = kNoColour;
    HAlign hAlign = HAlign::Left;
    VAlign vAlign = VAlign::Top;
    bool wordWrap = false;
    double lineSpacing = 0;  // units between line tops; 0 takes the font's line height
    // A fixed text of the template written in simple markup (<b>, <i>, <br>, <p>), laid out
    // as word-wrapped paragraphs inside the box and cut at its edges. Only for design texts:
    // the program's values are set on plain objects and always print literally.
    bool markup = false;

    // Frame of a text object, border of a rectangle, pen of a line.
    Colour frame = kNoColour;
    double frameWidth = 1;

    // Picture objects: the built-in picture shown unless the program sets another.
    std::string source;
    bool keepAspect = true;
    bool centre = true;

    double lineHeight() const { return lineSpacing > 0 ? lineSpacing : font.lineHeight(); }
};

struct Band {
    std::string name;
    BandKind kind = BandKind::MasterData;
    double height = 0;
    bool canSplit = false;  // a band taller than the room left continues on the next page
    std::vector<ReportObject> objects;
};

struct Margins {
    double left = 10, top = 10, right = 10, bottom = 10;  // millimetres
};

struct Page {
    std::string name;
    double paperWidthMm = 210, paperHeightMm = 297;  // as the paper stands in portrait
    Orientation orientation = Orientation::Portrait;
    Margins margins;
    std::vector<ReportObject> objects;  // placed straight on the page, on every sheet it gives
    std::vector<Band> bands;

    double widthMm() const;  // as printed, after the orientation
    double heightMm() const;
    Box printableArea() const;  // in units from the paper's corner
};

class Template {
public:
    std::string name;
    std::vector<Page> pages;
    bool twoSided = false;  // one job printed on both sides of each sheet

    // Objects are looked up by name on every page and band; nullptr when missing.
    ReportObject* findObject(std::string_view objectName);
    const ReportObject* findObject(std::string_view objectName) const;
    Band* findBand(std::string_view bandName);

    // The filling operations: each throws ReportError when the name is not in the template.
    void setText(std::string_view objectName, std::string text);
    void setHeight(std::string_view objectOrBandName, double units);
    void setOrientation(std::size_t pageIndex, Orientation orientation);
    void setOrientation(Orientation orientation);  // every page
};

// Splits a memo's text into its lines, on its own line breaks only (CR LF, LF or CR).
std::vector<std::string> splitLines(std::string_view text);

}  // namespace custovia::report
