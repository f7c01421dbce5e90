#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFontInfo>
#include <QMessageBox>

#include "app/cipher.h"
#include "app/windows/Program.h"
#include "fakes.h"

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

TEST(Startup, StartingRemovesTheTemporaryFilesACrashLeftLongEnoughAgo) {
    test::FakeEnvironment fake;
    writeStoredPassword(fake.folder(), "guardianottura");
    namespace fs = std::filesystem;
    const auto minutesAgo = [&](int minutes) {
        return fs::file_time_type::clock::from_sys(toTimePoint(fake.clock.now()) -
                                                   std::chrono::minutes(minutes));
    };
    fs::create_directories(fake.folder() / "Documenti_Allegati");
    fs::create_directories(fake.folder() / "Anagrafica");
    const std::pair<fs::path, bool> files[] = {
        {fake.folder() / "Contratti.ini.0123456789abcdef.tmp", true},
        {fake.folder() / "Documenti_Allegati" / "verbale.pdf.0123456789abcdef.tmp", true},
        {fake.folder() / "Anagrafica" / "Foto_1.jpg.0123456789abcdef.tmp", true},
        {fake.folder() / "Clienti.xls", false},
        {fake.folder() / "Anagrafica" / "Foto_1.jpg", false},
    };
    for (const auto& [file, crashLeft] : files) {
        test::writeBytes(file, "x");
        fs::last_write_time(file, minutesAgo(30));
    }
    const fs::path recent = fake.folder() / "Logo.bmp.0123456789abcdef.tmp";  // being written elsewhere
    test::writeBytes(recent, "x");
    fs::last_write_time(recent, minutesAgo(2));

    Program program(fake.env());
    program.start();
    for (const auto& [file, crashLeft] : files) EXPECT_EQ(fs::exists(file), !crashLeft) << file;
    EXPECT_TRUE(fs::exists(recent));
}

}  // namespace
}  // namespace custovia
