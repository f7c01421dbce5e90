// The client card editor as a user drives it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/archive.h"
#include "clients/clients.h"
#include "clients/services.h"
#include "clients/windows/TfrmClienti.h"
#include "clients/windows/TfrmPrivacy.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class ClientiTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmClienti>(fake.env());
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    void set(const char* name, const QString& value) { card->setFieldText(name, value); }
    void fillRequired() {
        set("txtCliente", "Rossi Mario");
        set("txtTelCel", "3331234567");
        set("txtCodFisc", "RSSMRA80A01H501U");
    }
    std::filesystem::path archiveFile() const { return fake.folder() / "Contatti.pro"; }
    void click(const char* button) {
        auto* b = card->findChild<QToolButton*>(button);
        ASSERT_NE(b, nullptr) << button;
        b->click();
    }
    // Clicks a button that opens a per-use window and hands that window to look().
    void openFrom(const char* button, const std::function<void(QDialog*)>& look) {
        test::openModalFrom(card->findChild<QToolButton*>(button), look);
    }

    FakeEnvironment fake;
    std::unique_ptr<TfrmClienti> card;
};

TEST_F(ClientiTest, SaveAsksForNameMobileAndTaxCodeInThatOrder) {
    EXPECT_EQ(card->windowTitle(), " Custovia - Clienti e Servizi");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCliente"));
    const QString name = "Attenzione: per salvare la scheda è necessario indicare il nome del cliente.";
    const QString mobile =
        "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.";
    const QString code =
        "Attenzione: per salvare la scheda è necessario indicare il codice fiscale del cliente.";
    set("txtCodFisc", "RSSMRA80A01H501U");
    click("cmdSalva");
    set("txtCliente", "  ");  // blanks only count as empty
    click("cmdSalva");
    set("txtCliente", "Rossi");
    click("cmdSalva");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtTelCel"));
    set("txtTelCel", "333");
    set("txtCodFisc", "");
    click("cmdSalva");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCodFisc"));
    EXPECT_EQ(fake.messages.texts(), QStringList({name, name, mobile, code}));
    EXPECT_FALSE(std::filesystem::exists(archiveFile()));
}

