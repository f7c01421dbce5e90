// The contract card editor as a user drives it: numbering, the save chain with the date rule,
// the fee, Duplicate, the check buttons, printing what is on screen, and the firm's current
// data kept apart from the contracts browsed.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/archive.h"
#include "archive/ini_file.h"
#include "contracts/contracts.h"
#include "contracts/windows/TfrmContratto.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class ContrattoTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmContratto>(fake.env());
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    void set(const char* name, const QString& value) { card->setFieldText(name, value); }
    void fillRequired() {
        set("txtDitta", "Vigilanza Notturna Srl");
        set("txtCliente", "ROSSI SPA");
        set("txtNumContratto", "12");
        set("txtData", "03/05/2025");
    }
    void click(const char* button) { card->findChild<QToolButton*>(button)->click(); }
    // Clicks a button that opens a per-use window and hands that window to look().
    void openFrom(const char* button, const std::function<void(QDialog*)>& look) {
        test::openModalFrom(card->findChild<QToolButton*>(button), look);
    }
    std::filesystem::path archiveFile() const { return fake.folder() / "Contratti.pro"; }
    std::filesystem::path ini() const { return fake.folder() / "Contratti.ini"; }
    std::string firm(const char* key) { return readIniString(ini(), "Istituto Vigilanza", key); }
    void storeContracts(int count) {
        Archive archive(archiveFile(), contractLayout());
        for (int i = 0; i < count; ++i) {
            Record r(contractLayout());
            r.set("txtCliente", "Cliente " + std::to_string(i + 1));
            r.set("txtDitta", "Ditta di allora");
            r.set("txtLuogo", "Luogo di allora");
            archive.append(r);
        }
    }

    FakeEnvironment fake;
    std::unique_ptr<TfrmContratto> card;
};

TEST_F(ContrattoTest, NewNumbersFromTheStartPlusTheArchivedContracts) {
    EXPECT_EQ(card->windowTitle(), " Custovia - Stesura Contratti");
    EXPECT_EQ(card->fieldText("txtNumContratto"), "");  // nothing proposed on show
    EXPECT_EQ(card->fieldText("txtData"), "15/05/2024");
    EXPECT_EQ(card->fieldText("txtImpCanone"), "0,00");
    click("cmdNuovo");
    EXPECT_EQ(card->fieldText("txtNumContratto"), "1");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCliente"));
    fillRequired();
    set("txtNumContratto", "1");
    click("cmdSalva");
    EXPECT_EQ(card->position(), "1");
    click("cmdNuovo");
    EXPECT_EQ(card->fieldText("txtNumContratto"), "2");
    EXPECT_EQ(card->position(), "");

    storeContracts(3);
    writeIniString(ini(), "Numerazione Contratti", "Inizio", "250");
    click("cmdNuovo");
    EXPECT_EQ(card->fieldText("txtNumContratto"), "254");
}

TEST_F(ContrattoTest, AStartNumberThatDoesNotReadNumbersFromOne) {
    storeContracts(3);
    for (const char* start : {"-7", "abc", "12a", "1,5", "123456", "99999999999999999999"}) {
        writeIniString(ini(), "Numerazione Contratti", "Inizio", start);
        set("txtCliente", "ROSSI SPA");
        click("cmdNuovo");
        EXPECT_EQ(card->fieldText("txtNumContratto"), "4") << start;
        EXPECT_EQ(card->fieldText("txtCliente"), "") << start;
    }
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ContrattoTest, SaveChecksTheRequiredFieldsThenTheDate) {
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: per salvare la scheda è necessario indicare la denominazione dell'Istituto di "
              "Vigilanza.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtDitta"));
    fillRequired();
    set("txtData", "31/02/2024");
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: la data indicata non esiste.\n\r\n\rPer poter salvare la scheda è necessario "
              "indicare una data valida nel formato gg/mm/anno.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtData"));
    EXPECT_FALSE(std::filesystem::exists(archiveFile()));

    set("txtData", "1/2/2024");
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text, "La scheda corrente è stata inserita in archivio.");
    EXPECT_EQ(Archive(archiveFile(), contractLayout()).load(0).get("txtData"), "1/2/2024");
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    EXPECT_EQ(Archive(archiveFile(), contractLayout()).count(), 1u);
}

