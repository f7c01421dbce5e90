// The intervention card editor as a user drives it.
#include <gtest/gtest.h>

#include <regex>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

#include "archive/archive.h"
#include "archive/ini_file.h"
#include "emergencies/interventions.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class InterventiTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmInterventi>(fake.env());
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    void set(const char* name, const QString& value) { card->setFieldText(name, value); }
    void fillAll() {
        set("txtUtente", "Mario Rossi");
        set("txtCelUte", "3331234567");
        set("txtGuasto", "Allarme scattato");
        set("txtLuogo", "Via Roma 1, Bologna");
        set("txtTipo", "Fiat Panda");
        set("txtTarga", "AB123CD");
        set("txtTecnico", "Luca Bianchi");
        set("txtCelTec", "3471234567");
    }
    std::filesystem::path archiveFile() const { return fake.folder() / "Archivio_Interventi.pro"; }
    void click(const char* button) { card->findChild<QToolButton*>(button)->click(); }
    // Clicks a toolbar button that opens a per-use window and hands that window to look().
    void openFrom(const char* button, const std::function<void(QDialog*)>& look) {
        test::openModalFrom(card->findChild<QToolButton*>(button), look);
    }

    FakeEnvironment fake;
    std::unique_ptr<TfrmInterventi> card;
};

TEST_F(InterventiTest, ShowingStartsANewCardWithNowAndTheRememberedOperator) {
    card->close();
    writeIniString(fake.folder() / "Segnalazioni.ini", "Segnalazioni", "Operatore", "Giulia");
    fake.clock.set({2025, 3, 3, 9, 5, 7});
    card->setFieldText("txtUtente", "vecchio");
    card->show();
    QApplication::setActiveWindow(card.get());
    EXPECT_EQ(card->fieldText("txtOperatore"), "Giulia");
    EXPECT_EQ(card->fieldText("txtData"), "03/03/2025");
    EXPECT_EQ(card->fieldText("txtOre"), "09");
    EXPECT_EQ(card->fieldText("txtMinuti"), "05");
    EXPECT_EQ(card->fieldText("txtUtente"), "");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtUtente"));
    // closing stores the operator's name, trimmed
    card->setFieldText("txtOperatore", "  Anna Neri ");
    card->close();
    EXPECT_EQ(readIniString(fake.folder() / "Segnalazioni.ini", "Segnalazioni", "Operatore"), "Anna Neri");
    EXPECT_FALSE(card->isVisible());
}

TEST_F(InterventiTest, AnOperatorsNameThatCannotBeStoredIsReportedAndTheOldFileStays) {
    const auto settings = fake.folder() / "Segnalazioni.ini";
    const struct {
        const char* label;
        bool fileThere;
        bool readOnlyFolder;
        int goodWrites;
    } faults[] = {
        {"a read-only folder where the file is missing", false, true, -1},
        {"a full disk", true, false, 0},
        {"a full disk in a read-only folder", true, true, 0},
    };
    for (const auto& f : faults) {
        std::filesystem::remove(settings);
        if (f.fileThere) writeIniString(settings, "Segnalazioni", "Operatore", "Giulia");
        const std::string before = f.fileThere ? test::readBytes(settings) : "";
        fake.files.folderRefusesNewFiles = f.readOnlyFolder;
        fake.files.writesBeforeFailure = f.goodWrites;
        card->show();
        card->setFieldText("txtOperatore", "Anna Neri");
        card->close();
        ASSERT_EQ(fake.messages.shown.size(), 1u) << f.label;
        EXPECT_EQ(fake.messages.last().kind, "warning") << f.label;
        EXPECT_EQ(
            fake.messages.last().text,
            "Attenzione: non è stato possibile memorizzare il nome dell'operatore.\n\r\n\rAccertarsi di "
            "possedere i privilegi di scrittura nella cartella di installazione del programma.")
            << f.label;
        EXPECT_FALSE(card->isVisible()) << f.label;
        EXPECT_EQ(f.fileThere ? test::readBytes(settings) : "(none)", f.fileThere ? before : "(none)")
            << f.label;
        EXPECT_EQ(std::filesystem::exists(settings), f.fileThere) << f.label;
        fake.files = test::FaultyFiles{};
        fake.messages.clear();
    }
}

