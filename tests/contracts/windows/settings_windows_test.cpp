// The numbering and logo windows of the contract card, as a user drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "archive/ini_file.h"
#include "contracts/windows/ContractLogo.h"
#include "contracts/windows/TfrmLogo.h"
#include "contracts/windows/TfrmNumerazione.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class NumerazioneTest : public ::testing::Test {
protected:
    std::unique_ptr<TfrmNumerazione> open(const QString& tag = "contratti") {
        auto window = std::make_unique<TfrmNumerazione>(fake.env(), nullptr, tag);
        window->show();
        QApplication::setActiveWindow(window.get());
        return window;
    }
    QLineEdit* start(QWidget* w) { return w->findChild<QLineEdit*>("txtInizio"); }
    std::string stored() { return readIniString(ini(), "Numerazione Contratti", "Inizio"); }
    std::filesystem::path ini() const { return fake.folder() / "Contratti.ini"; }

    FakeEnvironment fake;
};

TEST_F(NumerazioneTest, ShowsTheStoredStartOrOneAndStoresOnlyOnApply) {
    auto first = open();
    EXPECT_EQ(start(first.get())->text(), "1");
    EXPECT_EQ(QApplication::focusWidget(), start(first.get()));
    start(first.get())->setText("100");
    first->findChild<QPushButton*>("btnAnnulla")->click();
    EXPECT_FALSE(std::filesystem::exists(ini()));

    auto second = open();
    start(second.get())->setText(" 100");
    second->findChild<QPushButton*>("btnApplica")->click();
    EXPECT_EQ(stored(), "100");
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(start(open().get())->text(), "100");
}

TEST_F(NumerazioneTest, LeavingTheFieldMakesAWholeNumberAndEnterGoesToApply) {
    auto w = open();
    QLineEdit* field = start(w.get());
    field->clear();
    QTest::keyClicks(field, "0a07,");  // only digits pass
    EXPECT_EQ(field->text(), "007");
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), w->findChild<QPushButton*>("btnApplica"));
    EXPECT_EQ(field->text(), "7");
    field->setFocus();
    field->clear();
    w->findChild<QPushButton*>("btnApplica")->setFocus();
    EXPECT_EQ(field->text(), "1");
}

TEST_F(NumerazioneTest, AStoredStartThatDoesNotReadShowsOneAsNewReadsIt) {
    const std::pair<const char*, const char*> cases[] = {
        {"-7", "1"},  {"abc", "1"},     {"12a", "1"},       {"123456", "1"}, {"99999999999999999999", "1"},
        {"007", "7"}, {" 250 ", "250"}, {"99999", "99999"},
    };
    for (const auto& [stored, shown] : cases) {
        writeIniString(ini(), "Numerazione Contratti", "Inizio", stored);
        EXPECT_EQ(start(open().get())->text(), shown) << stored;
    }
}

TEST_F(NumerazioneTest, OtherModeTagsNeitherReadNorWrite) {
    writeIniString(ini(), "Numerazione Contratti", "Inizio", "250");
    auto w = open("altro");
    EXPECT_EQ(start(w.get())->text(), "1");
    start(w.get())->setText("9");
    w->findChild<QPushButton*>("btnApplica")->click();
    EXPECT_EQ(stored(), "250");
}

TEST_F(NumerazioneTest, ASettingsFileThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(ini());  // a folder where the file should be
    auto w = open();
    w->findChild<QPushButton*>("btnApplica")->click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_TRUE(std::filesystem::is_directory(ini()));

    // a read-only folder where the file is missing
    std::filesystem::remove(ini());
    fake.files.folderRefusesNewFiles = true;
    open()->findChild<QPushButton*>("btnApplica")->click();
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: non è stato possibile memorizzare il numero iniziale dei "
              "contratti.\n\r\n\rAccertarsi di "
              "possedere i privilegi di scrittura nella cartella di installazione del programma.");
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

class LogoTest : public ::testing::Test {
protected:
    std::unique_ptr<TfrmLogo> open() {
        auto window = std::make_unique<TfrmLogo>(fake.env(), nullptr);
        window->show();
        return window;
    }
    void click(QWidget* w, const char* name) {
        if (auto* button = w->findChild<QPushButton*>(name))
            button->click();
        else
            w->findChild<QToolButton*>(name)->click();
    }
    std::filesystem::path logo() const { return fake.folder() / "Logo.bmp"; }
    QString logoPath() const { return QString::fromStdString(logo().string()); }
    QString picture(const char* name, QSize size, const char* format, Qt::GlobalColor colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = QString::fromStdString((fake.folder() / name).string());
        EXPECT_TRUE(image.save(path, format));
        return path;
    }

    FakeEnvironment fake;
};

