#include "app/windows/UserGuide.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <stdexcept>

#include "app/help.h"
#include "app/pdf_outline.h"

namespace custovia {
namespace {

constexpr int kResolution = 300;  // device units per inch
constexpr double kMarginMm = 20;
const QString kGuideTitle = QStringLiteral("Guida all'utilizzo del software");
const QColor kBlue(0x1F, 0x3F, 0x66);
const QColor kGold(0xF2, 0xB6, 0x32);

QString fromStd(std::string_view text) { return QString::fromUtf8(text.data(), int(text.size())); }

QFont font(double points, bool bold = false) {
    QFont f(QStringLiteral("Verdana"), -1, bold ? QFont::Bold : QFont::Normal);
    f.setPointSizeF(points);
    // a letter spacing too small to see keeps ligatures out, so "fi" reads and copies as two
    // letters in every PDF reader
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return f;
}

// Where something was put: a page (0-based) and a height on it, in device units from the top
// of the printable area.
struct Place {
    int page = 0;
    double y = 0;
};

// A paragraph of the guide as laid out.
struct LaidParagraph {
    int number = 0;  // 1-based in the general text
    QString heading, text;
    Place at;
    double headingHeight = 0, textHeight = 0;
};

struct LaidChapter {
    QString name;
    Place at;
    std::vector<LaidParagraph> paragraphs;
};

class GuideLayout {
public:
    explicit GuideLayout(QPdfWriter& writer)
        : writer_(writer), width_(writer.width()), height_(writer.height()) {}

    double width() const { return width_; }
    double height() const { return height_; }
    double pt(double points) const { return points * kResolution / 72.0; }
    // The text's lines, broken at blanks only: a word such as "e-mail" is never split, so the
    // text reads back from the PDF exactly as written.
    QStringList lines(const QString& text, const QFont& f) const {
        const QFontMetricsF metrics(f, &writer_);
        QStringList out;
        QString line;
        for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString longer = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (!line.isEmpty() && metrics.horizontalAdvance(longer) > width_) {
                out << line;
                line = word;
            } else {
                line = longer;
            }
        }
        if (!line.isEmpty()) out << line;
        return out;
    }
    double textHeight(const QString& text, const QFont& f) const {
        return double(lines(text, f).size()) * lineHeight(f);
    }
    // Draws the text's lines from the top-left corner; alignment left or centred.
    void drawLines(QPainter& p, double y, const QString& text, const QFont& f,
                   Qt::Alignment align = Qt::AlignLeft) const {
        const double h = lineHeight(f);
        p.setFont(f);
        for (const QString& line : lines(text, f)) {
            p.drawText(QRectF(0, y, width_, h), int(align | Qt::AlignVCenter), line);
            y += h;
        }
    }
    double lineHeight(const QFont& f) const { return QFontMetricsF(f, &writer_).lineSpacing(); }
    // Footer space kept free at the bottom of every page.
    double bodyBottom() const { return height_ - pt(28); }

private:
    QPdfWriter& writer_;
    double width_, height_;
};

const QFont kChapterFont = font(20, true);
const QFont kHeadingFont = font(12, true);
const QFont kTextFont = font(10.5);
const QFont kTocChapterFont = font(11, true);
const QFont kTocFont = font(9.5);

// The body's chapters, each on a new page from page 0 of the body.
std::vector<LaidChapter> layOutBody(const GuideLayout& g, int& pages) {
    std::vector<LaidChapter> chapters;
    const auto& all = generalParagraphs();
    int page = -1;
    double y = 0;
    for (const HelpChapter& chapter : helpChapters()) {
        LaidChapter laid{fromStd(chapter.name), {++page, 0}, {}};
        y = g.textHeight(laid.name, kChapterFont) + g.pt(30);
        for (int n = chapter.first; n <= chapter.last; ++n) {
            const HelpParagraph& p = all[std::size_t(n - 1)];
            LaidParagraph lp;
            lp.number = n;
            lp.heading = QStringLiteral("%1. %2").arg(n).arg(fromStd(p.heading));
            lp.text = fromStd(p.text);
            lp.headingHeight = g.textHeight(lp.heading, kHeadingFont);
            lp.textHeight = g.textHeight(lp.text, kTextFont);
            // a paragraph is never split: it starts a new page when it does not fit
            if (y + lp.headingHeight + g.pt(4) + lp.textHeight > g.bodyBottom()) {
                ++page;
                y = 0;
            }
            lp.at = {page, y};
            y += lp.headingHeight + g.pt(4) + lp.textHeight + g.pt(14);
            laid.paragraphs.push_back(std::move(lp));
        }
        chapters.push_back(std::move(laid));
    }
    pages = page + 1;
    return chapters;
}

struct TocLine {
    QString text;
    int targetPage = 0;
    bool chapter = false;
    Place at;
};

std::vector<TocLine> layOutContents(const GuideLayout& g, const std::vector<LaidChapter>& chapters,
                                    int firstBodyPage, int& pages) {
    std::vector<TocLine> lines;
    for (const LaidChapter& c : chapters) {
        lines.push_back({c.name, firstBodyPage + c.at.page, true, {}});
        for (const LaidParagraph& p : c.paragraphs)
            lines.push_back({p.heading, firstBodyPage + p.at.page, false, {}});
    }
    int page = 0;
    double y = g.textHeight(QStringLiteral("Indice"), kChapterFont) + g.pt(24);
    for (TocLine& line : lines) {
        const double h =
            g.lineHeight(line.chapter ? kTocChapterFont : kTocFont) + (line.chapter ? g.pt(8) : g.pt(2));
        if (y + h > g.bodyBottom()) {
            ++page;
            y = 0;
        }
        if (line.chapter) y += g.pt(6);
        line.at = {page, y};
        y += h;
    }
    pages = page + 1;
    return lines;
}

void drawFooter(QPainter& p, const GuideLayout& g, int page) {
    p.setPen(QPen(kGold, g.pt(1)));
    p.drawLine(QPointF(0, g.height() - g.pt(18)), QPointF(g.width(), g.height() - g.pt(18)));
    p.setPen(Qt::darkGray);
    p.setFont(font(8));
    const QRectF band(0, g.height() - g.pt(14), g.width(), g.pt(14));
    p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Custovia - ") + kGuideTitle);
    p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(page + 1));
}

