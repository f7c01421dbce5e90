// The attachments window over a small card editor: copying into the shared folder, opening,
// removing, and handing the six values back to the card.
#include <gtest/gtest.h>

#include <QTest>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "archive/windows/CardEditor.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "fakes.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeEnvironment;
using test::readBytes;
using test::writeBytes;

const RecordLayout kLayout{{"txtNome", 20},    {"lblFile01", 250}, {"lblFile02", 250}, {"lblFile03", 250},
                           {"lblDesc01", 250}, {"lblDesc02", 250}, {"lblDesc03", 250}};

const QString kOverwrite =
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\n"
    "Si vuole sovrascrivere il file esistente?";

CardConfig cardWithAttachments() {
    CardConfig c;
    c.objectName = "TfrmProva";
    c.areaTag = "prova";
    c.archiveFile = "Prova.pro";
    c.layout = &kLayout;
    c.fields = {{"txtNome", "Nome:"}};
    for (const QString& name : kAttachmentLabels) c.fields.push_back({name, "", FieldControl::Hidden});
    return c;
}

QString q(const fs::path& p) { return QString::fromStdString(p.string()); }

class AttachmentsWindowTest : public ::testing::Test {
protected:
    // Opens the window over the card as it is now (the card editor opens it the same way).
    TfrmAllegaCartella& open(const QString& tag = "prova") {
        window = std::make_unique<TfrmAllegaCartella>(fake.env(), nullptr, tag);
        return *window;
    }
    QLineEdit* edit(const QString& name) { return window->findChild<QLineEdit*>(name); }
    QPushButton* button(const QString& name) { return window->findChild<QPushButton*>(name); }
    void browse(int slot, const fs::path& chosen) {
        fake.fileDialogs.choose({q(chosen)});
        button(QString("btnSfoglia0%1").arg(slot))->click();
    }
    // A file outside the program folder, as the user would pick it.
    fs::path source(const std::string& name, const std::string& bytes) {
        fs::create_directories(fake.folder() / "scelti");
        const fs::path p = fake.folder() / "scelti" / name;
        writeBytes(p, bytes);
        return p;
    }
    fs::path attachments() { return fake.folder() / "Documenti_Allegati"; }
    fs::path stored(const std::string& name) { return attachments() / name; }

    FakeEnvironment fake;
    CardEditor editor{fake.env(), cardWithAttachments()};
    std::unique_ptr<TfrmAllegaCartella> window;
};

