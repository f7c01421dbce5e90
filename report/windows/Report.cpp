#include "report/windows/Report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTextDocument>

#include "archive/windows/FixedPitchFont.h"
#include "archive/file_replace.h"
#include "archive/text.h"
#include "archive/windows/Environment.h"
#include "report/template_parser.h"
#include "archive/windows/qt_text.h"

namespace custovia::report {
namespace {

// Text keeps this gap from the left and right edges of its box.
constexpr double kTextPadding = 2;

QColor toQColor(Colour c) { return QColor::fromRgba(c.argb); }

QRectF toDevice(const Box& box, double scale) {
    return {box.left * scale, box.top * scale, box.width * scale, box.height * scale};
}

// Row lists line their columns up only in a fixed-pitch face: ask for one outright and fall
// back to the system's fixed font where the named family is missing.
bool wantsFixedPitch(const std::string& family) {
    const std::string f = asciiLower(family);
    return f == "courier new" || f == "courier" || f.find("mono") != std::string::npos;
}

QFont toQFont(const Font& wanted) {
    QFont font(QString::fromStdString(wanted.family));
    font.setPointSizeF(wanted.sizePt);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    if (!wantsFixedPitch(wanted.family)) {
        font.setStyleHint(QFont::SansSerif);
        return font;
    }
    return fixedPitchFont(font.family(), wanted.sizePt, wanted.bold, wanted.italic);
}

Qt::Alignment horizontal(HAlign a) {
    return a == HAlign::Centre ? Qt::AlignHCenter : a == HAlign::Right ? Qt::AlignRight : Qt::AlignLeft;
}

Qt::Alignment vertical(VAlign a) {
    return a == VAlign::Centre ? Qt::AlignVCenter : a == VAlign::Bottom ? Qt::AlignBottom : Qt::AlignTop;
}

QPen framePen(const ReportObject& o, double scale) {
    return o.frame.visible() ? QPen(toQColor(o.frame), o.frameWidth * scale) : QPen(Qt::NoPen);
}

void paintFrame(QPainter& painter, const ReportObject& o, const QRectF& r, double scale) {
    if (!o.frame.visible()) return;
    painter.setPen(framePen(o, scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r);
}

// Each line in its own band of the memo's line height; what passes the box's edge is cut off,
// never carried to another line.
void paintLines(QPainter& painter, const DrawnItem& item, const QRectF& r, double scale) {
    const ReportObject& o = item.object;
    const QRectF inner = r.adjusted(kTextPadding * scale, 0, -kTextPadding * scale, 0);
    if (o.wordWrap) {
        QStringList lines;
        for (const std::string& line : item.lines) lines << QString::fromStdString(line);
        painter.drawText(inner, int(horizontal(o.hAlign) | vertical(o.vAlign)) | Qt::TextWordWrap,
                         lines.join(QLatin1Char('\n')));
        return;
    }
    const double lineHeight = o.lineHeight() * scale;
    const double block = lineHeight * double(item.lines.size());
    double y = r.top();
    if (o.vAlign == VAlign::Centre) y += (r.height() - block) / 2;
    if (o.vAlign == VAlign::Bottom) y += r.height() - block;
    for (const std::string& line : item.lines) {
        const QRectF lineBox(inner.left(), y, inner.width(), lineHeight);
        painter.drawText(lineBox, int(horizontal(o.hAlign) | Qt::AlignVCenter), QString::fromStdString(line));
        y += lineHeight;
    }
}

// A paint device of exactly one report unit per pixel: markup is laid out on it, so its lines
// break at the same words on screen, on paper and in a PDF.
QPaintDevice* reportUnitDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMetre = qRound(kUnitsPerInch / 0.0254);
        image.setDotsPerMeterX(dotsPerMetre);
        image.setDotsPerMeterY(dotsPerMetre);
        return image;
    }();
    return &device;
}

// A design text in simple markup: word-wrapped paragraphs within the box's width, drawn from
// its top; what passes the box's foot is cut off by the caller's clip.
void paintMarkup(QPainter& painter, const DrawnItem& item, const QRectF& r, double scale) {
    const ReportObject& o = item.object;
    QStringList lines;
    for (const std::string& line : item.lines) lines << QString::fromStdString(line);
    QTextDocument document;
    document.documentLayout()->setPaintDevice(reportUnitDevice());
    document.setDefaultFont(toQFont(o.font));
    document.setDocumentMargin(0);
    QTextOption option(horizontal(o.hAlign));
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    document.setDefaultTextOption(option);
    document.setHtml(lines.join(QLatin1Char('\n')));
    document.setTextWidth(o.box.width - 2 * kTextPadding);
    painter.save();
    painter.translate(r.left() + kTextPadding * scale, r.top());
    painter.scale(scale, scale);
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, toQColor(o.colour));
    context.clip = QRectF(0, 0, o.box.width - 2 * kTextPadding, o.box.height);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
}