TEST_F(ContrattoTest, TheFeeTakesDigitsAndACommaAndIsNormalisedOnLeavingAndBeforeSave) {
    auto* fee = qobject_cast<QLineEdit*>(card->control("txtImpCanone"));
    fee->setFocus();
    fee->clear();
    QTest::keyClicks(fee, "12a,3456.7");
    EXPECT_EQ(fee->text(), "12,34567");
    card->control("txtPagamento")->setFocus();
    EXPECT_EQ(fee->text(), "12,3457");
    EXPECT_EQ(fee->alignment() & Qt::AlignRight, Qt::AlignRight);

    fillRequired();
    fee->setFocus();
    fee->setText(",5");
    click("cmdSalva");  // the field being edited runs its rule before the card is stored
    EXPECT_EQ(Archive(archiveFile(), contractLayout()).load(0).get("txtImpCanone"), "0,50");
}

TEST_F(ContrattoTest, DuplicateWarnsOnANewCardAndKeepsTheAttachments) {
    click("cmdDuplica");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: questa funzione serve a duplicare un contratto che è già stato salvato in "
              "archivio.\n\r\n\rVisualizzare il contratto da duplicare e fare clic sul pulsante Duplica.");
    fillRequired();
    set("lblFile01", "firmato.pdf");
    set("lblDesc01", "Contratto firmato");
    click("cmdSalva");
    fake.clock.set({2025, 6, 1, 9, 0, 0});
    click("cmdDuplica");
    EXPECT_EQ(
        fake.messages.last().text,
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere "
        "Salva per inserire in archivio il nuovo contratto.");
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(card->fieldText("txtNumContratto"), "");
    EXPECT_EQ(card->fieldText("txtData"), "01/06/2025");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCliente"));
    set("txtNumContratto", "13");
    click("cmdSalva");
    EXPECT_EQ(card->position(), "2");
    const Record copy = Archive(archiveFile(), contractLayout()).load(1);
    EXPECT_EQ(copy.get("lblFile01"), "firmato.pdf");
    EXPECT_EQ(copy.get("lblDesc01"), "Contratto firmato");
    EXPECT_EQ(copy.get("txtCliente"), "ROSSI SPA");
}