void drawTitlePage(QPainter& p, const GuideLayout& g) {
    QSvgRenderer logo(QStringLiteral(":/templates/pictures/logo.svg"));
    const double logoWidth = g.width() * 0.75;
    const QSizeF size = QSizeF(logo.defaultSize()).scaled(QSizeF(logoWidth, 1e9), Qt::KeepAspectRatio);
    logo.render(&p, QRectF((g.width() - size.width()) / 2, g.height() * 0.18, size.width(), size.height()));
    double y = g.height() * 0.18 + size.height() + g.pt(40);
    p.setPen(QPen(kGold, g.pt(3)));
    p.drawLine(QPointF(g.width() * 0.2, y), QPointF(g.width() * 0.8, y));
    y += g.pt(30);
    p.setPen(kBlue);
    g.drawLines(p, y, kGuideTitle, font(26, true), Qt::AlignHCenter);
    y += g.textHeight(kGuideTitle, font(26, true)) + g.pt(16);
    p.setPen(Qt::darkGray);
    p.setFont(font(13));
    p.drawText(QRectF(0, y, g.width(), g.pt(60)), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Il gestionale per gli istituti di vigilanza privata"));
    p.setFont(font(10));
    p.drawText(QRectF(0, g.height() - g.pt(60), g.width(), g.pt(40)), Qt::AlignHCenter | Qt::TextWordWrap,
               QStringLiteral("Contratti - Emergenze - Dipendenti - Clienti - Appuntamenti"));
}

void drawContents(QPainter& p, const GuideLayout& g, const std::vector<TocLine>& lines, int firstPage,
                  QPdfWriter& writer) {
    int page = 0;
    p.setPen(kBlue);
    p.setFont(kChapterFont);
    p.drawText(QRectF(0, 0, g.width(), g.pt(40)), Qt::AlignLeft | Qt::AlignTop, QStringLiteral("Indice"));
    for (const TocLine& line : lines) {
        if (line.at.page != page) {
            drawFooter(p, g, firstPage + page);
            writer.newPage();
            page = line.at.page;
        }
        const QFont& f = line.chapter ? kTocChapterFont : kTocFont;
        const double indent = line.chapter ? 0 : g.pt(14);
        const QString number = QString::number(line.targetPage + 1);
        const QFontMetricsF metrics(f, &writer);
        const double h = metrics.lineSpacing();
        p.setFont(f);
        p.setPen(line.chapter ? kBlue : Qt::black);
        const QRectF row(indent, line.at.y, g.width() - indent, h);
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, line.text);
        p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, number);
        // a dotted leader between the text and its page number
        const double from = indent + metrics.horizontalAdvance(line.text) + g.pt(4);
        const double to = g.width() - metrics.horizontalAdvance(number) - g.pt(4);
        if (to > from) {
            p.setPen(QPen(Qt::gray, g.pt(0.6), Qt::DotLine));
            p.drawLine(QPointF(from, line.at.y + h * 0.75), QPointF(to, line.at.y + h * 0.75));
        }
    }
    drawFooter(p, g, firstPage + page);
}

