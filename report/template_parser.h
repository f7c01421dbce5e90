#pragma once
// Reading a report template from its data file.
//
// One statement per line; blank lines and lines starting with "#" are ignored. A statement is
// a keyword followed by settings, each either key=value or a bare flag (which means "yes");
// a value with blanks goes in double quotes, where \" \\ \n \r and \t stand for themselves.
//
//   report name="Riepilogo dati"
//   page   name=Page paper=A4 orientation=landscape margins=10mm
//   band   name=MasterData kind=MasterData height=30.24 split
//   text   name=txtRiga left=2mm top=0.5mm width=144mm height=3.5mm font=Arial size=7 ...
//
// Keywords: report (name, twosided: printed on both sides of the sheet), page, band, and the
// objects text, picture, rect and line. Objects that follow a page line sit straight on the
// page until the first band line; after that each object belongs to the band above it. Lengths
// are report units (1/96 inch) or, with the suffix "mm", millimetres. Colours are #RRGGBB,
// #AARRGGBB, "none" or a few common names.
//
//   page:    name paper(A3|A4|A5) width height orientation(portrait|landscape)
//            margins left top right bottom (margins, in millimetres with or without "mm")
//   band:    name kind(ReportTitle|PageHeader|MasterData|PageFooter) height split
//   all objects: name left top width height
//   text:    text font size bold italic color fill frame framewidth halign(left|center|right)
//            valign(top|center|bottom) wrap linespacing markup (a fixed text in simple markup)
//   picture: source keepaspect center frame framewidth
//   rect:    fill frame framewidth
//   line:    color pen            (from left,top to left+width,top+height)
#include <string_view>

#include "report/template.h"

namespace custovia::report {

// Throws ReportError naming the line of the first mistake.
Template parseTemplate(std::string_view source);

}  // namespace custovia::report
