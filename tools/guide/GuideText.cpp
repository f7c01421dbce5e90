#include "tools/guide/GuideText.h"

#include <QFile>
#include <QRegularExpression>
#include <stdexcept>

#include "app/help.h"
#include "archive/windows/qt_text.h"

namespace custovia::guide {
namespace {

// The online help's texts, whole, by the help windows' chapters.
void addOnlineHelp(GuideChapter& c) {
    const auto& all = generalParagraphs();
    for (const HelpChapter& chapter : helpChapters()) {
        c.section(toQString(chapter.name));
        for (int n = chapter.first; n <= chapter.last; ++n) {
            const HelpParagraph& p = all[std::size_t(n - 1)];
            c.subheading(QStringLiteral("%1. %2").arg(n).arg(toQString(p.heading)))
                .paragraph(toQString(p.text));
        }
    }
}

// The lines of the form, and the marks its other readers know, found where no line of the
// form matched.
struct LinePatterns {
    QRegularExpression trailingBlanks{QStringLiteral("\\s+$")};
    QRegularExpression step{QStringLiteral("^(\\d+)\\. (.*)$")};
    QRegularExpression picture{QStringLiteral("^!\\[(.+)\\]\\(([\\w-]+)\\)$")};
    QRegularExpression insertion{QStringLiteral("^\\{\\{([\\w -]+)\\}\\}$")};
    QRegularExpression strayMark{QStringLiteral("^(([-*+]|\\d+\\.)(\\s|$)|>|#)")};
};

const LinePatterns& linePatterns() {
    static const LinePatterns patterns;
    return patterns;
}

// Reads the text a line at a time, keeping the chapter and the list being written.
class GuideReader {
public:
    GuideReader(const GuideInsertions& insertions, const QString& source)
        : insertions_(insertions), source_(source) {}

    void read(const QString& line) {
        ++number_;
        line_ = line;
        const QString text = QString(line).remove(linePatterns().trailingBlanks);
        const Kind kind = kindOf(text);
        if (kind != Kind::Blank && kind != Kind::Remark) {
            if (kind != Kind::Chapter && chapters_.empty()) fail("text before the first chapter");
            if (text.count(QLatin1String("**")) % 2 != 0) fail("a bold mark (**) left open");
        }
        // a paragraph, an item or a note is one line: a line right under it that the form's
        // other readers would take as more of it needs a blank line between them
        const bool underText = previous_ == Kind::Paragraph || previous_ == Kind::Step ||
                               previous_ == Kind::Bullet || previous_ == Kind::Note;
        const bool joins = kind == Kind::Paragraph || kind == Kind::Picture || kind == Kind::Insertion ||
                           (kind == Kind::Note && previous_ == Kind::Note);
        if (underText && joins) fail("a blank line must come before this line");
        if (kind != Kind::Step && kind != Kind::Bullet) list_ = nullptr;
        switch (kind) {
            case Kind::Blank:
            case Kind::Remark:
                break;
            case Kind::Chapter:
                chapters_.push_back({words(text.mid(2)), {}});
                break;
            case Kind::Section:
                chapter().section(words(text.mid(3)));
                break;
            case Kind::Subheading:
                chapter().subheading(words(text.mid(4)));
                break;
            case Kind::Step:
                step(text);
                break;
            case Kind::Bullet:
                item(GuideBlock::Kind::Bullets, words(text.mid(2)));
                break;
            case Kind::Note:
                chapter().note(words(text.mid(2)));
                break;
            case Kind::Picture:
                picture(text);
                break;
            case Kind::Insertion:
                insert(text);
                break;
            case Kind::Paragraph:
                chapter().paragraph(text);
                break;
        }
        previous_ = kind;
    }

    std::vector<GuideChapter> chapters() {
        if (chapters_.empty()) throw std::runtime_error(source_.toStdString() + ": no chapter");
        return std::move(chapters_);
    }

private:
    enum class Kind {
        Blank,
        Remark,
        Chapter,
        Section,
        Subheading,
        Step,
        Bullet,
        Note,
        Picture,
        Insertion,
        Paragraph
    };

