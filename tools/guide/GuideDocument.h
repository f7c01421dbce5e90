#pragma once
// What the guide says, as the builder hands it to the typesetter: chapters of sections,
// paragraphs, numbered steps, notes and pictures of the program's windows. In the texts,
// **two asterisks** around words set them in bold (the names of buttons and boxes).
#include <QImage>
#include <QString>
#include <QStringList>
#include <map>
#include <vector>

namespace custovia::guide {

struct GuideBlock {
    enum class Kind {
        Section,     // a titled section: in the contents and the bookmarks
        Subheading,  // a small heading kept with the paragraph after it
        Paragraph,
        Steps,    // numbered steps, one per item
        Bullets,  // a list whose items have no order
        Note,     // a framed remark
        Picture,  // a window's picture, with a caption
    };
    Kind kind = Kind::Paragraph;
    QString text;       // the title, the paragraph, the note or the picture's caption
    QStringList items;  // the steps
    QString picture{};  // the picture's key
};

struct GuideChapter {
    QString title;
    std::vector<GuideBlock> blocks;

    GuideChapter& section(const QString& title) { return add({GuideBlock::Kind::Section, title, {}}); }
    GuideChapter& subheading(const QString& text) { return add({GuideBlock::Kind::Subheading, text, {}}); }
    GuideChapter& paragraph(const QString& text) { return add({GuideBlock::Kind::Paragraph, text, {}}); }
    GuideChapter& steps(const QStringList& items) { return add({GuideBlock::Kind::Steps, {}, items}); }
    GuideChapter& bullets(const QStringList& items) { return add({GuideBlock::Kind::Bullets, {}, items}); }
    GuideChapter& note(const QString& text) { return add({GuideBlock::Kind::Note, text, {}}); }
    GuideChapter& picture(const QString& key, const QString& caption) {
        return add({GuideBlock::Kind::Picture, caption, {}, key});
    }

private:
    GuideChapter& add(GuideBlock block) {
        blocks.push_back(std::move(block));
        return *this;
    }
};

// A window as the program shows it, grabbed with its title bar drawn around it.
struct WindowPicture {
    QString windowTitle;  // the window's caption, for the window index
    QImage image;         // its device pixel ratio says how many pixels make one screen point
};

using WindowPictures = std::map<QString, WindowPicture>;

}  // namespace custovia::guide
