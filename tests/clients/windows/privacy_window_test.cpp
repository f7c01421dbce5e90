// The privacy form: the firm's settings file and the RTF document.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "archive/ini_file.h"
#include "clients/windows/TfrmPrivacy.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class PrivacyWindow : public ::testing::Test {
protected:
    void open() {
        form = std::make_unique<TfrmPrivacy>(fake.env(), nullptr);
        form->show();
        QApplication::setActiveWindow(form.get());
    }
    void press(const char* name) { form->findChild<QPushButton*>(name)->click(); }
    std::filesystem::path ini() const { return fake.folder() / "Liberatoria_Privacy.ini"; }
    std::filesystem::path rtf() const { return fake.folder() / "Modulo_Privacy.rtf"; }

    FakeEnvironment fake;
    std::unique_ptr<TfrmPrivacy> form;
};

TEST_F(PrivacyWindow, ChiudiWritesTheTenKeysInTheirOrderAndTheNextOpeningReadsThem) {
    open();
    EXPECT_EQ(form->windowTitle(), " Esporta e stampa Modulo Privacy");
    EXPECT_EQ(form->fieldText("txtStudioDent"), "");
    const std::vector<std::pair<QString, QString>> values{{"txtStudioDent", "  Vigilanza Sicura srl "},
                                                          {"txtTelDent", "Neri Paolo"},
                                                          {"txtIvaDent", "01234567897"},
                                                          {"txtCodFiscDent", "NREPLA70A01A944X"},
                                                          {"txtCittaDent", "Bologna"},
                                                          {"txtProvDent", "BO"},
                                                          {"txtIndirizzoDent", "Via Emilia 5"},
                                                          {"txtCapDent", "40100"},
                                                          {"txtPrivacy", "Neri Anna"},
                                                          {"txtLuogo", "Bologna"}};
    for (const auto& [name, value] : values) form->setFieldText(name, value);
    press("btnChiudi");
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(test::readBytes(ini()),
              "[Modulo Privacy]\r\nDenominazione Impresa=Vigilanza Sicura srl\r\nComune Sede=Bologna\r\n"
              "Provincia Sede=BO\r\nCap Sede=40100\r\nVia Sede=Via Emilia 5\r\nCodice Fiscale "
              "Impresa=NREPLA70A01A944X\r\nPartita Iva Impresa=01234567897\r\nRappresentante Legale=Neri "
              "Paolo\r\nTitolare Privacy=Neri Anna\r\nLuogo=Bologna\r\n");
    open();
    EXPECT_EQ(form->fieldText("txtStudioDent"), "Vigilanza Sicura srl");
    EXPECT_EQ(form->fieldText("txtProvDent"), "BO");
    form->reject();  // closing any other way writes nothing
    EXPECT_EQ(readIniString(ini(), "Modulo Privacy", "Luogo"), "Bologna");
}

TEST_F(PrivacyWindow, ASettingsFileThatCannotBeWrittenWarnsAndStillCloses) {
    std::filesystem::create_directory(ini());
    open();
    form->setFieldText("txtStudioDent", "Vigilanza");
    press("btnChiudi");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_TRUE(fake.messages.last().text.startsWith("Attenzione: il sistema non permette di salvare"));
    EXPECT_FALSE(form->isVisible());
}

TEST_F(PrivacyWindow, ASettingsFileThatCannotBeCreatedInAReadOnlyFolderWarns) {
    fake.files.folderRefusesNewFiles = true;
    open();
    form->setFieldText("txtStudioDent", "Vigilanza");
    press("btnChiudi");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_TRUE(fake.messages.last().text.startsWith("Attenzione: il sistema non permette di salvare"));
    EXPECT_FALSE(std::filesystem::exists(ini()));
}

TEST_F(PrivacyWindow, ACrashWhileWritingLeavesTheWholeOldDocument) {
    const std::string earlier = "{\\rtf1 modulo di prima}";
    for (const bool readOnlyFolder : {false, true}) {
        for (const int changes : {0, 1}) {  // before anything was written, and half-way
            const std::string label = std::to_string(readOnlyFolder) + " " + std::to_string(changes);
            test::writeBytes(rtf(), earlier);
            fake.files.folderRefusesNewFiles = readOnlyFolder;
            fake.files.changesBeforeCrash = changes;
            open();
            fake.messages.answer({true});
            press("btnRTF");
            EXPECT_TRUE(fake.files.crashed) << label;
            EXPECT_EQ(fake.messages.last().kind, "plain") << label;
            const std::string left = test::readBytes(rtf());
            EXPECT_EQ(left.substr(0, left.find_last_not_of(' ') + 1), earlier) << label;
            fake.files = test::FaultyFiles{};
        }
    }
}

