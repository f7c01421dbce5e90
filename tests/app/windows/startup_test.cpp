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

TEST(Startup, ANewDataFolderIsLaidOutAndOneThatCannotBeSaysWhichFolder) {
    test::FakeEnvironment fake;
    const std::filesystem::path folder = fake.folder() / "utente" / "Custovia";
    fake.env().folder = folder;
    EXPECT_TRUE(prepareDataFolder(fake.env()));
    EXPECT_EQ(readStoredPassword(folder), "GUARDIANOTTURA");
    EXPECT_TRUE(fake.messages.shown.empty());

    // a folder where nothing can be created: the user is told, the program does not start
    fake.files.folderRefusesNewFiles = true;
    fake.env().folder = fake.folder() / "sola lettura";
    EXPECT_FALSE(prepareDataFolder(fake.env()));
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_EQ(fake.messages.last().text,
              QString::fromStdString("Attenzione: non è stato possibile preparare la cartella dei dati " +
                                     (fake.folder() / "sola lettura").string() +
                                     ".\n\r\n\rAccertarsi di possedere i privilegi di scrittura in quella "
                                     "cartella oppure indicarne un'altra con l'opzione --folder."));
}

}  // namespace
}  // namespace custovia