TEST_F(LogoTest, FirstRunShowsTheEuroLogoAndWritesNothingUnchanged) {
    auto w = open();
    EXPECT_EQ(w->preview(), defaultContractLogo());
    EXPECT_EQ(w->preview().size(), QSize(297, 184));
    click(w.get(), "btnApplica");
    EXPECT_FALSE(std::filesystem::exists(logo()));
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(LogoTest, APickedJpegIsStoredAsABitmapOnApplyOnly) {
    const QString jpeg = picture("marchio.jpg", {400, 200}, "JPG", Qt::red);
    fake.fileDialogs.choose({jpeg, jpeg});
    auto cancelled = open();
    click(cancelled.get(), "btnSfoglia");
    EXPECT_TRUE(cancelled->changed());
    click(cancelled.get(), "btnAnnulla");
    EXPECT_FALSE(std::filesystem::exists(logo()));

    auto w = open();
    click(w.get(), "btnSfoglia");
    EXPECT_EQ(fake.fileDialogs.titles.back(), "Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
    click(w.get(), "btnApplica");
    EXPECT_EQ(test::readBytes(logo()).substr(0, 2), "BM");
    const QImage stored(logoPath(), "BMP");
    EXPECT_EQ(stored.size(), QSize(400, 200));  // stored as loaded, whatever its size
    EXPECT_EQ(open()->preview().size(), QSize(400, 200));
    // no temporary file is left beside it
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fake.folder()), {}), 2);
}

TEST_F(LogoTest, ACameraSizedLogoLoadsAndIsStoredAtThePrintedSize) {
    const QString jpeg = picture("marchio.jpg", {8000, 6000}, "JPG", Qt::red);
    fake.fileDialogs.choose({jpeg});
    auto w = open();
    click(w.get(), "btnSfoglia");
    EXPECT_NE(w->preview(), defaultContractLogo());
    EXPECT_EQ(w->preview().size(), QSize(kLogoLongestSide, 1500));
    click(w.get(), "btnApplica");
    EXPECT_EQ(QImage(logoPath(), "BMP").size(), QSize(kLogoLongestSide, 1500));

    // a big Logo.bmp left by an earlier installation prints too
    picture("Logo.bmp", {8000, 6000}, "BMP", Qt::blue);
    const QImage printed = loadContractLogo(logo());
    EXPECT_EQ(printed.size(), QSize(kLogoLongestSide, 1500));
    EXPECT_EQ(printed.pixelColor(1000, 750), QColor(Qt::blue));
}

TEST_F(LogoTest, TheEraserStoresTwoWhitePixelsAndTheEuroIconTheDefault) {
    auto w = open();
    click(w.get(), "btnCancLogo");
    click(w.get(), "btnApplica");
    QImage stored(logoPath());
    EXPECT_EQ(stored.size(), QSize(2, 2));
    EXPECT_EQ(stored.pixelColor(1, 1), QColor(Qt::white));
    auto again = open();
    click(again.get(), "imgEuro");
    click(again.get(), "btnApplica");
    EXPECT_EQ(QImage(logoPath()).size(), QSize(297, 184));
}

TEST_F(LogoTest, AFailedLoadShowsTheEuroLogoAndReplacesNothing) {
    const QString stored = picture("Logo.bmp", {10, 10}, "BMP", Qt::green);
    const std::string before = test::readBytes(logo());
    const QString broken = QString::fromStdString((fake.folder() / "rotto.jpg").string());
    test::writeBytes(broken.toStdString(), "not a picture");
    fake.fileDialogs.choose({broken});
    auto w = open();
    EXPECT_EQ(w->preview().size(), QSize(10, 10));
    click(w.get(), "btnSfoglia");
    EXPECT_EQ(w->preview(), defaultContractLogo());
    click(w.get(), "btnApplica");
    EXPECT_EQ(test::readBytes(logo()), before);
    (void)stored;
}

TEST_F(LogoTest, AFullDiskLeavesTheEarlierLogoWholeAndWarns) {
    picture("Logo.bmp", {10, 10}, "BMP", Qt::green);
    const std::string before = test::readBytes(logo());
    const struct {
        const char* label;
        bool readOnlyFolder;
        int goodWrites;
        bool flushFails;
    } faults[] = {
        {"a write fails half-way", false, 0, false},
        {"the last buffered data never reach the disk", false, -1, true},
        {"a write in place fails half-way", true, 0, false},
        {"in place, the last data never reach the disk", true, -1, true},
    };
    for (const auto& f : faults) {
        fake.files.folderRefusesNewFiles = f.readOnlyFolder;
        fake.files.writesBeforeFailure = f.goodWrites;
        fake.files.flushFails = f.flushFails;
        auto w = open();
        click(w.get(), "btnCancLogo");
        click(w.get(), "btnApplica");
        ASSERT_EQ(fake.messages.shown.size(), 1u) << f.label;
        EXPECT_EQ(fake.messages.last().text,
                  "Attenzione: non è stato possibile salvare il logo.\n\r\n\rAccertarsi di possedere i "
                  "privilegi di "
                  "scrittura nella cartella di installazione del programma.")
            << f.label;
        EXPECT_EQ(test::readBytes(logo()), before) << f.label;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(fake.folder()), {}), 1) << f.label;
        fake.messages.shown.clear();
    }
}

TEST_F(LogoTest, AFailedWriteWarnsAndLeavesWhatWasThere) {
    std::filesystem::create_directory(logo());  // a folder where the file should be
    auto w = open();
    EXPECT_EQ(w->preview(), defaultContractLogo());  // unreadable: the default
    click(w.get(), "btnCancLogo");
    click(w.get(), "btnApplica");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_TRUE(fake.messages.last().text.startsWith("Attenzione: non è stato possibile salvare il logo."));
    EXPECT_TRUE(std::filesystem::is_directory(logo()));
    EXPECT_FALSE(w->isVisible());
}

}  // namespace
}  // namespace custovia
