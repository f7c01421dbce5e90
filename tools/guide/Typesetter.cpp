#include "tools/guide/Typesetter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <functional>
#include <stdexcept>

#include "tools/guide/PdfNavigation.h"
#include "archive/windows/qt_text.h"

namespace custovia::guide {
namespace {

constexpr int kDpi = 300;  // device units per inch
constexpr double kMarginMm = 20;
// One screen point of a window on paper: every picture shares the scale, so the windows'
// texts read alike in all of them.
constexpr double kPictureMmPerPoint = 0.15;
// No picture takes more of a page than this, so that a page never stays less than a third
// full for want of room for the picture after it.
constexpr double kPictureShare = 0.58;

double pt(double points) { return points * kDpi / 72.0; }
double mm(double millimetres) { return millimetres * kDpi / 25.4; }

const QColor kBlue(0x1F, 0x3F, 0x66);
const QColor kGold(0xF2, 0xB6, 0x32);
const QColor kNoteFill(0xFD, 0xF6, 0xE3);
const QColor kGrey(0x55, 0x55, 0x55);

QFont font(double points, bool bold = false, bool italic = false) {
    QFont f(QStringLiteral("Verdana"), -1, bold ? QFont::Bold : QFont::Normal, italic);
    f.setPointSizeF(points);
    // a letter spacing too small to see keeps ligatures out, so "fi" reads and copies as two
    // letters in every PDF reader
    f.setLetterSpacing(QFont::AbsoluteSpacing, 0.02);
    return f;
}

const QFont kChapterFont = font(22, true);
const QFont kChapterLabelFont = font(11, true);
const QFont kSectionFont = font(13.5, true);
const QFont kSubheadingFont = font(10.5, true);
const QFont kTextFont = font(10.5);
const QFont kTextBoldFont = font(10.5, true);
const QFont kCaptionFont = font(8.5, false, true);
const QFont kTocChapterFont = font(11, true);
const QFont kTocFont = font(10);
const QFont kFooterFont = font(8);

using Paint = std::function<void(QPainter&)>;

// A piece of a word in one style; a word may mix them ("**Salva**,").
struct Piece {
    QString text;
    bool bold = false;
};
using Word = std::vector<Piece>;
using Line = std::vector<Word>;

// Where something was put: a page of the whole guide (0-based) and a height on it, in device
// units from the top of the printable area.
struct Place {
    int page = 0;
    double y = 0;
};

// Measures text on the PDF writer: the font metrics of the device the guide is painted on.
class Measure {
public:
    explicit Measure(QPdfWriter& writer)
        : writer_(writer), width_(writer.width()), height_(writer.height()) {}

    double width() const { return width_; }
    double height() const { return height_; }
    // Footer space kept free at the bottom of every page.
    double bodyBottom() const { return height_ - pt(28); }
    double advance(const QString& text, const QFont& f) const {
        return QFontMetricsF(f, &writer_).horizontalAdvance(text);
    }
    double lineSpacing(const QFont& f) const { return QFontMetricsF(f, &writer_).lineSpacing(); }
    double ascent(const QFont& f) const { return QFontMetricsF(f, &writer_).ascent(); }

