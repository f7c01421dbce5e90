#include "archive/windows/FixedPitchFont.h"

#include <QFontDatabase>
#include <QFontInfo>

namespace custovia {

QFont fixedPitchFont(const QString& family, qreal pointSize, bool bold, bool italic) {
    QFont font(family);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    QFont fixed = QFontInfo(font).fixedPitch() ? font : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fixed.setPointSizeF(pointSize);
    fixed.setBold(bold);
    fixed.setItalic(italic);
    return fixed;
}

}  // namespace custovia
