// The backups: the launcher's icon and notice line, the day's automatic backup at start, and the
// "Copie di sicurezza" window walked with the mouse and with the keyboard.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "app/backup.h"
#include "app/windows/Program.h"
#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmCopieSicurezza.h"
#include "app/windows/TfrmPassword.h"
#include "archive/ini_file.h"
#include "fakes.h"
#include "tests/app/folder_fixture.h"
#include "window_helpers.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeEnvironment;
using test::readBytes;
using test::writeBytes;

QPoint placeOf(QWidget* window, const char* name) {
    QWidget* w = window->findChild<QWidget*>(name);
    return w->mapTo(window, QPoint(0, 0));
}

TEST(BackupLauncher, TheIconSitsLeftOfTheOtherFourAndANoticeMovesNothing) {
    FakeEnvironment fake;
    TfrmAvvio launcher(fake.env());
    launcher.resize(1600, 1000);
    launcher.show();
    QApplication::processEvents();
    auto* icon = launcher.findChild<QToolButton*>("imgCopie");
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->accessibleName(), "Copie di sicurezza");
    EXPECT_EQ(icon->toolTip(), "Copie di sicurezza");
    const char* icons[] = {"imgCopie", "imgInfo", "imgGuida", "imgCopyright", "imgEsci"};
    std::vector<QPoint> before;
    for (const char* name : icons) before.push_back(placeOf(&launcher, name));
    for (std::size_t i = 1; i < before.size(); ++i) {
        EXPECT_EQ(before[i].y(), before[0].y());
        EXPECT_GT(before[i].x(), before[i - 1].x()) << icons[i];
    }
    EXPECT_GT(before.back().x(), 1600 - 48 - 30);  // the exit icon at the right edge, as before
    const QPoint tile = placeOf(&launcher, "imgApp01");

    launcher.showNotice(
        "Attenzione: la copia di sicurezza automatica non è riuscita (una spiegazione lunga quanto basta per "
        "arrivare fino alle icone e oltre, senza spostarle di un punto).");
    QApplication::processEvents();
    for (std::size_t i = 0; i < before.size(); ++i)
        EXPECT_EQ(placeOf(&launcher, icons[i]), before[i]) << icons[i];
    EXPECT_EQ(placeOf(&launcher, "imgApp01"), tile);
    EXPECT_TRUE(launcher.findChild<QLabel*>("lblMessaggio")->isVisible());
}

class BackupProgramTest : public ::testing::Test {
protected:
    void SetUp() override { test::makeSampleFolder(fake.folder()); }
    void signIn() {
        auto* password = program->signIn()->findChild<QLineEdit*>("txtPassword");
        password->setText("guardianottura");
        QTest::keyClick(password, Qt::Key_Return);
    }
    FakeEnvironment fake;
    std::unique_ptr<Program> program;
};

TEST_F(BackupProgramTest, TheDaysFirstStartWritesABackupAndLaterStartsDoNot) {
    program = std::make_unique<Program>(fake.env());
    program->start();
    program->waitForAutomaticBackup();
    const fs::path first = fake.folder() / "Backup" / "Custovia_2024-05-15_1007.zip";
    ASSERT_TRUE(fs::exists(first));
    const auto reader = systemZip().open(first);
    EXPECT_EQ(reader->entries().size(), test::backedUpFiles(fake.folder()).size());

    fake.clock.set({2024, 5, 15, 16, 0, 0});
    program = std::make_unique<Program>(fake.env());
    program->start();
    program->waitForAutomaticBackup();
    EXPECT_FALSE(fs::exists(fake.folder() / "Backup" / "Custovia_2024-05-15_1600.zip"));
    QApplication::processEvents();
    signIn();
    EXPECT_EQ(program->launcher()->notice(), "");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BackupProgramTest, AFailedAutomaticBackupIsToldOnceOnTheLauncherAndBlocksNothing) {
    writeBytes(fake.folder() / "Backup", "a file where the backups' folder goes");
    program = std::make_unique<Program>(fake.env());
    program->start();
    program->waitForAutomaticBackup();
    QApplication::processEvents();
    signIn();
    ASSERT_TRUE(program->launcher()->isVisible());
    EXPECT_TRUE(program->launcher()->notice().startsWith(
        "Attenzione: la copia di sicurezza automatica non è riuscita (impossibile creare la cartella "))
        << program->launcher()->notice().toStdString();
    EXPECT_TRUE(fake.messages.shown.empty());  // no dialog: work goes on
    program->launcher()->findChild<QToolButton*>("imgApp05")->click();
    EXPECT_FALSE(program->workAreasHidden());
    EXPECT_FALSE(program->launcher()->isVisible());
}