    // The words of a text with its **bold** marks.
    static std::vector<Word> words(const QString& text) {
        std::vector<Word> out;
        Word word;
        bool bold = false;
        QString piece;
        const auto endPiece = [&] {
            if (!piece.isEmpty()) word.push_back({piece, bold});
            piece.clear();
        };
        const auto endWord = [&] {
            endPiece();
            if (!word.empty()) out.push_back(std::move(word));
            word.clear();
        };
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.mid(i, 2) == QLatin1String("**")) {
                endPiece();
                bold = !bold;
                ++i;
            } else if (text[i] == QLatin1Char(' ')) {
                endWord();
            } else {
                piece += text[i];
            }
        }
        endWord();
        return out;
    }
    double wordWidth(const Word& w, const QFont& regular, const QFont& bold) const {
        double x = 0;
        for (const Piece& p : w) x += advance(p.text, p.bold ? bold : regular);
        return x;
    }
    double lineWidth(const Line& line, const QFont& regular, const QFont& bold) const {
        double x = 0;
        for (const Word& w : line)
            x += (x == 0 ? 0 : advance(QStringLiteral(" "), regular)) + wordWidth(w, regular, bold);
        return x;
    }
    // The text broken into lines no wider than `width`, at blanks only: a word such as
    // "e-mail" is never split, so the text reads back from the PDF as written.
    std::vector<Line> lines(const QString& text, double width, const QFont& regular,
                            const QFont& bold) const {
        std::vector<Line> out;
        Line line;
        double used = 0;
        const double space = advance(QStringLiteral(" "), regular);
        for (Word& w : words(text)) {
            const double ww = wordWidth(w, regular, bold);
            if (!line.empty() && used + space + ww > width) {
                out.push_back(std::move(line));
                line.clear();
                used = 0;
            }
            used += (line.empty() ? 0 : space) + ww;
            line.push_back(std::move(w));
        }
        if (!line.empty()) out.push_back(std::move(line));
        return out;
    }
    // Paints a line with its top at (x, y).
    void drawLine(QPainter& p, const Line& line, double x, double y, const QFont& regular,
                  const QFont& bold) const {
        const double baseline = y + ascent(regular);
        const double space = advance(QStringLiteral(" "), regular);
        for (const Word& w : line) {
            for (const Piece& piece : w) {
                const QFont& f = piece.bold ? bold : regular;
                p.setFont(f);
                p.drawText(QPointF(x, baseline), piece.text);
                x += advance(piece.text, f);
            }
            x += space;
        }
    }
    // The lines of a plain text (no bold marks) of one font.
    std::vector<Line> plainLines(const QString& text, double width, const QFont& f) const {
        return lines(QString(text).replace(QLatin1String("**"), QString()), width, f, f);
    }

private:
    QPdfWriter& writer_;
    double width_, height_;
};

// One line of a block as the flow places it: its height, the room before it (dropped at the
// top of a page) and how to paint it once its top is known.
struct LineBox {
    double height = 0;
    double gapBefore = 0;
    std::function<void(QPainter&, double y)> paint;
};

struct SectionEntry {
    QString title;
    Place at;
};

struct ChapterEntry {
    QString title;  // "3. Clienti e Servizi"
    Place at;
    std::vector<SectionEntry> sections;
};

struct IndexEntry {
    QString windowTitle;
    int chapter = 0;  // its number
    QString chapterTitle;
    Place at;  // the picture's top
};

// A link on a page, in device units of that page's printable area, to a place.
struct Link {
    int page = 0;
    QRectF rect;
    Place to;
};

// Places blocks one after the other on pages, breaking pages where they are full.
class Flow {
public:
    Flow(const Measure& m, std::vector<std::vector<Paint>>& pages, int firstPage)
        : m_(m), pages_(pages), first_(firstPage) {}

    int page() const { return first_ + int(pages_.size()) - 1; }
    double y() const { return y_; }
    double room() const { return m_.bodyBottom() - y_; }
    bool atTop() const { return y_ == 0; }
    // The share of the page's body filled so far.
    double filled() const { return y_ / m_.bodyBottom(); }
    void newPage() {
        pages_.emplace_back();
        y_ = 0;
    }
    void skip(double height) {
        if (!atTop()) y_ = std::min(y_ + height, m_.bodyBottom());
    }
    // Paints at the current height and moves down.
    void put(double height, const std::function<void(QPainter&, double y)>& paint) {
        const double at = y_;
        pages_.back().push_back([paint, at](QPainter& p) { paint(p, at); });
        y_ += height;
    }
    // Lines that may break across pages, never leaving fewer than two lines of a block on
    // either side of the break (one-line and two-line blocks move whole).
    void lines(const std::vector<LineBox>& boxes) {
        std::size_t i = 0;
        while (i < boxes.size()) {
            const std::size_t left = boxes.size() - i;
            std::size_t fit = 0;
            double used = 0;
            for (std::size_t j = i; j < boxes.size(); ++j) {
                const double h = boxes[j].height + (j == i && atTop() ? 0 : boxes[j].gapBefore);
                if (used + h > room()) break;
                used += h;
                ++fit;
            }
            if (fit >= left) {
                placeLines(boxes, i, left);
                return;
            }
            // at least two lines on this page and two on the next
            std::size_t take = std::min(fit, left >= 2 ? left - 2 : 0);
            if (take < 2) {
                if (!atTop()) {
                    newPage();
                    continue;
                }
                take = std::max<std::size_t>(fit, 1);  // an empty page: it takes what fits
            }
            placeLines(boxes, i, take);
            i += take;
            newPage();
        }
    }

private:
    void placeLines(const std::vector<LineBox>& boxes, std::size_t from, std::size_t count) {
        for (std::size_t j = from; j < from + count; ++j) {
            if (!(j == from && atTop())) y_ += boxes[j].gapBefore;
            put(boxes[j].height, boxes[j].paint);
        }
    }