void paintText(QPainter& painter, const DrawnItem& item, double scale) {
    const ReportObject& o = item.object;
    const QRectF r = toDevice(o.box, scale);
    if (o.fill.visible()) painter.fillRect(r, toQColor(o.fill));
    if (!item.lines.empty()) {
        painter.save();
        painter.setClipRect(r, Qt::IntersectClip);
        painter.setFont(toQFont(o.font));
        painter.setPen(toQColor(o.colour));
        if (o.markup)
            paintMarkup(painter, item, r, scale);
        else
            paintLines(painter, item, r, scale);
        painter.restore();
    }
    paintFrame(painter, o, r, scale);
}

void paintRectangle(QPainter& painter, const ReportObject& o, double scale) {
    painter.setPen(framePen(o, scale));
    painter.setBrush(o.fill.visible() ? QBrush(toQColor(o.fill)) : QBrush(Qt::NoBrush));
    painter.drawRect(toDevice(o.box, scale));
}

void paintLine(QPainter& painter, const ReportObject& o, double scale) {
    painter.setPen(framePen(o, scale));
    painter.drawLine(QPointF(o.box.left, o.box.top) * scale, QPointF(o.box.right(), o.box.bottom()) * scale);
}

QRectF fitted(const ReportObject& o, const QRectF& box, QSizeF natural) {
    if (!o.keepAspect || natural.isEmpty()) return box;
    const QSizeF size = natural.scaled(box.size(), Qt::KeepAspectRatio);
    if (!o.centre) return {box.topLeft(), size};
    return {box.center() - QPointF(size.width() / 2, size.height() / 2), size};
}

void applyPageLayout(QPagedPaintDevice& device, const PreparedPage& page) {
    const bool portrait = page.orientation == Orientation::Portrait;
    const QSizeF paper = portrait ? QSizeF(page.widthMm, page.heightMm) : QSizeF(page.heightMm, page.widthMm);
    device.setPageLayout(QPageLayout(QPageSize(paper, QPageSize::Millimeter),
                                     portrait ? QPageLayout::Portrait : QPageLayout::Landscape, QMarginsF()));
}

// This PDF writer sets no subject in the document information, so the metadata packet
// carries the title and the subject ("description" in its terms).
QByteArray xmpMetadata() {
    static const QString packet = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
        "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
        "<rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
        "<rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
        "<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:title>\n"
        "<dc:description><rdf:Alt><rdf:li xml:lang=\"x-default\">%1</rdf:li></rdf:Alt></dc:description>\n"
        "</rdf:Description>\n"
        "</rdf:RDF>\n"
        "</x:xmpmeta>\n"
        "<?xpacket end='w'?>");
    return packet.arg(kPdfTitle.toHtmlEscaped()).toUtf8();
}

}  // namespace

QString printFailureMessage(const std::exception& failure) {
    return QStringLiteral("Impossibile completare la stampa.\r\n\r\n") + QString::fromUtf8(failure.what());
}

Report Report::fromResource(std::string_view name) {
    return fromFile(QStringLiteral(":/templates/reports/") + toQString(name) + QStringLiteral(".report"));
}

Report Report::fromFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ReportError("Impossibile leggere il modello di stampa " + path.toStdString() + ".");
    const QByteArray bytes = file.readAll();
    return Report(parseTemplate(std::string_view(bytes.constData(), std::size_t(bytes.size()))));
}

void Report::setText(std::string_view objectName, const std::string& text) {
    template_.setText(objectName, text);
}

void Report::setText(std::string_view objectName, const QString& text) {
    setText(objectName, text.toStdString());
}