TEST_F(BackupProgramTest, RegistroMessaggiOfTheBackupsWindowOpensTheMessageRegister) {
    program = std::make_unique<Program>(fake.env());
    program->start();
    program->waitForAutomaticBackup();
    QApplication::processEvents();
    signIn();
    bool registerSeen = false;
    test::openModalFrom(program->launcher()->findChild<QToolButton*>("imgCopie"), [&](QDialog* backups) {
        ASSERT_EQ(backups->objectName(), "TfrmCopieSicurezza");
        test::openModalFrom(backups->findChild<QPushButton*>("btnRegistro"), [&](QDialog* opened) {
            registerSeen = true;
            EXPECT_EQ(opened->objectName(), "TfrmRegistroMessaggi");
            EXPECT_EQ(opened->parentWidget(), backups);
        });
    });
    EXPECT_TRUE(registerSeen);
}

// The window over a folder with one backup in it.
class BackupWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        test::makeSampleFolder(fake.folder());
        backup = fake.folder() / "Backup" / "Custovia_2024-05-15_1007.zip";
        writeBackup(fake.folder(), backup, fake.clock.now(), systemZip());
        original = test::backedUpFiles(fake.folder());
        links.workAreasHidden = [this] { return workAreasHidden; };
        links.backupDone = [this] { ++backupsDone; };
    }
    void open() {
        window = std::make_unique<TfrmCopieSicurezza>(fake.env(), nullptr, links);
        window->show();
        QApplication::setActiveWindow(window.get());
        QApplication::processEvents();
    }
    template <typename T = QPushButton>
    T* find(const char* name) const {
        return window->findChild<T*>(name);
    }
    QStringList row(int r) const {
        QStringList cells;
        auto* model = find<QTableView>("lstCopie")->model();
        for (int c = 0; c < model->columnCount(); ++c) cells << model->index(r, c).data().toString();
        return cells;
    }
    int rows() const { return find<QTableView>("lstCopie")->model()->rowCount(); }
    // The day after the backup: a new card, a changed setting.
    void workOn() {
        test::addCard(fake.folder() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Verdi"}});
        writeBytes(fake.folder() / "Segnalazioni.ini", "[Segnalazioni]\r\nOperatore=Luca\r\n");
        for (const FolderFile& f : backupContent(fake.folder()))
            setLastWritten(f.path, lastWritten(backup) - 60);
    }

    FakeEnvironment fake;
    fs::path backup;
    std::map<std::string, std::string> original;
    BackupWindowLinks links;
    bool workAreasHidden = true;
    int backupsDone = 0;
    std::unique_ptr<TfrmCopieSicurezza> window;
};

TEST_F(BackupWindowTest, ListsTheBackupsAndMakesOneNow) {
    open();
    EXPECT_EQ(window->windowTitle(), " Copie di sicurezza");
    EXPECT_EQ(find<QLineEdit>("txtCartella")->text().toStdString(), pathToUtf8(fake.folder() / "Backup"));
    EXPECT_EQ(find<QLineEdit>("txtConserva")->text(), "14");
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(row(0),
              (QStringList{"15/05/2024 10:07", QString::fromStdString(sizeText(fs::file_size(backup))),
                           "Custovia_2024-05-15_1007.zip",
                           "Interventi 2, Clienti 1, Servizi 1, Dipendenti 1, Appuntamenti 1, Contratti 1"}));

    fake.clock.set({2024, 5, 15, 11, 30, 0});
    test::addCard(fake.folder() / kInterventionsFile, interventionLayout(), {{"txtUtente", "Verdi"}});
    find("btnEsegui")->click();
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ(row(0)[0], "15/05/2024 11:30");  // newest first
    EXPECT_TRUE(row(0)[3].startsWith("Interventi 3, "));
    EXPECT_TRUE(find<QLabel>("lblStato")->text().startsWith("Copia eseguita: "))
        << find<QLabel>("lblStato")->text().toStdString();
    EXPECT_EQ(backupsDone, 1);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BackupWindowTest, AFailedBackupIsAnErrorAndListsNothingNew) {
    open();
    fake.clock.set({2024, 5, 15, 11, 30, 0});
    fs::remove_all(fake.folder() / "Backup");
    writeBytes(fake.folder() / "Backup", "a file where the backups' folder goes");
    find("btnEsegui")->click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_TRUE(fake.messages.last().text.startsWith(
        "Attenzione: la copia di sicurezza non è stata eseguita.\r\n\r\nimpossibile creare la cartella "));
    EXPECT_EQ(backupsDone, 0);
    EXPECT_EQ(rows(), 0);
}