    const Measure& m_;
    std::vector<std::vector<Paint>>& pages_;
    int first_;
    double y_ = 0;
};

class Typesetter {
public:
    Typesetter(QPdfWriter& writer, QString title, const std::vector<GuideChapter>& chapters,
               const WindowPictures& pictures)
        : writer_(writer), m_(writer), title_(std::move(title)), chapters_(chapters), pictures_(pictures) {}

    std::string run(QBuffer& buffer) {
        // the body first: the contents' length depends only on how many lines it has
        std::vector<std::vector<Paint>> body;
        layOutChapters(body);
        const int contentsPages = contentsPageCount();
        const int bodyFirst = 1 + contentsPages;
        shiftBody(bodyFirst);
        layOutWindowIndex(body, bodyFirst);
        std::vector<std::vector<Paint>> contents;
        layOutContents(contents);
        if (int(contents.size()) != contentsPages) throw std::runtime_error("guide: the contents moved");

        QPainter painter(&writer_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        drawTitlePage(painter);
        int page = 0;
        for (auto* part : {&contents, &body}) {
            for (const auto& paints : *part) {
                writer_.newPage();
                ++page;
                for (const Paint& paint : paints) {
                    painter.save();
                    paint(painter);
                    painter.restore();
                }
                drawFooter(painter, page);
            }
        }
        if (!painter.end()) throw std::runtime_error("guide: the PDF could not be written");
        const QByteArray bytes = buffer.data();
        return withNavigation(std::string(bytes.constData(), std::size_t(bytes.size())), bookmarks(),
                              links());
    }

private:
    // ---- the chapters

    void layOutChapters(std::vector<std::vector<Paint>>& body) {
        Flow flow(m_, body, 0);
        int number = 0;
        int figure = 0;
        for (const GuideChapter& chapter : chapters_) {
            flow.newPage();
            ChapterEntry entry{
                QStringLiteral("%1. %2").arg(++number).arg(chapter.title), {flow.page(), 0}, {}};
            chapterHeading(flow, number, chapter.title);
            for (std::size_t b = 0; b < chapter.blocks.size(); ++b) {
                const GuideBlock& block = chapter.blocks[b];
                const GuideBlock* next = b + 1 < chapter.blocks.size() ? &chapter.blocks[b + 1] : nullptr;
                switch (block.kind) {
                    case GuideBlock::Kind::Section:
                        heading(flow, block.text, kSectionFont, kBlue, pt(16), pt(6), next);
                        entry.sections.push_back({block.text, {flow.page(), lastHeadingTop_}});
                        break;
                    case GuideBlock::Kind::Subheading:
                        heading(flow, block.text, kSubheadingFont, kBlue, pt(9), pt(2), next);
                        break;
                    case GuideBlock::Kind::Paragraph:
                        flow.lines(paragraphLines(block.text, 0, pt(6)));
                        break;
                    case GuideBlock::Kind::Steps:
                    case GuideBlock::Kind::Bullets:
                        flow.lines(itemLines(block.items, block.kind == GuideBlock::Kind::Steps));
                        break;
                    case GuideBlock::Kind::Note:
                        note(flow, block.text);
                        break;
                    case GuideBlock::Kind::Picture: {
                        const WindowPicture& picture = pictureFor(block.picture);
                        const Place top = picturePlace(flow, block, ++figure);
                        index_.push_back({picture.windowTitle.trimmed(), number, chapter.title, top});
                        break;
                    }
                }
            }
            chapters_laid_.push_back(std::move(entry));
        }
    }

    const WindowPicture& pictureFor(const QString& key) const {
        const auto found = pictures_.find(key);
        if (found == pictures_.end() || found->second.image.isNull())
            throw std::runtime_error("guide: no picture \"" + key.toStdString() + "\"");
        return found->second;
    }

    void chapterHeading(Flow& flow, int number, const QString& title) {
        const double label = m_.lineSpacing(kChapterLabelFont);
        flow.put(label, [=, this](QPainter& p, double y) {
            p.setPen(kGold.darker(130));
            m_.drawLine(
                p, m_.plainLines(QStringLiteral("CAPITOLO %1").arg(number), m_.width(), kChapterLabelFont)[0],
                0, y, kChapterLabelFont, kChapterLabelFont);
        });
        for (const Line& line : m_.plainLines(title, m_.width(), kChapterFont))
            flow.put(m_.lineSpacing(kChapterFont), [=, this](QPainter& p, double y) {
                p.setPen(kBlue);
                m_.drawLine(p, line, 0, y, kChapterFont, kChapterFont);
            });
        flow.put(pt(22), [=, this](QPainter& p, double y) {
            p.setPen(QPen(kGold, pt(2.5)));
            p.drawLine(QPointF(0, y + pt(7)), QPointF(m_.width() * 0.3, y + pt(7)));
        });
    }

    // The height the block after a heading needs on the heading's page.
    double firstChunk(const GuideBlock* next) const {
        if (!next) return 0;
        switch (next->kind) {
            case GuideBlock::Kind::Picture:
                return pictureHeight(*next, pictureFor(next->picture), 1.0);
            case GuideBlock::Kind::Note:
                return noteHeight(next->text);
            case GuideBlock::Kind::Section:
            case GuideBlock::Kind::Subheading:
                return 0;
            default:
                return 2 * m_.lineSpacing(kTextFont) * 1.15 + pt(6);
        }
    }

    void heading(Flow& flow, const QString& text, const QFont& f, const QColor& colour, double before,
                 double after, const GuideBlock* next) {
        const std::vector<Line> lines = m_.plainLines(text, m_.width(), f);
        const double h = double(lines.size()) * m_.lineSpacing(f);
        // a heading is kept with the start of what follows it
        if (!flow.atTop() && before + h + after + firstChunk(next) > flow.room()) flow.newPage();
        flow.skip(before);
        lastHeadingTop_ = flow.y();
        for (const Line& line : lines)
            flow.put(m_.lineSpacing(f), [=, this](QPainter& p, double y) {
                p.setPen(colour);
                m_.drawLine(p, line, 0, y, f, f);
            });
        flow.skip(after);
    }

    double textLineHeight() const { return m_.lineSpacing(kTextFont) * 1.15; }

    std::vector<LineBox> paragraphLines(const QString& text, double indent, double gap) const {
        std::vector<LineBox> boxes;
        const auto lines = m_.lines(text, m_.width() - indent, kTextFont, kTextBoldFont);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const Line line = lines[i];
            boxes.push_back({textLineHeight(), i == 0 ? gap : 0, [=, this](QPainter& p, double y) {
                                 p.setPen(Qt::black);
                                 m_.drawLine(p, line, indent, y, kTextFont, kTextBoldFont);
                             }});
        }
        return boxes;
    }