TEST_F(ContrattoTest, TheFirmsCurrentDataSurviveBrowsingOldContracts) {
    card->close();
    writeIniString(ini(), "Istituto Vigilanza", "Denominazione", "Ditta attuale");
    writeIniString(ini(), "Istituto Vigilanza", "Luogo Stipula", "Bologna");
    storeContracts(2);
    card->show();
    EXPECT_EQ(card->fieldText("txtDitta"), "Ditta attuale");
    EXPECT_EQ(card->fieldText("txtLuogo"), "Bologna");

    // the user types a new legal representative
    card->control("txtFax")->setFocus();
    QTest::keyClicks(card->control("txtFax"), "Anna Neri");
    card->control("txtProvRes")->setFocus();
    QTest::keyClicks(card->findChild<QComboBox*>("txtProvRes")->lineEdit(), "bo");
    click("cmdPrimo");
    EXPECT_EQ(card->fieldText("txtDitta"), "Ditta di allora");
    click("cmdUltimo");
    click("cmdNuovo");  // New leaves the firm's fields on screen as they are
    EXPECT_EQ(card->fieldText("txtDitta"), "Ditta di allora");
    EXPECT_EQ(card->fieldText("txtFax"), "");
    click("cmdPrimo");
    card->close();
    EXPECT_EQ(firm("Denominazione"), "Ditta attuale");
    EXPECT_EQ(firm("Luogo Stipula"), "Bologna");
    EXPECT_EQ(firm("Responsabile"), "Anna Neri");
    EXPECT_EQ(firm("Provincia"), "BO");
    EXPECT_EQ(firm("Partita Iva"), "");  // every key is written, empty ones too
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ContrattoTest, FirmDataEnteredOtherwiseThanByKeysAreKeptToo) {
    auto* name = qobject_cast<QLineEdit*>(card->control("txtDitta"));
    auto* phone = qobject_cast<QLineEdit*>(card->control("txtTelUff"));
    auto* province = card->findChild<QComboBox*>("txtProvRes")->lineEdit();
    // a screen reader's insertion
    for (QLineEdit* edit : {name, province}) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(edit);
        ASSERT_NE(accessible, nullptr);
        ASSERT_NE(accessible->editableTextInterface(), nullptr);
        accessible->editableTextInterface()->insertText(0, edit == name ? "Ronda Srl" : "FC");
    }
    // an input method's commit
    phone->setFocus();
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("051 123456"));
    QCoreApplication::sendEvent(phone, &composed);
    // the clipboard through the context menu's Paste
    QApplication::clipboard()->setText(QStringLiteral("pec@ronda.it"));
    qobject_cast<QLineEdit*>(card->control("txtTelCel"))->paste();
    EXPECT_EQ(card->fieldText("txtDitta"), "Ronda Srl");
    EXPECT_EQ(card->fieldText("txtTelUff"), "051 123456");
    card->close();
    EXPECT_EQ(firm("Denominazione"), "Ronda Srl");
    EXPECT_EQ(firm("Provincia"), "FC");
    EXPECT_EQ(firm("Telefono"), "051 123456");
    EXPECT_EQ(firm("PEC"), "pec@ronda.it");
}

TEST_F(ContrattoTest, ACrashWhileClosingLeavesAllTheOldFirmDataOrAllTheNew) {
    card->close();
    writeIniString(ini(), "Istituto Vigilanza", "Denominazione", "Ditta di prima");
    writeIniString(ini(), "Istituto Vigilanza", "Responsabile", "Paolo Neri");
    const std::string old = test::readBytes(ini());
    using Firm = std::pair<std::string, std::string>;
    for (const bool readOnlyFolder : {false, true}) {
        fake.files.folderRefusesNewFiles = readOnlyFolder;
        test::crashAtEveryMoment(
            fake.files,
            [&] {
                test::writeBytes(ini(), old);
                card->show();
                set("txtDitta", "Ronda Srl");
                set("txtFax", "Anna Bianchi");
                card->close();
            },
            [&](int changes, bool crashed) {
                const Firm left{firm("Denominazione"), firm("Responsabile")};
                const Firm before{"Ditta di prima", "Paolo Neri"}, after{"Ronda Srl", "Anna Bianchi"};
                const std::string label = std::to_string(readOnlyFolder) + " " + std::to_string(changes);
                EXPECT_TRUE(left == before || left == after) << label;
                EXPECT_EQ(left, changes == 0 ? before : crashed ? left : after) << label;
                // a crash is reported as a failed write, whatever it left
                EXPECT_EQ(fake.messages.shown.size(), crashed ? 1u : 0u) << label;
                fake.messages.clear();
            });
    }
}

TEST_F(ContrattoTest, ASettingsFileThatCannotBeWrittenIsReportedOnClosing) {
    const auto folderWhereTheFileShouldBe = [this] { std::filesystem::create_directory(ini()); };
    const auto readOnlyFolder = [this] { fake.files.folderRefusesNewFiles = true; };
    for (const auto& fault :
         {std::function<void()>(folderWhereTheFileShouldBe), std::function<void()>(readOnlyFolder)}) {
        card->show();
        fault();
        card->close();
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().kind, "warning");
        EXPECT_EQ(fake.messages.last().text,
                  "Attenzione: non è stato possibile memorizzare i dati dell'Istituto di Vigilanza.\n\r\n\r"
                  "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del "
                  "programma.");
        EXPECT_FALSE(card->isVisible());
        EXPECT_FALSE(std::filesystem::is_regular_file(ini()));
        std::filesystem::remove(ini());
        fake.messages.shown.clear();
    }
}