TEST_F(BackupWindowTest, RestoresTheChosenBackupOnceTheQuestionIsAnswered) {
    workOn();
    open();
    find<QTableView>("lstCopie")->selectRow(0);
    fake.messages.answer({true});
    find("btnRipristina")->click();
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.shown[0].text,
              "Si vuole ripristinare la copia di sicurezza del 15/05/2024 10:07?\r\n\r\n"
              "I file attuali saranno conservati nella cartella Backup.");
    const fs::path aside = fake.folder() / "Backup" / "Sostituiti_2024-05-15_1007";
    EXPECT_EQ(fake.messages.last().kind, "information");
    EXPECT_EQ(fake.messages.last().text.toStdString(),
              "Ripristino completato: " + std::to_string(original.size()) +
                  " file ripristinati.\r\n\r\nI file sostituiti sono conservati nella cartella " +
                  pathToUtf8(aside) + ".");
    EXPECT_TRUE(test::backedUpFiles(fake.folder()) == original);
    EXPECT_EQ(readBytes(aside / "Segnalazioni.ini"), "[Segnalazioni]\r\nOperatore=Luca\r\n");
    EXPECT_EQ(backupsDone, 1);
}

TEST_F(BackupWindowTest, AnOlderBackupAsksWithBothDatesAndNoKeepsTheFolder) {
    workOn();
    const std::time_t later = lastWritten(backup) + 3600;
    setLastWritten(fake.folder() / kClientsFile, later);
    const auto before = test::backedUpFiles(fake.folder());
    open();
    find<QTableView>("lstCopie")->selectRow(0);
    fake.messages.answer({false});
    find("btnRipristina")->click();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    const QString question = fake.messages.last().text;
    const DateTime newest = localDateTime(later);
    EXPECT_TRUE(question.startsWith(
        "Attenzione: la copia di sicurezza scelta è del 15/05/2024 10:07:03, mentre la scheda "
        "più recente degli archivi è stata salvata il " +
        QString::fromStdString(formatDate(newest) + " " + formatLongTime(newest)) + "."))
        << question.toStdString();
    EXPECT_TRUE(test::backedUpFiles(fake.folder()) == before);
    EXPECT_EQ(find<QLabel>("lblStato")->text(), "Ripristino annullato: la cartella è rimasta com'era.");
}

TEST_F(BackupWindowTest, WithNoBackupChosenTheFileIsAskedForAndAWorkAreaOnScreenRefusesIt) {
    workOn();
    const test::TempFolder copies;
    const fs::path elsewhere = copies.path() / "Altrove.zip";
    fs::copy_file(backup, elsewhere);
    open();
    fake.fileDialogs.choose({""});  // cancelled: nothing happens
    find("btnRipristina")->click();
    EXPECT_TRUE(fake.messages.shown.empty());

    fake.fileDialogs.choose({QString::fromStdString(pathToUtf8(elsewhere))});
    fake.messages.answer({true});
    find("btnRipristina")->click();
    EXPECT_EQ(fake.fileDialogs.titles.last(), "Selezionare la copia di sicurezza da ripristinare:");
    EXPECT_EQ(fake.fileDialogs.filters.last(), "Copie di sicurezza (*.zip)");
    EXPECT_EQ(fake.messages.last().kind, "information");
    EXPECT_TRUE(test::backedUpFiles(fake.folder()) == original);

    fake.messages.clear();
    workAreasHidden = false;
    find<QTableView>("lstCopie")->selectRow(0);
    find("btnRipristina")->click();
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"Attenzione: per ripristinare una copia di sicurezza è necessario "
                          "chiudere prima tutte le finestre di lavoro."});
}

