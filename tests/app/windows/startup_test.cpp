#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>

namespace custovia {
namespace {

TEST(Startup, StandardButtonsSpeakItalian) {
    QMessageBox box(QMessageBox::Question, "t", "q",
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text().remove('&'), "Sì");
    EXPECT_EQ(box.button(QMessageBox::No)->text().remove('&'), "No");
    EXPECT_EQ(box.button(QMessageBox::Cancel)->text().remove('&'), "Annulla");
}

TEST(Startup, CourierNewResolvesToAFixedPitchFont) {
    QFont font("Courier New", 12);
    font.setStyleHint(QFont::Monospace);
    EXPECT_TRUE(QFontInfo(font).fixedPitch()) << QFontInfo(font).family().toStdString();
}

}  // namespace
}  // namespace custovia