TEST_F(InterventiTest, SaveStopsAtThePlateWithTheFocusThere) {
    fillAll();
    set("txtTarga", "");
    set("txtTecnico", "");
    set("txtCelTec", "");
    click("cmdSalva");
    EXPECT_EQ(
        fake.messages.texts(),
        QStringList{
            "Attenzione: per salvare la scheda è necessario indicare la targa del veicolo da soccorrere."});
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtTarga"));
    EXPECT_FALSE(std::filesystem::exists(archiveFile()));
}

TEST_F(InterventiTest, SavedCardHasTheJoinedTimeAndTheFlagBytes) {
    fillAll();
    card->findChild<QCheckBox*>("chkTerminato")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(card->position(), "1");
    const std::string bytes = test::readBytes(archiveFile());
    ASSERT_EQ(bytes.size(), 2764u);
    EXPECT_EQ(bytes.substr(1255, 3), "\x02S\xEC");
    EXPECT_EQ(bytes.substr(17, 6),
              "\x05"
              "10:07");
    EXPECT_EQ(bytes.substr(909, 8),
              "\x07"
              "AB123CD");
    EXPECT_EQ(card->fieldText("lblOra"), "10:07");
}

TEST_F(InterventiTest, NewKeepsTheOperatorAndDuplicateResetsTimeAndFlag) {
    fillAll();
    set("txtOperatore", "Giulia");
    card->findChild<QCheckBox*>("chkTerminato")->setChecked(true);
    click("cmdSalva");
    fake.clock.set({2024, 6, 1, 22, 45, 0});
    card->setFieldText("lblFile01", "verbale.pdf");
    click("cmdDuplica");
    EXPECT_EQ(card->fieldText("txtData"), "01/06/2024");
    EXPECT_EQ(card->fieldText("txtOre"), "22");
    EXPECT_EQ(card->fieldText("txtMinuti"), "45");
    EXPECT_EQ(card->fieldText("chkTerminato"), "No");
    EXPECT_EQ(card->fieldText("lblFile01"), "");
    EXPECT_EQ(card->fieldText("txtUtente"), "Mario Rossi");
    EXPECT_EQ(card->position(), "");
    click("cmdNuovo");
    EXPECT_EQ(card->fieldText("txtOperatore"), "Giulia");
    EXPECT_EQ(card->fieldText("txtUtente"), "");
}

TEST_F(InterventiTest, WhatsAppChecksItsFieldsThenOpensTheAddress) {
    fillAll();
    set("txtCelTec", "");
    click("btnWhatsApp");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: per inviare il messaggio tramite WhatsApp è necessario indicare il numero di cellulare "
        "dell'operatore di pronto intervento.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCelTec"));
    EXPECT_TRUE(fake.shell.opened.empty());
    set("txtCelTec", "3471234567");
    set("txtTecnico", "");  // not needed for the request
    click("btnWhatsApp");
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(
        fake.shell.opened[0].rfind("https://web.whatsapp.com/send?phone=3471234567&text=Si%20richiede%20di%20"
                                   "prestare%20soccorso%20utilizzando%20il%20veicolo%20",
                                   0),
        0u);

    // the register notes the request as sent, the card unsaved; a saved card gives its number,
    // and a request the system could not take is noted as such
    const std::string request =
        " | WhatsApp | 3471234567 | Si richiede di prestare soccorso utilizzando il veicolo Fiat Panda "
        "targato "
        "AB123CD presso Via Roma 1, Bologna per la seguente emergenza: Allarme scattato segnalata in data "
        "15/05/2024 alle ore 10:07 dal cliente Mario Rossi reperibile al cellulare 3331234567";
    EXPECT_EQ(fake.registered(),
              std::vector<std::string>{"15/05/2024 | 10:07:03 | Coordinamento Emergenze | " + request});
    set("txtTecnico", "Luca Bianchi");
    click("cmdSalva");
    fake.messages.clear();
    fake.shell.refuses = true;
    fake.clock.set({2024, 5, 15, 10, 9, 0});
    click("btnWhatsApp");
    ASSERT_EQ(fake.registered().size(), 2u);
    EXPECT_EQ(fake.registered()[1], "15/05/2024 | 10:09:00 | Coordinamento Emergenze | 1" +
                                        std::string(request).replace(3, 8, "WhatsApp (non inviato)"));
    EXPECT_EQ(fake.shell.opened.size(), 2u);
    EXPECT_TRUE(fake.messages.shown.empty());  // the system shows what it shows, the program nothing
}