TEST_F(AttachmentsWindowTest, ShowsTheCardsValuesTrimmedAndAppliesThemBackTrimmed) {
    editor.setFieldText("lblFile01", "  contratto.pdf ");
    editor.setFieldText("lblDesc01", " Contratto firmato ");
    editor.setFieldText("lblDesc03", "solo descrizione");
    open();
    EXPECT_EQ(edit("txtFile01")->text(), "contratto.pdf");
    EXPECT_EQ(edit("txtDesc01")->text(), "Contratto firmato");
    EXPECT_TRUE(button("btnApri01")->isEnabled());
    EXPECT_FALSE(button("btnApri03")->isEnabled());

    edit("txtDesc02")->setText("  Documento d'identità  ");
    edit("txtDesc01")->setText("cambiata");
    button("btnAnnulla")->click();  // nothing reaches the card
    EXPECT_EQ(editor.fieldText("lblDesc01"), " Contratto firmato ");
    EXPECT_EQ(window->result(), QDialog::Rejected);

    open();
    edit("txtDesc02")->setText("  Documento d'identità  ");
    button("btnApplica")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
    EXPECT_EQ(editor.fieldText("lblFile01"), "contratto.pdf");
    EXPECT_EQ(editor.fieldText("lblDesc01"), "Contratto firmato");
    EXPECT_EQ(editor.fieldText("lblDesc02"), "Documento d'identità");
    EXPECT_EQ(editor.fieldText("lblDesc03"), "solo descrizione");
    EXPECT_FALSE(fs::exists(fake.folder() / "Prova.pro"));  // the card's save stores them

    open("sconosciuto");  // no card behind the tag: the window starts empty and just closes
    EXPECT_EQ(edit("txtFile01")->text(), "");
    button("btnApplica")->click();
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(AttachmentsWindowTest, BrowseCopiesTheFileIntoAFolderCreatedWithItsParents) {
    Environment elsewhere = fake.env();
    elsewhere.folder = fake.folder() / "non" / "ancora";
    const fs::path chosen = source("Carta d'identità.jpg", "JPEG");
    window = std::make_unique<TfrmAllegaCartella>(elsewhere, nullptr, "prova");
    browse(2, chosen);
    EXPECT_EQ(fake.fileDialogs.titles, QStringList{"Selezionare il file da allegare:"});
    EXPECT_EQ(fake.fileDialogs.filters, QStringList{"Tutti i file (*.*)"});
    EXPECT_EQ(edit("txtFile02")->text(), "Carta d'identità.jpg");
    EXPECT_TRUE(button("btnApri02")->isEnabled());
    EXPECT_EQ(readBytes(elsewhere.folder / "Documenti_Allegati" / "Carta d'identità.jpg"), "JPEG");
    EXPECT_EQ(readBytes(chosen), "JPEG");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(AttachmentsWindowTest, ASecondFileOfTheSameNameIsCopiedOnlyOnYes) {
    fs::create_directories(attachments());
    writeBytes(stored("verbale.pdf"), "vecchio");
    open();
    fake.messages.answer({false});
    browse(1, source("verbale.pdf", "nuovo"));
    EXPECT_EQ(fake.messages.texts(), QStringList{kOverwrite});
    EXPECT_EQ(fake.messages.last().kind, "question");
    EXPECT_EQ(edit("txtFile01")->text(), "verbale.pdf");  // refers to the file already there
    EXPECT_EQ(readBytes(stored("verbale.pdf")), "vecchio");

    fake.messages.answer({true});
    browse(3, source("verbale.pdf", "nuovo"));
    EXPECT_EQ(edit("txtFile03")->text(), "verbale.pdf");
    EXPECT_EQ(readBytes(stored("verbale.pdf")), "nuovo");
}

TEST_F(AttachmentsWindowTest, ChoosingTheFileAlreadyInTheFolderLeavesItIntact) {
    fs::create_directories(attachments());
    writeBytes(stored("planimetria.png"), "PNG data");
    open();
    browse(1, stored("planimetria.png"));  // no question: there is nothing to overwrite
    EXPECT_EQ(edit("txtFile01")->text(), "planimetria.png");
    EXPECT_EQ(readBytes(stored("planimetria.png")), "PNG data");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(AttachmentsWindowTest, CancelOrAFolderThatCannotBeMadeChangeNothingElse) {
    editor.setFieldText("lblFile01", "contratto.pdf");
    open();
    fake.fileDialogs.choose({""});
    button("btnSfoglia01")->click();
    EXPECT_EQ(edit("txtFile01")->text(), "contratto.pdf");
    EXPECT_FALSE(fs::exists(attachments()));

    writeBytes(fake.folder() / "Documenti_Allegati", "a file where the folder should be");
    browse(1, source("fattura.pdf", "x"));
    EXPECT_EQ(edit("txtFile01")->text(), "fattura.pdf");  // silent: the name stays
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_EQ(readBytes(fake.folder() / "Documenti_Allegati"), "a file where the folder should be");
}

TEST_F(AttachmentsWindowTest, ANameTheCardCannotHoldIsCopiedAsStoredOrRefusedWhenTooLong) {
    // characters Windows-1252 lacks: the copy and the card both take "_" for each, so "Apri"
    // finds the copy
    open();
    browse(1, source("Wrocław 合同.pdf", "PDF"));
    EXPECT_EQ(edit("txtFile01")->text(), "Wroc_aw __.pdf");
    EXPECT_EQ(readBytes(stored("Wroc_aw __.pdf")), "PDF");
    button("btnApri01")->click();
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"" + stored("Wroc_aw __.pdf").string() + "\""});

    // longer than the card's 250 characters: refused, nothing copied, the slot unchanged
    browse(2, source(std::string(247, 'x') + ".pdf", "PDF"));
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"Attenzione: il nome del file scelto supera i 250 caratteri e non può essere "
                          "memorizzato nella scheda.\r\n\r\nRinominare il file con un nome più breve e "
                          "ripetere l'operazione."});
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_EQ(edit("txtFile02")->text(), "");
    EXPECT_EQ(std::distance(fs::directory_iterator(attachments()), {}), 1);
}