TEST_F(ClientiTest, ANewCardCreatesTheArchiveAndALoadedCardIsRewrittenInPlace) {
    fillRequired();
    set("txtNote", "  nota con spazi  ");
    card->findChild<QCheckBox*>("chkRicontatta")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(card->position(), "1");
    EXPECT_EQ(fake.messages.last().text, "La scheda corrente è stata inserita in archivio.");
    std::string bytes = test::readBytes(archiveFile());
    ASSERT_EQ(bytes.size(), 3372u);
    EXPECT_EQ(bytes.substr(1863, 3), std::string("\x02S\xEC"));
    EXPECT_EQ(bytes.substr(1612, 15), std::string("\x0Enota con spazi"));

    for (int i = 2; i <= 8; ++i) {
        click("cmdNuovo");
        EXPECT_EQ(card->fieldText("chkRicontatta"), "No");
        fillRequired();
        set("txtCliente", QString("Cliente %1").arg(i));
        click("cmdSalva");
    }
    EXPECT_EQ(card->position(), "8");
    click("cmdPrimo");
    for (int i = 0; i < 6; ++i) click("cmdAvanti");
    EXPECT_EQ(card->position(), "7");
    set("txtZona", "Centro");
    card->findChild<QCheckBox*>("chkRicontatta")->setChecked(false);
    click("cmdSalva");
    EXPECT_EQ(card->position(), "7");
    EXPECT_EQ(fake.messages.last().text,
              "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    bytes = test::readBytes(archiveFile());
    ASSERT_EQ(bytes.size(), 8 * 3372u);
    const Record seventh = Archive(archiveFile(), clientLayout()).load(6);
    EXPECT_EQ(seventh.get("txtCliente"), "Cliente 7");
    EXPECT_EQ(seventh.get("txtZona"), "Centro");
    EXPECT_EQ(bytes.substr(6 * 3372 + 1863, 3), std::string("\x02No"));
}

TEST_F(ClientiTest, FieldsTypeAsTheirRulesSay) {
    auto* mobile = qobject_cast<QLineEdit*>(card->control("txtTelCel"));
    QTest::keyClicks(mobile, "33a3b");
    EXPECT_EQ(mobile->text(), "333");
    auto* vat = qobject_cast<QLineEdit*>(card->control("txtPartitaIva"));
    QTest::keyClicks(vat, "12x34567890123");
    EXPECT_EQ(vat->text(), "12345678901");
    auto* province = qobject_cast<QComboBox*>(card->control("txtProvRes"));
    ASSERT_NE(province, nullptr);
    EXPECT_EQ(province->count(), 112);
    province->setFocus();
    QTest::keyClicks(province, "zz");
    EXPECT_EQ(province->currentText(), "ZZ");
    auto* code = qobject_cast<QLineEdit*>(card->control("txtCodFisc"));
    QTest::keyClicks(code, " rss");
    EXPECT_EQ(code->text(), "RSS");
    EXPECT_EQ(qobject_cast<QLineEdit*>(card->control("txtEstremi"))->maxLength(), 250);
    // Enter runs the ring from the last field back to the first
    card->control("txtNote")->setFocus();
    QTest::keyClick(card->control("txtNote"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCliente"));
}

TEST_F(ClientiTest, TheTaxCodeButtonOpensTheVatCheckForAnAllDigitCode) {
    struct Case {
        QString typed;
        QString window;
        QString input;
    };
    for (const Case& c :
         {Case{" 01234567897 ", "TfrmPartitaIva", "txtPartitaIva"},
          Case{"RSSMRA80A01H501U", "TfrmCodFisc", "txtCodFisc"}, Case{"", "TfrmCodFisc", "txtCodFisc"}}) {
        set("txtCodFisc", c.typed);
        openFrom("btnCodFisc", [&](QDialog* w) {
            EXPECT_EQ(w->objectName(), c.window);
            EXPECT_EQ(w->findChild<QLineEdit*>(c.input)->text(), c.typed.trimmed());
        });
    }
    set("txtIban", "IT60X0542811101000000123456");
    openFrom("btnIban", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmIban");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtIban")->text(), "IT60X0542811101000000123456");
    });
    set("txtCarta", "4111111111111111");
    openFrom("btnCarta", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmCarta"); });
    set("txtPartitaIva", "01234567897");
    openFrom("btnPartitaIva", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmPartitaIva"); });
    EXPECT_EQ(card->fieldText("txtCodFisc"), "");  // the checks never write back
}

TEST_F(ClientiTest, TheEmailButtonEncodesTheAddress) {
    set("txtEmail", "a?subject=x@x.it");
    click("btnEmail");
    fillRequired();
    click("cmdSalva");
    set("txtEmail", "");
    click("btnEmail");
    EXPECT_EQ(fake.shell.opened,
              (std::vector<std::string>{"\"mailto:a%3Fsubject%3Dx@x.it\"", "\"mailto:\""}));
    // the register holds the address as typed, of the unsaved card and then of card 1
    EXPECT_EQ(fake.registered(),
              (std::vector<std::string>{
                  "15/05/2024 | 10:07:03 | Clienti e Servizi |  | e-mail | a?subject=x@x.it | ",
                  "15/05/2024 | 10:07:03 | Clienti e Servizi | 1 | e-mail |  | "}));
}

TEST_F(ClientiTest, ServicesNeedASavedCardWithAName) {
    set("txtCliente", "Rossi Mario");
    click("btnProve");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: il riepilogo dei servizi può essere visualizzato soltanto "
              "dopo aver salvato la scheda del cliente.");
    EXPECT_FALSE(std::filesystem::exists(fake.folder() / "Servizi_Cliente_1.pro"));
    fillRequired();
    click("cmdSalva");
    set("txtCliente", "");
    click("btnProve");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: per visualizzare il riepilogo dei servizi è necessario indicare il nome del cliente.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCliente"));
    set("txtCliente", "Rossi Mario");
    openFrom("btnProve", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmAllegaExcel");
        EXPECT_EQ(w->findChild<QLabel*>("lblTitolo")->text(), "Servizi forniti a Rossi Mario");
    });
    EXPECT_TRUE(std::filesystem::exists(fake.folder() / "Servizi_Cliente_1.pro"));
}

TEST_F(ClientiTest, ThePrivacyFormTakesTheClientAndToday) {
    set("txtCliente", " Rossi Mario ");
    set("txtIndirizzoRes", "Via Roma 1");
    set("txtProvNasc", "FC");
    set("txtRecapito", "051 123456");
    fake.clock.set({2025, 3, 3, 9, 5, 7});
    openFrom("btnPrivacy", [](QDialog* w) {
        auto* form = qobject_cast<TfrmPrivacy*>(w);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->fieldText("txtPaziente"), "Rossi Mario");
        EXPECT_EQ(form->fieldText("txtIndirizzo"), "Via Roma 1");
        EXPECT_EQ(form->fieldText("txtProvNasc"), "FC");
        EXPECT_EQ(form->fieldText("txtRecapito"), "051 123456");
        EXPECT_EQ(form->fieldText("txtData"), "03/03/2025");
    });
}