TEST_F(BackupWindowTest, VerificaShowsWhatIsWrongWithoutChangingAnything) {
    open();
    find("btnVerifica")->click();
    EXPECT_TRUE(find<QPlainTextEdit>("txtEsito")->toPlainText().startsWith("Nessun problema trovato ("));
    EXPECT_EQ(find<QLabel>("lblStato")->text(), "Verifica completata: nessun problema.");

    fs::remove(fake.folder() / "Documenti_Allegati" / "verbale.pdf");
    find("btnVerifica")->click();
    EXPECT_TRUE(find<QPlainTextEdit>("txtEsito")
                    ->toPlainText()
                    .startsWith("Archivio_Interventi.pro\n  scheda 1: manca l'allegato \"verbale.pdf\" in "
                                "Documenti_Allegati\n"));
    EXPECT_EQ(find<QLabel>("lblStato")->text(), "Verifica completata: sono stati trovati dei problemi.");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(BackupWindowTest, TheFolderAndHowManyToKeepAreStoredInTheirOwnSettings) {
    test::TempFolder other;
    open();
    fake.fileDialogs.choose({QString::fromStdString(pathToUtf8(other.path()))});
    find("btnSfoglia")->click();
    EXPECT_EQ(fake.fileDialogs.titles.last(), "Selezionare la cartella delle copie di sicurezza:");
    EXPECT_EQ(find<QLineEdit>("txtCartella")->text().toStdString(), pathToUtf8(other.path()));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(readBackupSettings(fake.folder()).folder, pathToUtf8(other.path()));

    // the attachments folder would copy every backup into the next
    fake.fileDialogs.choose({QString::fromStdString(pathToUtf8(fake.folder() / "Documenti_Allegati"))});
    find("btnSfoglia")->click();
    EXPECT_TRUE(fake.messages.last().text.startsWith("Attenzione: le copie di sicurezza non possono stare"));
    EXPECT_EQ(readBackupSettings(fake.folder()).folder, pathToUtf8(other.path()));

    find("btnPredefinita")->click();
    EXPECT_EQ(readBackupSettings(fake.folder()).folder, "");
    EXPECT_EQ(rows(), 1);

    auto* keep = find<QLineEdit>("txtConserva");
    keep->setFocus();
    keep->selectAll();
    QTest::keyClicks(keep, "3x");
    QTest::keyClick(keep, Qt::Key_Tab);
    EXPECT_EQ(keep->text(), "3");
    EXPECT_EQ(readIniString(fake.folder() / "Copie_Sicurezza.ini", "Copie", "Conserva"), "3");
}

TEST_F(BackupWindowTest, TheMessageRegisterOpensOnlyWhenTheProgramHasOne) {
    open();
    EXPECT_FALSE(find("btnRegistro")->isEnabled());
    QWidget* opened = nullptr;
    links.messageRegister = [&](QWidget* parent) { opened = parent; };
    open();
    ASSERT_TRUE(find("btnRegistro")->isEnabled());
    find("btnRegistro")->click();
    EXPECT_EQ(opened, window.get());
}

TEST_F(BackupWindowTest, WorksFromTheKeyboardAlone) {
    workOn();
    open();
    EXPECT_EQ(QApplication::focusWidget(), find("btnEsegui"));
    // back to the list, choose the backup, on to "Ripristina…" and press it
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), find<QTableView>("lstCopie"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(find<QTableView>("lstCopie")->selectionModel()->selectedRows().size(), 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("btnRipristina"));
    fake.messages.answer({true});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.last().kind, "information");
    EXPECT_TRUE(test::backedUpFiles(fake.folder()) == original);
    // Enter presses no button by itself
    fake.messages.clear();
    QTest::keyClick(find<QLineEdit>("txtConserva"), Qt::Key_Return);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(window->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace custovia