TEST_F(AttachmentsWindowTest, RemoveEmptiesTheNameOnlyAndKeepsTheFile) {
    fs::create_directories(attachments());
    writeBytes(stored("foto.jpg"), "JPEG");
    editor.setFieldText("lblFile02", "foto.jpg");
    editor.setFieldText("lblDesc02", "Foto del sopralluogo");
    open();
    window->findChild<QToolButton*>("imgCancella02")->click();
    EXPECT_EQ(edit("txtFile02")->text(), "");
    EXPECT_FALSE(button("btnApri02")->isEnabled());
    EXPECT_EQ(edit("txtDesc02")->text(), "Foto del sopralluogo");
    button("btnApplica")->click();
    EXPECT_EQ(editor.fieldText("lblFile02"), "");
    EXPECT_EQ(editor.fieldText("lblDesc02"), "Foto del sopralluogo");
    EXPECT_TRUE(fs::exists(stored("foto.jpg")));
}

TEST_F(AttachmentsWindowTest, OpenHandsTheQuotedFullPathToTheShell) {
    editor.setFieldText("lblFile01", "Contratto firmato 2024.pdf");
    open();
    button("btnApri01")->click();
    const std::string expected = "\"" + stored("Contratto firmato 2024.pdf").string() + "\"";
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{expected});

    edit("txtFile01")->setText("   ");
    EXPECT_FALSE(button("btnApri01")->isEnabled());
}

TEST_F(AttachmentsWindowTest, ANameThatIsNotABareFileNameIsNeverOpened) {
    for (const char* name : {"..\\..\\Contatti.pro", "../Contatti.pro", "/etc/passwd", ".."}) {
        editor.setFieldText("lblFile01", name);
        open();
        EXPECT_TRUE(button("btnApri01")->isEnabled()) << name;
        button("btnApri01")->click();
        EXPECT_TRUE(fake.shell.opened.empty()) << name;
    }
}

TEST_F(AttachmentsWindowTest, EnterInAFieldPressesNoButton) {
    editor.setFieldText("lblFile01", "primo.pdf");
    open();
    window->show();
    QApplication::setActiveWindow(window.get());
    for (const char* name : {"txtDesc01", "txtDesc02", "txtFile03"}) {
        edit(name)->setFocus();
        QTest::keyClick(edit(name), Qt::Key_Return);
    }
    // no file dialog was asked for (an unused answer would fail the test) and slot 1 is intact
    EXPECT_TRUE(fake.fileDialogs.titles.isEmpty());
    EXPECT_EQ(edit("txtFile01")->text(), "primo.pdf");
    EXPECT_TRUE(window->isVisible());
    for (QPushButton* b : window->findChildren<QPushButton*>())
        EXPECT_FALSE(b->isDefault() || b->autoDefault());
}

TEST_F(AttachmentsWindowTest, CaptionsAndControlsAreAsTheUserReadsThem) {
    open();
    EXPECT_EQ(window->windowTitle(), " Allega file");
    EXPECT_EQ(window->findChild<QLabel*>("lblMemory")->text(), "prova");
    // a title bar without minimise and maximise buttons
    EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    for (int i = 1; i <= 3; ++i) {
        const QString n = QString::number(i);
        EXPECT_TRUE(edit("txtFile0" + n)->isReadOnly());
        EXPECT_EQ(edit("txtFile0" + n)->accessibleName(), "Nome " + n + "° file allegato");
        EXPECT_EQ(edit("txtDesc0" + n)->accessibleName(), "Descrizione " + n + "° file allegato");
        EXPECT_EQ(edit("txtDesc0" + n)->maxLength(), 250);
        EXPECT_EQ(button("btnSfoglia0" + n)->text(), "Sfoglia...");
        EXPECT_EQ(button("btnApri0" + n)->text(), "Apri");
        auto* remove = window->findChild<QToolButton*>("imgCancella0" + n);
        EXPECT_EQ(remove->accessibleName(), "Rimuovi " + n + "° file allegato");
        EXPECT_FALSE(remove->toolTip().isEmpty());
    }
    int buddies = 0;
    for (auto* label : window->findChildren<QLabel*>())
        if (label->buddy() == edit("txtDesc02")) {
            EXPECT_EQ(label->text(), "Descrizione 2° file allegato:");
            ++buddies;
        }
    EXPECT_EQ(buddies, 1);
    EXPECT_EQ(button("btnApplica")->text(), "Applica e chiudi");
    EXPECT_EQ(button("btnAnnulla")->text(), "Annulla");
}

}  // namespace
}  // namespace custovia