TEST_F(ClientiTest, ThePrintedCardNamesTheFirstRowByWhereItGoes) {
    fillRequired();
    set("txtScadeCarta", "12/27");
    click("cmdStampa");
    click("cmdAnteprima");
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 2u);
    const std::string paper = test::pdfText(fake.printDialogs.pdfs[0]);
    const std::string preview = test::pdfText(fake.printDialogs.pdfs[1]);
    EXPECT_NE(paper.find("Cognome e nome (o Ragione sociale):"), std::string::npos);
    EXPECT_NE(paper.find("SCHEDA ANAGRAFICA CLIENTE"), std::string::npos);
    EXPECT_NE(paper.find("N. - Scadenza: 12/27"), std::string::npos);  // pdftotext joins the blanks
    EXPECT_EQ(preview.find("Ragione sociale"), std::string::npos);
    EXPECT_NE(preview.find("Cognome e nome:"), std::string::npos);
}

TEST_F(ClientiTest, CreaPdfWritesContattoPdfAndOffersToOpenIt) {
    fillRequired();
    fake.messages.answer({true, false});
    click("cmdPDF");
    set("txtCliente", "Verdi Carla");
    click("cmdPDF");  // overwritten without asking
    const std::filesystem::path pdf = fake.folder() / "Contatto.pdf";
    const QString done =
        "L'esportazione della scheda in PDF è terminata con successo.\r\n\r\nSi vuole aprire il file?";
    EXPECT_EQ(fake.messages.texts(), QStringList({done, done}));
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"" + pdf.string() + "\""});
    const std::string text = test::pdfText(pdf);
    EXPECT_NE(text.find("Verdi Carla"), std::string::npos);
    EXPECT_NE(text.find("Cognome e nome:"), std::string::npos);
    EXPECT_EQ(text.find("Rossi Mario"), std::string::npos);
}

TEST_F(ClientiTest, APdfThatCannotBeWrittenIsNeverReportedAsSuccess) {
    std::filesystem::create_directory(fake.folder() / "Contatto.pdf");  // as if held open
    click("cmdPDF");
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                          "documento non sia già aperto."});
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(ClientiTest, APdfThatFailsOrIsCutShortLeavesTheEarlierOneWhole) {
    const std::filesystem::path pdf = fake.folder() / "Contatto.pdf";
    const std::string earlier = "%PDF-1.4 the earlier card %%EOF";
    const struct {
        const char* label;
        bool readOnlyFolder;
        int goodWrites;
        bool flushFails;
        int changesBeforeCrash;
    } faults[] = {
        {"a full disk", false, 0, false, -1},
        {"the last data never reach the disk", false, -1, true, -1},
        {"a crash before the rename", false, -1, false, 1},
        {"a full disk in a read-only folder", true, 0, false, -1},
        {"a crash while rewriting in place", true, -1, false, 1},
    };
    fillRequired();
    for (const auto& f : faults) {
        test::writeBytes(pdf, earlier);
        fake.files.folderRefusesNewFiles = f.readOnlyFolder;
        fake.files.writesBeforeFailure = f.goodWrites;
        fake.files.flushFails = f.flushFails;
        fake.files.changesBeforeCrash = f.changesBeforeCrash;
        click("cmdPDF");
        EXPECT_EQ(
            fake.messages.texts(),
            QStringList{"Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il "
                        "documento non sia già aperto."})
            << f.label;
        const std::string left = test::readBytes(pdf);
        EXPECT_EQ(left.substr(0, left.find_last_not_of(' ') + 1), earlier) << f.label;
        for (const auto& entry : std::filesystem::directory_iterator(fake.folder()))
            EXPECT_NE(entry.path().extension(), ".tmp") << f.label;
        fake.files = test::FaultyFiles{};
        fake.messages.clear();
    }
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(ClientiTest, SearchLoadsTheChosenClientAndRecontactListFollowsTheBox) {
    fillRequired();
    set("txtQuestioni", "rinnovo");
    card->findChild<QCheckBox*>("chkRicontatta")->setChecked(true);
    click("cmdSalva");
    click("cmdNuovo");
    auto rowsOf = [](QDialog* w) { return w->findChild<QListView*>("lstRecords")->model()->rowCount(); };
    openFrom("cmdTrova", [&](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmTrovaClienti");
        QTest::keyClicks(w->findChild<QLineEdit*>("txtCliente"), "ROSSI");
        w->findChild<QPushButton*>("btnCerca")->click();
        ASSERT_EQ(rowsOf(w), 1);
        auto* list = w->findChild<QListView*>("lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    EXPECT_EQ(card->position(), "1");
    EXPECT_EQ(card->fieldText("txtCliente"), "Rossi Mario");
    EXPECT_EQ(card->fieldText("chkRicontatta"), "Sì");
    openFrom("cmdRicontatta", [&](QDialog* w) { EXPECT_EQ(rowsOf(w), 1); });
    card->findChild<QCheckBox*>("chkRicontatta")->setChecked(false);
    click("cmdSalva");
    openFrom("cmdRicontatta", [&](QDialog* w) { EXPECT_EQ(rowsOf(w), 0); });
}

}  // namespace
}  // namespace custovia