    // What a line is, by its first characters; a line that starts like a mark but is not one
    // is a mistake, not a paragraph.
    Kind kindOf(const QString& text) const {
        const auto starts = [&](const char* mark) { return text.startsWith(QLatin1String(mark)); };
        if (text.isEmpty()) return Kind::Blank;
        if (text.front().isSpace()) fail("a line must not start with a blank");
        if (starts("<!--")) {
            if (!text.endsWith(QLatin1String("-->"))) fail("a remark must end on its line");
            return Kind::Remark;
        }
        if (starts("# ")) return Kind::Chapter;
        if (starts("## ")) return Kind::Section;
        if (starts("### ")) return Kind::Subheading;
        if (starts("- ")) return Kind::Bullet;
        if (starts("> ")) return Kind::Note;
        if (starts("![")) return Kind::Picture;
        if (starts("{{")) return Kind::Insertion;
        if (text.contains(linePatterns().step)) return Kind::Step;
        if (text.contains(linePatterns().strayMark))
            fail("a mark is \"# \", \"## \", \"### \", \"1. \", \"- \" or \"> \" and its text");
        return Kind::Paragraph;
    }

    GuideChapter& chapter() { return chapters_.back(); }

    // The line's text after its mark.
    QString words(const QString& rest) const {
        if (rest.isEmpty() || rest.front().isSpace()) fail("one blank after the mark, then the text");
        return rest;
    }

    void step(const QString& text) {
        const QRegularExpressionMatch m = linePatterns().step.match(text);
        const int expected =
            list_ && list_->kind == GuideBlock::Kind::Steps ? int(list_->items.size()) + 1 : 1;
        if (m.captured(1).toInt() != expected)
            fail(QStringLiteral("step %1 where step %2 was due").arg(m.captured(1)).arg(expected));
        item(GuideBlock::Kind::Steps, words(m.captured(2)));
    }

    void item(GuideBlock::Kind kind, const QString& text) {
        if (list_ && list_->kind != kind) fail("steps and bullets in one list");
        if (!list_) {
            chapter().blocks.push_back({kind, {}, {}});
            list_ = &chapter().blocks.back();
        }
        list_->items.push_back(text);
    }

    void picture(const QString& text) {
        const QRegularExpressionMatch m = linePatterns().picture.match(text);
        if (!m.hasMatch()) fail("a picture is ![caption](name)");
        chapter().picture(m.captured(2), m.captured(1));
    }

    void insert(const QString& text) {
        const QRegularExpressionMatch m = linePatterns().insertion.match(text);
        const auto found = m.hasMatch() ? insertions_.find(m.captured(1)) : insertions_.end();
        if (found == insertions_.end()) fail("no such insertion");
        found->second(chapter());
    }

    [[noreturn]] void fail(const QString& why) const {
        throw std::runtime_error(
            QStringLiteral("%1:%2: %3: \"%4\"").arg(source_).arg(number_).arg(why, line_).toStdString());
    }

    const GuideInsertions& insertions_;
    QString source_;
    std::vector<GuideChapter> chapters_;
    GuideBlock* list_ = nullptr;  // the steps or bullets the next item joins
    Kind previous_ = Kind::Blank;
    int number_ = 0;
    QString line_;
};

}  // namespace

std::vector<GuideChapter> readGuideText(const QString& text, const GuideInsertions& insertions,
                                        const QString& source) {
    GuideReader reader(insertions, source);
    QStringList lines = text.split(QLatin1Char('\n'));
    if (text.endsWith(QLatin1Char('\n'))) lines.removeLast();
    for (const QString& line : lines) reader.read(line);
    return reader.chapters();
}

std::vector<GuideChapter> guideChapters() {
    QFile file(QStringLiteral(":/guide/Guida.md"));
    if (!file.open(QIODevice::ReadOnly)) throw std::runtime_error("guide: Guida.md is not built in");
    return readGuideText(QString::fromUtf8(file.readAll()), {{QStringLiteral("online-help"), addOnlineHelp}},
                         QStringLiteral("Guida.md"));
}

const std::vector<QString>& workAreaChapterTitles() {
    static const std::vector<QString> titles{
        QStringLiteral("Coordinamento Emergenze"), QStringLiteral("Clienti e Servizi"),
        QStringLiteral("Archivio Dipendenti"),     QStringLiteral("Agenda Appuntamenti"),
        QStringLiteral("Schedario Appuntamenti"),  QStringLiteral("Stesura Contratti"),
    };
    return titles;
}

}  // namespace custovia::guide
