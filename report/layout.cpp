#include "report/layout.h"

#include <algorithm>
#include <cmath>

namespace custovia::report {

const DrawnItem* PreparedPage::find(std::string_view name) const {
    for (const DrawnItem& item : items)
        if (item.object.name == name) return &item;
    return nullptr;
}

namespace {

constexpr double kEpsilon = 1e-6;
// A report this long comes from a broken template, not from an archive.
constexpr std::size_t kMostSheets = 10000;

// What is left of a band to lay out: its objects, placed from the band's top.
struct BandPart {
    double height = 0;
    std::vector<DrawnItem> items;
};

bool isText(const ReportObject& o) { return o.kind == ObjectKind::Text; }

// A memo without word wrap can break between its lines; word-wrapped text needs the
// painter's font metrics to know its lines, so it moves whole like any other object.
bool breaksBetweenLines(const ReportObject& o) { return isText(o) && !o.wordWrap; }

// A text object with nothing to print and nothing to paint around it leaves no mark.
bool leavesMark(const DrawnItem& item) {
    const ReportObject& o = item.object;
    return !isText(o) || !item.lines.empty() || o.fill.visible() || o.frame.visible();
}

bool straddles(const ReportObject& o, double cut) {
    return o.box.top < cut - kEpsilon && o.box.bottom() > cut + kEpsilon;
}

// Lines of a memo starting at its top that end above the cut.
std::size_t linesAbove(const ReportObject& o, double cut) {
    const double lines = std::floor((cut - o.box.top) / o.lineHeight() + kEpsilon);
    return std::size_t(std::clamp(lines, 0.0, 1e9));
}

BandPart wholeBand(const Band& band) {
    BandPart part{band.height, {}};
    for (const ReportObject& object : band.objects)
        part.items.push_back({object, isText(object) ? splitLines(object.text) : std::vector<std::string>{}});
    return part;
}

// The highest cut at or above `room` that crosses no object except between two memo lines.
double findCut(const BandPart& part, double room) {
    double cut = room;
    for (bool moved = true; moved;) {
        moved = false;
        for (const DrawnItem& item : part.items) {
            const ReportObject& o = item.object;
            if (!straddles(o, cut)) continue;
            const double better =
                breaksBetweenLines(o) ? o.box.top + double(linesAbove(o, cut)) * o.lineHeight() : o.box.top;
            if (better < cut - kEpsilon) {
                cut = better;
                moved = true;
            }
        }
    }
    return cut;
}

// Cuts the part at `cut`: what lies above stays, the rest moves up to start the next sheet.
std::pair<BandPart, BandPart> splitPart(const BandPart& part, double cut) {
    BandPart above{cut, {}}, below{part.height - cut, {}};
    for (const DrawnItem& item : part.items) {
        const ReportObject& o = item.object;
        if (o.box.bottom() <= cut + kEpsilon) {
            above.items.push_back(item);
            continue;
        }
        DrawnItem rest = item;
        if (breaksBetweenLines(o) && straddles(o, cut)) {
            const std::size_t kept = std::min(linesAbove(o, cut), item.lines.size());
            DrawnItem head = item;
            head.object.box.height = cut - o.box.top;
            head.lines.resize(kept);
            above.items.push_back(std::move(head));
            rest.lines.erase(rest.lines.begin(), rest.lines.begin() + std::ptrdiff_t(kept));
            const double restTop = o.box.top + double(linesAbove(o, cut)) * o.lineHeight();
            rest.object.box.height = o.box.bottom() - restTop;
            rest.object.box.top = 0;
        } else {
            rest.object.box.top = std::max(0.0, o.box.top - cut);
        }
        below.height = std::max(below.height, rest.object.box.bottom());
        below.items.push_back(std::move(rest));
    }
    return {std::move(above), std::move(below)};
}

bool leavesMark(const BandPart& part) {
    return std::any_of(part.items.begin(), part.items.end(),
                       [](const DrawnItem& i) { return leavesMark(i); });
}

// Lays out one template page into as many sheets as its data need.
class SheetBuilder {
public:
    explicit SheetBuilder(const Page& page) : page_(page), area_(page.printableArea()) {}

    std::vector<PreparedPage> run() {
        startSheet(true);
        for (const Band& band : page_.bands)
            if (band.kind == BandKind::MasterData) placeData(band);
        finishSheet();
        return std::move(sheets_);
    }

private:
    void startSheet(bool first) {
        sheets_.push_back({page_.widthMm(), page_.heightMm(), page_.orientation, {}});
        for (const ReportObject& object : page_.objects) {
            DrawnItem item{object, isText(object) ? splitLines(object.text) : std::vector<std::string>{}};
            place(item, area_.top);
        }
        y_ = area_.top;
        placeBands(BandKind::PageHeader);
        if (first) placeBands(BandKind::ReportTitle);
        dataTop_ = y_;
        footerTop_ = area_.bottom();
        for (const Band& band : page_.bands)
            if (band.kind == BandKind::PageFooter) footerTop_ -= band.height;
    }

    void finishSheet() {
        y_ = footerTop_;
        placeBands(BandKind::PageFooter);
    }

    void nextSheet() {
        if (sheets_.size() >= kMostSheets) throw ReportError("Il documento da stampare ha troppe pagine.");
        finishSheet();
        startSheet(false);
    }

    void placeBands(BandKind kind) {
        for (const Band& band : page_.bands)
            if (band.kind == kind) placePart(wholeBand(band));
    }

    void placeData(const Band& band) {
        BandPart part = wholeBand(band);
        while (true) {
            const double room = footerTop_ - y_;
            const bool fresh = y_ <= dataTop_ + kEpsilon;
            if (part.height <= room + kEpsilon) return placePart(part);
            // on a fresh sheet nothing is gained by moving on: what does not fit is cut off
            const double cut = band.canSplit ? findCut(part, std::max(room, 0.0)) : 0;
            if (cut <= kEpsilon) {
                if (fresh) return placePart(part);
                nextSheet();
                continue;
            }
            auto [above, below] = splitPart(part, cut);
            placePart(above);
            if (!leavesMark(below)) return;  // only the band's empty tail is left
            nextSheet();
            part = std::move(below);
        }
    }

    void placePart(const BandPart& part) {
        for (const DrawnItem& item : part.items) place(item, y_);
        y_ += part.height;
    }

    void place(DrawnItem item, double top) {
        if (!leavesMark(item)) return;
        item.object.box.left += area_.left;
        item.object.box.top += top;
        sheets_.back().items.push_back(std::move(item));
    }

    const Page& page_;
    const Box area_;
    std::vector<PreparedPage> sheets_;
    double y_ = 0, dataTop_ = 0, footerTop_ = 0;
};

}  // namespace

std::vector<PreparedPage> prepareReport(const Template& t) {
    std::vector<PreparedPage> sheets;
    for (const Page& page : t.pages) {
        std::vector<PreparedPage> more = SheetBuilder(page).run();
        std::move(more.begin(), more.end(), std::back_inserter(sheets));
    }
    return sheets;
}

}  // namespace custovia::report