TEST_F(InterventiTest, HandMadeArchiveLoadsFieldByField) {
    // three cards written byte by byte as an earlier installation would have
    const RecordLayout& layout = interventionLayout();
    auto field = [&](std::string& rec, const char* name, const std::string& bytes) {
        const std::size_t at = layout.offset(layout.indexOf(name));
        rec[at] = char(bytes.size());
        rec.replace(at + 1, bytes.size(), bytes);
    };
    std::string first(layout.size(), '\0'), second(layout.size(), 'x'), third(layout.size(), '\0');
    field(first, "txtData", "01/02/2024");
    field(first, "txtUtente", "Citt\xE0 di Forl\xEC");
    field(first, "chkTerminato", "S\xEC");
    for (const char* name :
         {"txtData",      "txtOre",    "txtMinuti", "lblOra",    "txtOperatore", "txtUtente", "txtCelUte",
          "txtGuasto",    "txtLuogo",  "txtTipo",   "txtTarga",  "txtTecnico",   "txtCelTec", "txtNote",
          "chkTerminato", "lblFile01", "lblFile02", "lblFile03", "lblDesc01",    "lblDesc02", "lblDesc03"})
        field(second, name, "");
    field(second, "txtGuasto", std::string(250, 'G'));  // a full-capacity field
    field(second, "chkTerminato", "No");
    field(second, "lblDesc02", "Verbale \x80 10");
    field(third, "txtUtente", "Terzo");
    field(third, "chkTerminato", "Ni");  // neither "Sì" nor "No"
    test::writeBytes(archiveFile(), first + second + third);

    click("cmdPrimo");
    EXPECT_EQ(card->fieldText("txtUtente"), "Città di Forlì");
    EXPECT_EQ(card->fieldText("txtData"), "01/02/2024");
    EXPECT_EQ(card->fieldText("chkTerminato"), "Sì");
    click("cmdAvanti");
    EXPECT_EQ(card->fieldText("txtGuasto"), QString(250, 'G'));
    EXPECT_EQ(card->fieldText("lblDesc02"), "Verbale € 10");
    EXPECT_EQ(card->fieldText("chkTerminato"), "No");
    EXPECT_EQ(card->fieldText("txtUtente"), "");
    card->findChild<QCheckBox*>("chkTerminato")->setChecked(true);
    click("cmdAvanti");
    EXPECT_EQ(card->position(), "3");
    EXPECT_EQ(card->fieldText("txtUtente"), "Terzo");
    EXPECT_EQ(card->fieldText("chkTerminato"), "Sì");  // the odd flag left the box as it was
}

TEST_F(InterventiTest, ToolbarOpensTheAttachmentsAndTheExportOfThisArchive) {
    fillAll();
    click("cmdSalva");
    card->setFieldText("lblDesc01", "Verbale");
    openFrom("cmdFile", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmAllegaCartella");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtDesc01")->text(), "Verbale");
        w->findChild<QLineEdit*>("txtDesc01")->setText("Verbale firmato");
        w->findChild<QPushButton*>("btnApplica")->click();
    });
    EXPECT_EQ(card->fieldText("lblDesc01"), "Verbale firmato");
    openFrom("cmdEsporta", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmExpInterventi");
        EXPECT_EQ(w->findChild<QTableView*>("grdRecords")->model()->rowCount(), 1);
    });
}