    // Numbered steps in gold discs, or items behind a small gold disc.
    std::vector<LineBox> itemLines(const QStringList& items, bool numbered) const {
        std::vector<LineBox> boxes;
        const double indent = mm(8);
        for (qsizetype n = 0; n < items.size(); ++n) {
            std::vector<LineBox> item = paragraphLines(items[n], indent, n == 0 ? pt(6) : pt(3));
            auto first = item.front().paint;
            item.front().paint = [=, this](QPainter& p, double y) {
                first(p, y);
                const double d = m_.lineSpacing(kTextFont) * (numbered ? 1.05 : 0.45);
                const double middle = y + textLineHeight() / 2 - pt(1);
                const QRectF disc(numbered ? 0 : mm(2), middle - d / 2, d, d);
                p.setPen(Qt::NoPen);
                p.setBrush(kGold);
                p.drawEllipse(disc);
                if (!numbered) return;
                p.setPen(kBlue);
                p.setFont(font(8.5, true));
                p.drawText(disc, Qt::AlignCenter, QString::number(n + 1));
            };
            boxes.insert(boxes.end(), item.begin(), item.end());
        }
        return boxes;
    }

    double noteHeight(const QString& text) const {
        const double pad = mm(3);
        return pt(8) + 2 * pad +
               double(m_.lines(text, m_.width() - mm(6) - 2 * pad, kTextFont, kTextBoldFont).size()) *
                   textLineHeight();
    }