TEST_F(ContrattoTest, EnterWalksTheRingAndTheListsOfferTheirValues) {
    card->control("txtOpEsc04")->setFocus();
    QTest::keyClick(card->control("txtOpEsc04"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtDitta"));
    // through the combos too: a province and a list of values
    const std::pair<const char*, const char*> steps[] = {{"txtSede", "txtCapRes"},
                                                         {"txtTelCli", "txtTipoImpianto"}};
    for (const auto& [from, to] : steps) {
        card->control(from)->setFocus();
        for (int i = 0; i < 2; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), to) << from;
    }
    auto* periods = card->findChild<QComboBox*>("txtPeriodicita");
    ASSERT_NE(periods, nullptr);
    EXPECT_EQ(periods->count(), 7);
    EXPECT_EQ(periods->itemText(5), "Tarriffa oraria");
    periods->setCurrentIndex(5);
    EXPECT_EQ(card->fieldText("txtPeriodicita"), "Tarriffa oraria");
    set("txtQualitaCli", "Ogni tre giorni");  // free text is kept
    EXPECT_EQ(card->fieldText("txtQualitaCli"), "Ogni tre giorni");

    auto* province = card->findChild<QComboBox*>("txtProvCli");
    ASSERT_NE(province, nullptr);
    EXPECT_EQ(province->count(), 112);
    province->setFocus();
    QTest::keyClicks(province->lineEdit(), "fc");
    EXPECT_EQ(card->fieldText("txtProvCli"), "FC");
}

TEST_F(ContrattoTest, TheCardReadsAsFramedSections) {
    const std::pair<const char*, QString> sections[] = {
        {"txtDitta", "Istituto di Vigilanza"},
        {"cmdLogo", "Istituto di Vigilanza"},
        {"txtNumContratto", "Contratto"},
        {"btnData", "Contratto"},
        {"txtCliente", "Cliente"},
        {"txtImpCanone", "Sito vigilato e condizioni del contratto"},
        {"txtOpInc04",
         "ATTIVITA' COMPRESE NEL CONTRATTO (es. vigilanza fissa, vigilanza ispettiva con "
         "rondaggio, televigilanza):"},
        {"txtOpEsc01",
         "ATTIVITA' ESCLUSE DAL CONTRATTO (es. ispezioni all'interno dei locali, interventi al "
         "di fuori degli orari contrattuali):"},
    };
    for (const auto& [name, title] : sections) {
        auto* widget = card->findChild<QWidget*>(name);
        ASSERT_NE(widget, nullptr) << name;
        auto* frame = qobject_cast<QGroupBox*>(widget->parentWidget());
        ASSERT_NE(frame, nullptr) << name;
        EXPECT_EQ(frame->title(), title) << name;
    }
}

TEST_F(ContrattoTest, TheTaxCodeButtonsChooseTheCheckByTheCode) {
    set("txtCodFiscCli", "01234567890");
    openFrom("btnCodFiscCli", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmPartitaIva"); });
    set("txtCodFiscCli", "RSSMRA80A01A944I");
    openFrom("btnCodFiscCli", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmCodFisc"); });
    set("txtPartitaIva", "01234567890");
    openFrom("btnPartitaIva", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmPartitaIva"); });
}

TEST_F(ContrattoTest, PrintsTheUnsavedCardAsItIsOnScreen) {
    fillRequired();
    set("txtTelCli", "");
    set("txtImpCanone", "1500,00");
    openFrom("cmdStampa", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmStampaCon");
        w->findChild<QPushButton*>("btnStampa")->click();
    });
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs[0]);
    EXPECT_NE(text.find("ROSSI SPA"), std::string::npos);
    EXPECT_NE(text.find("1500,00"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(archiveFile()));
}

}  // namespace
}  // namespace custovia