TEST_F(PrivacyWindow, ACrashWhileClosingLeavesAllTheOldSettingsOrAllTheNew) {
    const std::string earlier = "[Modulo Privacy]\r\nDenominazione Impresa=Ronda\r\nLuogo=Imola\r\n";
    using Firm = std::pair<std::string, std::string>;
    for (const bool readOnlyFolder : {false, true}) {
        fake.files.folderRefusesNewFiles = readOnlyFolder;
        const int runs = test::crashAtEveryMoment(
            fake.files,
            [&] {
                test::writeBytes(ini(), earlier);
                open();
                form->setFieldText("txtStudioDent", "Vigilanza Sicura srl");
                form->setFieldText("txtLuogo", "Bologna");
                press("btnChiudi");
            },
            [&](int changes, bool crashed) {
                const Firm left{readIniString(ini(), "Modulo Privacy", "Denominazione Impresa"),
                                readIniString(ini(), "Modulo Privacy", "Luogo")};
                const Firm before{"Ronda", "Imola"}, after{"Vigilanza Sicura srl", "Bologna"};
                const std::string label = std::to_string(readOnlyFolder) + " " + std::to_string(changes);
                EXPECT_TRUE(left == before || left == after) << label;
                EXPECT_EQ(left, changes == 0 ? before : crashed ? left : after) << label;
                EXPECT_EQ(fake.messages.shown.size(), crashed ? 1u : 0u);
                fake.messages.clear();
            });
        EXPECT_GT(runs, 1);
    }
}

TEST_F(PrivacyWindow, TheDocumentIsWrittenOnlyOnYesAndOpenedOnTheSecondYes) {
    open();
    form->setFieldText("txtPaziente", "Rossi {Mario}");
    const QString ask =
        "Questa procedura esporterà il modulo per il consenso al trattamento dei dati personali in un "
        "documento in "
        "formato RTF.\r\n\r\nSi conferma la creazione del file?";
    const QString done =
        "Il file del modulo per il trattamento dei dati personali è stato creato con "
        "successo.\r\n\r\nSi vuole aprire il documento?";
    fake.messages.answer({false});
    press("btnRTF");
    EXPECT_FALSE(std::filesystem::exists(rtf()));
    fake.messages.answer({true, false});
    press("btnRTF");
    EXPECT_TRUE(std::filesystem::exists(rtf()));
    EXPECT_TRUE(fake.shell.opened.empty());
    fake.messages.answer({true, true});
    press("btnRTF");
    EXPECT_EQ(fake.messages.texts(), QStringList({ask, ask, done, ask, done}));
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"" + rtf().string() + "\""});
    const std::string bytes = test::readBytes(rtf());
    EXPECT_NE(bytes.find("Cliente Sig. \\b Rossi \\{Mario\\}\\b0 , nato a"), std::string::npos);
    EXPECT_EQ(bytes.find_first_of("\r\n"), std::string::npos);
}

TEST_F(PrivacyWindow, ADocumentThatCannotBeWrittenIsReported) {
    std::filesystem::create_directory(rtf());
    open();
    fake.messages.answer({true});
    press("btnRTF");
    EXPECT_EQ(fake.messages.last().kind, "plain");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il documento non sia "
        "già aperto.");
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(PrivacyWindow, FieldsTypeAsTheirRulesSay) {
    open();
    auto* vat = form->findChild<QLineEdit*>("txtIvaDent");
    QTest::keyClicks(vat, "01a2");
    EXPECT_EQ(vat->text(), "012");
    auto* code = form->findChild<QLineEdit*>("txtCodFisc");
    QTest::keyClicks(code, " rss");
    EXPECT_EQ(code->text(), "RSS");
    auto* province = form->findChild<QComboBox*>("txtProvNasc");
    province->setFocus();
    QTest::keyClicks(province, "fc");
    EXPECT_EQ(province->currentText(), "FC");
    // the Enter ring ends on the place and goes back to the firm's name
    form->findChild<QLineEdit*>("txtLuogo")->setFocus();
    QTest::keyClick(form->findChild<QLineEdit*>("txtLuogo"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), form->findChild<QLineEdit*>("txtStudioDent"));
}

}  // namespace
}  // namespace custovia