    void note(Flow& flow, const QString& text) {
        const double pad = mm(3);
        const double h = noteHeight(text) - pt(8);
        if (!flow.atTop() && pt(8) + h > flow.room()) flow.newPage();
        flow.skip(pt(8));
        const auto lines = m_.lines(text, m_.width() - mm(6) - 2 * pad, kTextFont, kTextBoldFont);
        flow.put(h, [=, this](QPainter& p, double y) {
            p.setPen(Qt::NoPen);
            p.setBrush(kNoteFill);
            p.drawRect(QRectF(0, y, m_.width(), h));
            p.setBrush(kGold);
            p.drawRect(QRectF(0, y, mm(1.5), h));
            p.setPen(Qt::black);
            double ly = y + pad;
            for (const Line& line : lines) {
                m_.drawLine(p, line, mm(6) + pad - mm(3), ly, kTextFont, kTextBoldFont);
                ly += textLineHeight();
            }
        });
    }

    // The picture's size on paper at a scale (1: the guide's usual scale, capped by the page).
    QSizeF pictureSize(const WindowPicture& picture, double scale) const {
        const QSizeF points = picture.image.deviceIndependentSize();
        QSizeF size = points * mm(kPictureMmPerPoint) * scale;
        const double maxHeight = m_.bodyBottom() * kPictureShare;
        if (size.width() > m_.width()) size *= m_.width() / size.width();
        if (size.height() > maxHeight) size *= maxHeight / size.height();
        return size;
    }
    double captionHeight(const QString& caption, int figure) const {
        return double(m_.plainLines(captionText(caption, figure), m_.width(), kCaptionFont).size()) *
               m_.lineSpacing(kCaptionFont);
    }
    static QString captionText(const QString& caption, int figure) {
        return QStringLiteral("Figura %1 - %2").arg(figure).arg(caption);
    }
    double pictureHeight(const GuideBlock& block, const WindowPicture& picture, double scale) const {
        return pt(10) + pictureSize(picture, scale).height() + pt(5) + captionHeight(block.text, 99) + pt(6);
    }

