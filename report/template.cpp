#include "report/template.h"

#include <cmath>

namespace custovia::report {

double Page::widthMm() const { return orientation == Orientation::Portrait ? paperWidthMm : paperHeightMm; }

double Page::heightMm() const { return orientation == Orientation::Portrait ? paperHeightMm : paperWidthMm; }

Box Page::printableArea() const {
    const double left = mmToUnits(margins.left), top = mmToUnits(margins.top);
    return {left, top, mmToUnits(widthMm() - margins.right) - left,
            mmToUnits(heightMm() - margins.bottom) - top};
}

namespace {

template <typename TemplateT>
auto* findIn(TemplateT& t, std::string_view objectName) {
    for (auto& page : t.pages) {
        for (auto& object : page.objects)
            if (object.name == objectName) return &object;
        for (auto& band : page.bands)
            for (auto& object : band.objects)
                if (object.name == objectName) return &object;
    }
    return static_cast<decltype(&t.pages.front().objects.front())>(nullptr);
}

[[noreturn]] void missing(std::string_view name) {
    throw ReportError("Il modello di stampa non contiene l'oggetto \"" + std::string(name) + "\".");
}

}  // namespace

ReportObject* Template::findObject(std::string_view objectName) { return findIn(*this, objectName); }

const ReportObject* Template::findObject(std::string_view objectName) const {
    return findIn(*this, objectName);
}

Band* Template::findBand(std::string_view bandName) {
    for (auto& page : pages)
        for (auto& band : page.bands)
            if (band.name == bandName) return &band;
    return nullptr;
}

void Template::setText(std::string_view objectName, std::string text) {
    ReportObject* object = findObject(objectName);
    if (!object || object->kind != ObjectKind::Text) missing(objectName);
    object->text = std::move(text);
}

void Template::setHeight(std::string_view objectOrBandName, double units) {
    // a height that is not a number or below zero would stall the page layout
    if (!std::isfinite(units) || units < 0) units = 0;
    if (Band* band = findBand(objectOrBandName)) {
        band->height = units;
    } else if (ReportObject* object = findObject(objectOrBandName)) {
        object->box.height = units;
    } else {
        missing(objectOrBandName);
    }
}

void Template::setOrientation(std::size_t pageIndex, Orientation orientation) {
    if (pageIndex >= pages.size()) throw ReportError("Il modello di stampa non ha la pagina richiesta.");
    pages[pageIndex].orientation = orientation;
}

void Template::setOrientation(Orientation orientation) {
    for (auto& page : pages) page.orientation = orientation;
}

std::vector<std::string> splitLines(std::string_view text) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.emplace_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        start = i + 1;
    }
    lines.emplace_back(text.substr(start));
    return lines;
}

}  // namespace custovia::report