void Report::setPicture(std::string_view objectName, const QImage& picture) {
    const ReportObject* object = template_.findObject(objectName);
    if (!object || object->kind != ObjectKind::Picture)
        throw ReportError("Il modello di stampa non contiene l'immagine \"" + std::string(objectName) +
                          "\".");
    pictures_.insert(QString::fromStdString(object->name), picture);
}

void Report::setHeight(std::string_view objectOrBandName, double units) {
    template_.setHeight(objectOrBandName, units);
}

void Report::setOrientation(Orientation orientation) { template_.setOrientation(orientation); }

void Report::setOrientation(std::size_t pageIndex, Orientation orientation) {
    template_.setOrientation(pageIndex, orientation);
}

const std::vector<PreparedPage>& Report::prepare() {
    pages_ = prepareReport(template_);
    return pages_;
}

bool Report::print(QWidget* parent, PrintDialogs& dialogs) {
    const auto& sheets = prepare();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(template_.name));
    printer.setFullPage(true);
    if (template_.twoSided) printer.setDuplex(QPrinter::DuplexLongSide);
    if (!sheets.empty()) applyPageLayout(printer, sheets.front());
    if (!dialogs.choosePrinter(parent, printer)) return false;
    if (!paint(printer)) throw ReportError("La stampante scelta non accetta il documento.");
    return true;
}

void Report::preview(QWidget* parent, PrintDialogs& dialogs) {
    prepare();
    bool painted = true;
    // the preview window paints from its own event loop: an error is carried out of it
    dialogs.preview(parent, [this, &painted](QPrinter& printer) {
        printer.setFullPage(true);
        painted = paint(printer) && painted;
    });
    if (!painted) throw ReportError("Impossibile mostrare l'anteprima di stampa.");
}

bool Report::writePdf(const std::filesystem::path& path, FileOpener& files) {
    prepare();
    // laid out in memory, then written whole: a viewer holding the old file, a full disk or a
    // crash leaves the earlier document as it was, never half a new one
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setTitle(kPdfTitle);
        writer.setCreator(QStringLiteral("Custovia"));
        writer.setDocumentXmpMetadata(xmpMetadata());
        if (!paint(writer)) return false;
    }
    try {
        replaceFileContents(path, std::string_view(pdf.data().constData(), std::size_t(pdf.data().size())),
                            files);
    } catch (const ArchiveError&) {
        return false;
    }
    return true;
}

bool Report::paint(QPagedPaintDevice& device) {
    const auto& sheets = pages_.empty() ? prepare() : pages_;
    if (sheets.empty()) return true;
    applyPageLayout(device, sheets.front());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        if (i > 0) {
            applyPageLayout(device, sheets[i]);
            if (!device.newPage()) return false;
        }
        paintPage(painter, sheets[i], device.logicalDpiX() / kUnitsPerInch);
    }
    return painter.end();
}

void Report::paintPage(QPainter& painter, const PreparedPage& page, double scale) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    for (const DrawnItem& item : page.items) {
        const ReportObject& o = item.object;
        switch (o.kind) {
            case ObjectKind::Text:
                paintText(painter, item, scale);
                break;
            case ObjectKind::Rectangle:
                paintRectangle(painter, o, scale);
                break;
            case ObjectKind::Line:
                paintLine(painter, o, scale);
                break;
            case ObjectKind::Picture:
                paintPicture(painter, o, scale);
                break;
        }
    }
    painter.restore();
}

void Report::paintPicture(QPainter& painter, const ReportObject& o, double scale) {
    const QRectF box = toDevice(o.box, scale);
    const QImage set = pictures_.value(QString::fromStdString(o.name));
    const QString source = QString::fromStdString(o.source);
    if (!set.isNull()) {
        painter.drawImage(fitted(o, box, set.size()), set);
    } else if (source.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
        QSvgRenderer svg(source);  // stays vector on paper and in the PDF
        if (svg.isValid()) svg.render(&painter, fitted(o, box, svg.defaultSize()));
    } else if (!source.isEmpty()) {
        const QImage built(source);
        if (!built.isNull()) painter.drawImage(fitted(o, box, built.size()), built);
    }
    paintFrame(painter, o, box, scale);
}

}  // namespace custovia::report