void drawBody(QPainter& p, const GuideLayout& g, const std::vector<LaidChapter>& chapters, int firstPage,
              QPdfWriter& writer) {
    int page = -1;
    for (const LaidChapter& c : chapters) {
        for (int next = c.at.page; page < next;) {
            if (page >= 0) drawFooter(p, g, firstPage + page);
            writer.newPage();
            ++page;
        }
        p.setPen(kBlue);
        const double h = g.textHeight(c.name, kChapterFont);
        g.drawLines(p, 0, c.name, kChapterFont);
        p.setPen(QPen(kGold, g.pt(2.5)));
        p.drawLine(QPointF(0, h + g.pt(8)), QPointF(g.width() * 0.3, h + g.pt(8)));
        for (const LaidParagraph& lp : c.paragraphs) {
            if (lp.at.page != page) {
                drawFooter(p, g, firstPage + page);
                writer.newPage();
                page = lp.at.page;
            }
            p.setPen(kBlue);
            g.drawLines(p, lp.at.y, lp.heading, kHeadingFont);
            p.setPen(Qt::black);
            g.drawLines(p, lp.at.y + lp.headingHeight + g.pt(4), lp.text, kTextFont);
        }
    }
    drawFooter(p, g, firstPage + page);
}

}  // namespace

void writeUserGuide(const QString& path) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    std::vector<OutlineEntry> outline;
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kResolution);
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
        writer.setTitle(QStringLiteral("Custovia - ") + kGuideTitle);
        writer.setCreator(QStringLiteral("Custovia"));
        const GuideLayout g(writer);

        int bodyPages = 0, tocPages = 0;
        std::vector<LaidChapter> chapters = layOutBody(g, bodyPages);
        const int tocFirst = 1;  // after the title page
        // the contents' length does not depend on the page numbers it shows
        std::vector<TocLine> toc = layOutContents(g, chapters, 0, tocPages);
        const int bodyFirst = tocFirst + tocPages;
        toc = layOutContents(g, chapters, bodyFirst, tocPages);

        QPainter painter(&writer);
        painter.setRenderHint(QPainter::Antialiasing);
        drawTitlePage(painter, g);
        writer.newPage();
        drawContents(painter, g, toc, tocFirst, writer);
        drawBody(painter, g, chapters, bodyFirst, writer);
        if (!painter.end()) throw std::runtime_error("user guide: the PDF could not be written");

        // PDF user space: points up from the bottom edge of the page
        const double pageHeight = writer.pageLayout().fullRect(QPageLayout::Point).height();
        const double marginTop = writer.pageLayout().margins(QPageLayout::Point).top();
        const auto top = [&](const Place& at) { return pageHeight - marginTop - at.y * 72.0 / kResolution; };
        outline.push_back({"Indice", tocFirst, top({0, 0}), {}});
        for (const LaidChapter& c : chapters) {
            OutlineEntry chapter{c.name.toStdString(), bodyFirst + c.at.page, top(c.at), {}};
            for (const LaidParagraph& lp : c.paragraphs)
                chapter.children.push_back(
                    {lp.heading.toStdString(), bodyFirst + lp.at.page, top(lp.at), {}});
            outline.push_back(std::move(chapter));
        }
    }
    const QByteArray bytes = buffer.data();
    const std::string pdf = withOutline(std::string(bytes.constData(), std::size_t(bytes.size())), outline);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(pdf.data(), qint64(pdf.size())) != qint64(pdf.size()) || !file.commit())
        throw std::runtime_error("user guide: cannot write " + path.toStdString());
}

}  // namespace custovia