TEST_F(InterventiTest, FinishedCardIsFoundBySearchAndLeavesTheInProgressList) {
    fillAll();
    click("cmdSalva");
    set("txtTarga", "ZZ999ZZ");
    click("cmdSalva");  // updates card 1
    click("cmdNuovo");
    fillAll();
    set("txtUtente", "Anna Verdi");
    click("cmdSalva");  // card 2
    auto rowsOf = [](QDialog* w) { return w->findChild<QListView*>("lstRecords")->model()->rowCount(); };

    openFrom("cmdTrova", [&](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmTrovaInterventi");
        QTest::keyClicks(w->findChild<QLineEdit*>("txtTarga"), "zz9");
        w->findChild<QPushButton*>("btnCerca")->click();
        EXPECT_EQ(rowsOf(w), 1);
        auto* list = w->findChild<QListView*>("lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    EXPECT_EQ(card->position(), "1");
    EXPECT_EQ(card->fieldText("txtTarga"), "ZZ999ZZ");

    openFrom("cmdPendenti", [&](QDialog* w) { EXPECT_EQ(rowsOf(w), 2); });
    card->findChild<QCheckBox*>("chkTerminato")->setChecked(true);
    click("cmdSalva");
    openFrom("cmdPendenti", [&](QDialog* w) {
        EXPECT_EQ(rowsOf(w), 1);
        EXPECT_TRUE(w->findChild<QListView*>("lstRecords")
                        ->model()
                        ->index(0, 0)
                        .data()
                        .toString()
                        .contains("Anna Verdi"));
    });
}

TEST_F(InterventiTest, PrintedCardOfAnUnsavedCardShowsWhatIsTyped) {
    fillAll();
    set("txtNote", "Chiavi [in] portineria");
    openFrom("cmdStampa", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmStampaIntervento");
        EXPECT_EQ(w->windowTitle(), " Stampa scheda");
        w->findChild<QPushButton*>("cmdStampa")->click();
    });
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs[0]);
    for (const char* expected :
         {"SCHEDA INTERVENTO", "15/05/2024", "10:07", "Mario Rossi",
          "Fiat Panda Targa: AB123CD",  // the text layer joins the three spaces
          "Chiavi [in] portineria", "Stampa eseguita in data 15/05/2024 alle ore 10:07:03"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    EXPECT_TRUE(std::regex_search(text, std::regex("Intervento terminato: +No\\n"))) << text;
    EXPECT_EQ(card->position(), "");
}

TEST_F(InterventiTest, ControlsCarryTheirNamesHintsAndLimits) {
    const std::pair<const char*, int> limits[] = {{"txtOperatore", 50}, {"txtCelUte", 30}, {"txtGuasto", 250},
                                                  {"txtTarga", 12},     {"txtNote", 250},  {"txtData", 10}};
    for (const auto& [name, limit] : limits)
        EXPECT_EQ(card->findChild<QLineEdit*>(name)->maxLength(), limit) << name;
    EXPECT_EQ(card->windowTitle(), " Custovia - Coordinamento Emergenze");
    EXPECT_EQ(card->findChild<QToolButton*>("cmdPendenti")->toolTip(),
              "Visualizza il riepilogo degli interventi in corso.");
    EXPECT_TRUE(card->findChild<QToolButton*>("impCliente")->isEnabled());
    EXPECT_TRUE(card->findChild<QToolButton*>("impOperatore")->isEnabled());
    EXPECT_EQ(card->findChild<QToolButton*>("impOperatore")->toolTip(),
              "Importa i dati dall'archivio dei dipendenti.");
    EXPECT_EQ(card->control("txtNote")->accessibleName(), "Note");
    EXPECT_EQ(card->control("chkTerminato")->toolTip(),
              "Spunta questa casella per annotare che l'intervento è stato completato.");
}

}  // namespace
}  // namespace custovia