    Place picturePlace(Flow& flow, const GuideBlock& block, int figure) {
        const WindowPicture& picture = pictureFor(block.picture);
        double scale = 1.0;
        if (pictureHeight(block, picture, 1.0) > flow.room() && !flow.atTop()) {
            // a page less than a third full keeps the picture, made smaller to fit
            const double fixed = pictureHeight(block, picture, 1.0) - pictureSize(picture, 1.0).height();
            const double shrink = (flow.room() - fixed) / pictureSize(picture, 1.0).height();
            if (flow.filled() < 1.0 / 3 && shrink >= 0.5)
                scale = shrink;
            else
                flow.newPage();
        }
        flow.skip(pt(10));
        const QSizeF size = pictureSize(picture, scale);
        const Place top{flow.page(), flow.y()};
        const QImage image = picture.image;
        flow.put(size.height(), [=, this](QPainter& p, double y) {
            const QRectF at((m_.width() - size.width()) / 2, y, size.width(), size.height());
            p.drawImage(at, image);
            p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), pt(0.5)));
            p.setBrush(Qt::NoBrush);
            p.drawRect(at);
        });
        flow.skip(pt(5));
        for (const Line& line : m_.plainLines(captionText(block.text, figure), m_.width(), kCaptionFont))
            flow.put(m_.lineSpacing(kCaptionFont), [=, this](QPainter& p, double y) {
                p.setPen(kGrey);
                const double w = m_.lineWidth(line, kCaptionFont, kCaptionFont);
                m_.drawLine(p, line, (m_.width() - w) / 2, y, kCaptionFont, kCaptionFont);
            });
        flow.skip(pt(6));
        return top;
    }

    // ---- the page numbers known, the parts that name them

    void shiftBody(int bodyFirst) {
        for (ChapterEntry& c : chapters_laid_) {
            c.at.page += bodyFirst;
            for (SectionEntry& s : c.sections) s.at.page += bodyFirst;
        }
        for (IndexEntry& e : index_) e.at.page += bodyFirst;
    }

    static QString indexTitle() { return QStringLiteral("Indice delle finestre"); }

    // Window title -> chapter and page, in alphabetical order, one line per window and chapter.
    void layOutWindowIndex(std::vector<std::vector<Paint>>& body, int bodyFirst) {
        std::vector<IndexEntry> lines;
        for (const IndexEntry& e : index_) {
            const bool known = std::any_of(lines.begin(), lines.end(), [&](const IndexEntry& l) {
                return l.windowTitle == e.windowTitle && l.chapter == e.chapter;
            });
            if (!known) lines.push_back(e);
        }
        std::stable_sort(lines.begin(), lines.end(), [](const IndexEntry& a, const IndexEntry& b) {
            return QString::localeAwareCompare(a.windowTitle.trimmed(), b.windowTitle.trimmed()) < 0;
        });
        Flow flow(m_, body, bodyFirst);  // carries on after the body's last page
        flow.newPage();
        const int number = int(chapters_laid_.size()) + 1;
        index_chapter_ = {QStringLiteral("%1. %2").arg(number).arg(indexTitle()), {flow.page(), 0}, {}};
        chapterHeading(flow, number, indexTitle());
        flow.lines(paragraphLines(
            QStringLiteral(
                "Ogni finestra mostrata in questa guida, con il titolo che porta sullo schermo, il "
                "capitolo e la pagina in cui compare. Basta un clic su una riga per raggiungerla."),
            0, 0));
        flow.skip(pt(10));
        for (const IndexEntry& e : lines) {
            std::vector<LineBox> boxes;
            const double h1 = m_.lineSpacing(kTocChapterFont), h2 = m_.lineSpacing(kTocFont) + pt(5);
            boxes.push_back({h1, pt(3), [=, this](QPainter& p, double y) {
                                 p.setPen(kBlue);
                                 p.setFont(kTocChapterFont);
                                 p.drawText(QRectF(0, y, m_.width(), h1), Qt::AlignLeft | Qt::AlignVCenter,
                                            e.windowTitle);
                             }});
            boxes.push_back({h2, 0, [=, this](QPainter& p, double y) {
                                 dottedLine(
                                     p, y, mm(6),
                                     QStringLiteral("Capitolo %1 - %2").arg(e.chapter).arg(e.chapterTitle),
                                     QStringLiteral("pag. %1").arg(e.at.page + 1), kTocFont, Qt::black);
                             }});
            // the two lines of an entry stay together
            if (h1 + h2 + pt(3) > flow.room()) flow.newPage();
            const Place from{flow.page(), flow.y() + (flow.atTop() ? 0 : pt(3))};
            flow.lines(boxes);
            links_.push_back({from.page, QRectF(0, from.y, m_.width(), flow.y() - from.y), e.at});
        }
    }

    // A line with its text on the left, its page on the right and dots between them.
    void dottedLine(QPainter& p, double y, double indent, const QString& text, const QString& page,
                    const QFont& f, const QColor& colour) const {
        const double h = m_.lineSpacing(f);
        p.setFont(f);
        p.setPen(colour);
        const QRectF row(indent, y, m_.width() - indent, h);
        p.drawText(row, Qt::AlignLeft | Qt::AlignVCenter, text);
        p.drawText(row, Qt::AlignRight | Qt::AlignVCenter, page);
        const double from = indent + m_.advance(text, f) + pt(4);
        const double to = m_.width() - m_.advance(page, f) - pt(4);
        if (to > from) {
            p.setPen(QPen(Qt::gray, pt(0.6), Qt::DotLine));
            p.drawLine(QPointF(from, y + h * 0.75), QPointF(to, y + h * 0.75));
        }
    }

    struct ContentsLine {
        QString text;
        bool chapter = false;
        Place to;
    };
    std::vector<ContentsLine> contentsLines() const {
        std::vector<ContentsLine> out;
        for (const ChapterEntry& c : chapters_laid_) {
            out.push_back({c.title, true, c.at});
            for (const SectionEntry& s : c.sections) out.push_back({s.title, false, s.at});
        }
        out.push_back({index_chapter_.title, true, index_chapter_.at});
        return out;
    }
    double contentsLineHeight(bool chapter) const {
        return chapter ? m_.lineSpacing(kTocChapterFont) + pt(4) : m_.lineSpacing(kTocFont) + pt(2.5);
    }
    double contentsGap(bool chapter) const { return chapter ? pt(7) : 0; }
    double contentsTop() const { return m_.lineSpacing(kChapterFont) + pt(24); }

    int contentsPageCount() const {
        int pages = 1;
        double y = contentsTop();
        for (const ContentsLine& line : contentsLines()) {
            const double h = contentsGap(line.chapter) + contentsLineHeight(line.chapter);
            if (y + h > m_.bodyBottom()) {
                ++pages;
                y = 0;
            }
            y += h;
        }
        return pages;
    }

    void layOutContents(std::vector<std::vector<Paint>>& contents) {
        Flow flow(m_, contents, 1);
        flow.newPage();
        const Place top{1, 0};
        contentsPlace_ = top;
        flow.put(contentsTop(), [this](QPainter& p, double y) {
            p.setPen(kBlue);
            m_.drawLine(p, m_.plainLines(QStringLiteral("Indice"), m_.width(), kChapterFont)[0], 0, y,
                        kChapterFont, kChapterFont);
            p.setPen(QPen(kGold, pt(2.5)));
            p.drawLine(QPointF(0, y + m_.lineSpacing(kChapterFont) + pt(7)),
                       QPointF(m_.width() * 0.3, y + m_.lineSpacing(kChapterFont) + pt(7)));
        });
        for (const ContentsLine& line : contentsLines()) {
            const double h = contentsLineHeight(line.chapter);
            if (contentsGap(line.chapter) + h > flow.room()) flow.newPage();
            flow.skip(contentsGap(line.chapter));
            links_.push_back({flow.page(), QRectF(0, flow.y(), m_.width(), h), line.to});
            flow.put(h, [=, this](QPainter& p, double y) {
                dottedLine(p, y, line.chapter ? 0 : mm(7), line.text, QString::number(line.to.page + 1),
                           line.chapter ? kTocChapterFont : kTocFont, line.chapter ? kBlue : Qt::black);
            });
        }
    }

    // ---- the title page, the footers, the PDF's own navigation

    void drawTitlePage(QPainter& p) const {
        QSvgRenderer logo(pictureResource("logo"));
        const double logoWidth = m_.width() * 0.75;
        const QSizeF size = QSizeF(logo.defaultSize()).scaled(QSizeF(logoWidth, 1e9), Qt::KeepAspectRatio);
        logo.render(&p,
                    QRectF((m_.width() - size.width()) / 2, m_.height() * 0.16, size.width(), size.height()));
        double y = m_.height() * 0.16 + size.height() + pt(40);
        p.setPen(QPen(kGold, pt(3)));
        p.drawLine(QPointF(m_.width() * 0.2, y), QPointF(m_.width() * 0.8, y));
        y += pt(30);
        p.setPen(kBlue);
        const QFont big = font(26, true);
        for (const Line& line : m_.plainLines(title_, m_.width(), big)) {
            m_.drawLine(p, line, (m_.width() - m_.lineWidth(line, big, big)) / 2, y, big, big);
            y += m_.lineSpacing(big);
        }
        y += pt(16);
        p.setPen(kGrey);
        p.setFont(font(13));
        p.drawText(QRectF(0, y, m_.width(), pt(60)), Qt::AlignHCenter | Qt::TextWordWrap,
                   QStringLiteral("Il gestionale per gli istituti di vigilanza privata"));
        p.setFont(font(10));
        p.drawText(QRectF(0, m_.height() - pt(60), m_.width(), pt(40)), Qt::AlignHCenter | Qt::TextWordWrap,
                   QStringLiteral("Contratti - Emergenze - Dipendenti - Clienti - Appuntamenti"));
    }

    void drawFooter(QPainter& p, int page) const {
        p.setPen(QPen(kGold, pt(1)));
        p.drawLine(QPointF(0, m_.height() - pt(18)), QPointF(m_.width(), m_.height() - pt(18)));
        p.setPen(Qt::darkGray);
        p.setFont(kFooterFont);
        const QRectF band(0, m_.height() - pt(14), m_.width(), pt(14));
        p.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Custovia - ") + title_);
        p.drawText(band, Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Pagina %1").arg(page + 1));
    }

    // PDF user space: points up from the bottom edge of the page.
    double pdfY(double y) const {
        const double pageHeight = writer_.pageLayout().fullRect(QPageLayout::Point).height();
        const double marginTop = writer_.pageLayout().margins(QPageLayout::Point).top();
        return pageHeight - marginTop - y * 72.0 / kDpi;
    }
    double pdfX(double x) const {
        return writer_.pageLayout().margins(QPageLayout::Point).left() + x * 72.0 / kDpi;
    }
    PdfPlace pdfPlace(const Place& at) const { return {at.page, pdfY(std::max(0.0, at.y - pt(6)))}; }

    std::vector<PdfBookmark> bookmarks() const {
        std::vector<PdfBookmark> out{{"Indice", pdfPlace(contentsPlace_), {}}};
        for (const ChapterEntry& c : chapters_laid_) {
            PdfBookmark chapter{c.title.toStdString(), pdfPlace(c.at), {}};
            for (const SectionEntry& s : c.sections)
                chapter.children.push_back({s.title.toStdString(), pdfPlace(s.at), {}});
            out.push_back(std::move(chapter));
        }
        out.push_back({index_chapter_.title.toStdString(), pdfPlace(index_chapter_.at), {}});
        return out;
    }

    std::vector<PdfLink> links() const {
        std::vector<PdfLink> out;
        for (const Link& l : links_)
            out.push_back({l.page, pdfX(l.rect.left()), pdfY(l.rect.bottom()), pdfX(l.rect.right()),
                           pdfY(l.rect.top()), pdfPlace(l.to)});
        return out;
    }

    QPdfWriter& writer_;
    Measure m_;
    QString title_;
    const std::vector<GuideChapter>& chapters_;
    const WindowPictures& pictures_;
    std::vector<ChapterEntry> chapters_laid_;
    ChapterEntry index_chapter_;
    std::vector<IndexEntry> index_;
    std::vector<Link> links_;
    Place contentsPlace_;
    double lastHeadingTop_ = 0;
};

}  // namespace

std::string typesetGuide(const QString& title, const std::vector<GuideChapter>& chapters,
                         const WindowPictures& pictures) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Custovia - ") + title);
    writer.setCreator(QStringLiteral("Custovia"));
    return Typesetter(writer, title, chapters, pictures).run(buffer);
}

}  // namespace custovia::guide
