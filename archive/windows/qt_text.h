#pragma once
// Texts and pictures as the windows take them: the logic's UTF-8 texts (field names, tags,
// messages, cells) as QStrings, and the resource path of a built-in picture.
#include <QAnyStringView>
#include <QString>
#include <string_view>

#include "archive/text.h"

namespace custovia {

inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// A typed text without the blanks and control characters at either end, as the archive
// trims a field.
inline QString trimmedText(const QString& text) { return toQString(trimView(text.toStdString())); }

// A built-in picture by its name under templates/pictures: "salva" is ":/templates/pictures/salva.svg".
inline QString pictureResource(QAnyStringView name) {
    return QStringLiteral(":/templates/pictures/") + name.toString() + QStringLiteral(".svg");
}

}  // namespace custovia
