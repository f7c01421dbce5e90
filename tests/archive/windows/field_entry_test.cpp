// What enters a card's fields however it arrives, the leaving rules before Save, framed
// sections, province and time lists, and the card's layout on a large screen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QShortcut>
#include <QGroupBox>
#include <QMimeData>
#include <QTest>

#include "archive/windows/CardEditor.h"
#include "archive/windows/FieldBehaviour.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const RecordLayout kLayout{{"txtData", 10},    {"txtOre", 2},      {"txtMinuti", 2},   {"txtNome", 250},
                           {"txtCel", 30},     {"txtProv", 2},     {"txtImporto", 20}, {"txtNote", 250},
                           {"lblFile01", 250}, {"lblFile02", 250}, {"lblFile03", 250}, {"lblDesc01", 250},
                           {"lblDesc02", 250}, {"lblDesc03", 250}};

// a leaving rule that shows whether it ran: the amount gets two decimals
QString twoDecimals(const QString& text) {
    return text.isEmpty() || text.contains(',') ? text : text + ",00";
}

CardConfig entryConfig() {
    CardConfig c;
    c.objectName = "TfrmProva";
    c.areaTag = "prova";
    c.archiveFile = "Prova.pro";
    c.calendarTag = "data_prova";
    c.dateField = "txtData";
    c.layout = &kLayout;
    c.fields = {
        {"txtData", "Data:", FieldControl::Date, NoRule, 0, 0},
        {"txtOre", "Ore:", FieldControl::Hour, NoRule, 0, 1},
        {"txtMinuti", "Minuti:", FieldControl::Minute, ListedOnly, 0, 2},
        {"txtNome", "Nome:", FieldControl::Edit, FocusColour, 0, 0, 3, "Dati anagrafici"},
        {"txtCel", "Cellulare:", FieldControl::Edit, DigitsOnly, 1, 0, 1, "Dati anagrafici"},
        {"txtProv", "Prov.:", FieldControl::Province, NoRule, 1, 1, 1, "Dati anagrafici"},
        {"txtImporto", "Importo:", FieldControl::Edit, NoRule, 0, 0, 1, "Servizio", twoDecimals},
        {"txtNote", "Note:", FieldControl::Edit, NoRule, 1, 0, 3, "Servizio"},
    };
    for (const QString& name : kAttachmentLabels) c.fields.push_back({name, "", FieldControl::Hidden});
    c.enterOrder = {"txtData", "txtOre",  "txtMinuti",  "txtNome",
                    "txtCel",  "txtProv", "txtImporto", "txtNote"};
    c.required = {{"txtNome", "manca il nome"}};
    for (const char* b : {"cmdNuovo", "cmdSalva", "lblPosizione", "cmdEsci"})
        c.toolbar.push_back({b, "salva", b, QString("hint ") + b});
    c.firstField = "txtNome";
    return c;
}

class FieldEntryTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<CardEditor>(fake.env(), entryConfig());
        editor->show();
        QApplication::setActiveWindow(editor.get());
    }
    QLineEdit* edit(const char* name) { return editor->findChild<QLineEdit*>(name); }
    QComboBox* combo(const char* name) { return editor->findChild<QComboBox*>(name); }
    Record stored(std::uint64_t index) {
        Archive a(fake.folder() / "Prova.pro", kLayout);
        return a.load(index);
    }

    FakeEnvironment fake;
    std::unique_ptr<CardEditor> editor;
};

TEST_F(FieldEntryTest, LineBreaksAndControlsBecomeBlanksHoweverTheTextEnters) {
    const QString pasted = "Via Roma\r\n12\tbis\x7f";
    const QString oneLine = "Via Roma  12 bis ";
    // the context menu's "Incolla" and Ctrl+V both paste the clipboard
    QGuiApplication::clipboard()->setText(pasted);
    edit("txtNome")->setFocus();
    edit("txtNome")->paste();
    EXPECT_EQ(edit("txtNome")->text(), oneLine);
    // a drop or an input method inserts the same way
    edit("txtNote")->insert(pasted);
    EXPECT_EQ(edit("txtNote")->text(), oneLine);
    QInputMethodEvent composed;
    composed.setCommitString("a\nb");
    QApplication::sendEvent(edit("txtNote"), &composed);
    EXPECT_EQ(edit("txtNote")->text(), oneLine + "a b");

    // digits-only fields keep the digits of whatever is pasted
    QGuiApplication::clipboard()->setText("+39 333-12ab 45");
    edit("txtCel")->setFocus();
    edit("txtCel")->paste();
    EXPECT_EQ(edit("txtCel")->text(), "393331245");

    editor->save();
    const Record r = stored(0);
    EXPECT_EQ(r.get("txtNome"), "Via Roma  12 bis");
    for (std::size_t i = 0; i < kLayout.fieldCount(); ++i)
        EXPECT_EQ(rawField(kLayout, r.bytes(), i).find_first_of("\r\n\t"), std::string::npos);
}

TEST_F(FieldEntryTest, AValueFromAnOlderFileIsShownOnOneLine) {
    // an earlier installation stored a pasted line break inside the name
    Record old(kLayout);
    old.set("txtNome", "x");
    std::string bytes(old.bytes());
    const std::size_t at = kLayout.offset(kLayout.indexOf("txtNome"));
    const std::string text = "Rossi\r\nMario";
    bytes[at] = char(text.size());
    bytes.replace(at + 1, text.size(), text);
    editor->showRecord(0, Record(kLayout, bytes));
    EXPECT_EQ(editor->fieldText("txtNome"), "Rossi  Mario");
}

TEST_F(FieldEntryTest, SaveRunsTheLeavingRulesOfTheFieldBeingEdited) {
    editor->setFieldText("txtNome", "Rossi");
    edit("txtImporto")->setFocus();
    QTest::keyClicks(edit("txtImporto"), "12");
    editor->trigger("cmdSalva");  // a click on Save: the amount never lost the focus
    EXPECT_EQ(stored(0).get("txtImporto"), "12,00");
    EXPECT_EQ(edit("txtImporto")->text(), "12,00");
    // leaving the field runs the same rule
    edit("txtImporto")->setText("7");
    edit("txtNote")->setFocus();
    EXPECT_EQ(edit("txtImporto")->text(), "7,00");
}

TEST_F(FieldEntryTest, ProvinceListOffersTheCodesAndTakesAnyTwoCharacters) {
    QComboBox* prov = combo("txtProv");
    ASSERT_NE(prov, nullptr);
    ASSERT_EQ(prov->count(), 112);
    EXPECT_EQ(prov->itemText(0), "AG");
    EXPECT_EQ(prov->itemText(111), "VV");
    prov->setFocus();
    QTest::keyClicks(prov, "zz");
    EXPECT_EQ(prov->currentText(), "ZZ");  // not a code, still accepted
    edit("txtNote")->setFocus();
    EXPECT_EQ(prov->currentText(), "ZZ");
    editor->setFieldText("txtProv", "mi");
    EXPECT_EQ(prov->currentText(), "mi");
    prov->setFocus();
    edit("txtNote")->setFocus();
    EXPECT_EQ(prov->currentText(), "MI");  // upper-cased on leaving
}

TEST_F(FieldEntryTest, TimeListsTakingTheFocusByEnterKeepNoSelection) {
    editor->setFieldText("txtOre", "07");
    editor->setFieldText("txtMinuti", "30");
    edit("txtData")->setFocus();
    QTest::keyClick(edit("txtData"), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), combo("txtOre"));
    EXPECT_FALSE(combo("txtOre")->lineEdit()->hasSelectedText());
    QTest::keyClick(combo("txtOre"), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(combo("txtMinuti")->lineEdit()->hasSelectedText());
    // an unlisted value becomes "00" in a plain list and empty in a listed-only one
    editor->setFieldText("txtOre", "7");
    editor->setFieldText("txtMinuti", "7");
    combo("txtOre")->setFocus();
    combo("txtMinuti")->setFocus();
    edit("txtNome")->setFocus();
    EXPECT_EQ(combo("txtOre")->currentText(), "00");
    EXPECT_EQ(combo("txtMinuti")->currentText(), "");
}

TEST_F(FieldEntryTest, TimeListsStepFromTheValueShownHoweverItWasSet) {
    QComboBox* hour = combo("txtOre");
    Record loaded(kLayout);
    loaded.set("txtOre", "09");
    struct Way {
        const char* how;
        std::function<void()> set;
        const char* shown;
        const char* down;  // after one Down
    };
    const Way ways[] = {
        {"set by the card", [&] { editor->setFieldText("txtOre", "00"); }, "00", "01"},
        {"a loaded card", [&] { editor->showRecord(0, loaded); }, "09", "10"},
        {"New", [&] { editor->newCard(); }, "", "00"},
        {"set on the list itself", [&] { hour->setEditText("22"); }, "22", "23"},
        {"a value not in the list", [&] { editor->setFieldText("txtOre", "7"); }, "7", "00"},
    };
    for (const Way& w : ways) {
        SCOPED_TRACE(w.how);
        edit("txtNote")->setFocus();
        hour->setCurrentIndex(16);  // the user had chosen 16 from the list
        w.set();
        EXPECT_EQ(hour->currentText(), w.shown);
        hour->setFocus();
        QTest::keyClick(hour, Qt::Key_Down);
        EXPECT_EQ(hour->currentText(), w.down);
    }
}

TEST_F(FieldEntryTest, KeyFiltersRefuseCharactersNeverCommands) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QLineEdit* cel = edit("txtCel");
    cel->setFocus();
    QTest::keyClicks(cel, "33a3");
    EXPECT_EQ(cel->text(), "333");
    // a mobile number is selected and copied by keyboard; a refused key leaves the selection
    QTest::keyClick(cel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cel, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "333");
    QTest::keyClick(cel, Qt::Key_X);
    EXPECT_EQ(cel->selectedText(), "333");
    QTest::keyClick(cel, Qt::Key_Home);
    QTest::keyClick(cel, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(cel->selectedText(), "3");
    QTest::keyClick(cel, Qt::Key_End);
    EXPECT_EQ(cel->cursorPosition(), 3);
    // Ctrl+V keeps what the field allows, as the context menu's paste does
    clipboard->setText("33a3\n12 3");
    QTest::keyClick(cel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cel, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(cel->text(), "333123");
    QTest::keyClick(cel, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cel, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(cel->text(), "");

    QLineEdit* amount = edit("txtImporto");
    makeAmountKeys(amount);
    amount->setFocus();
    QTest::keyClicks(amount, "1a2.5");
    EXPECT_EQ(amount->text(), "125");
    clipboard->setText("€ 1.250,5\r\n0");
    QTest::keyClick(amount, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(amount, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(amount->text(), "1250,50");

    // a time list takes nothing typed or pasted, and still copies
    QComboBox* hour = combo("txtOre");
    editor->setFieldText("txtOre", "07");
    hour->setFocus();
    clipboard->setText("12");
    for (const QKeyCombination key :
         {QKeyCombination(Qt::Key_1), QKeyCombination(Qt::Key_Backspace), QKeyCombination(Qt::Key_Delete),
          Qt::ControlModifier | Qt::Key_V, Qt::ShiftModifier | Qt::Key_Insert})
        QTest::keyClick(hour, key.key(), key.keyboardModifiers());
    EXPECT_EQ(hour->currentText(), "07");
    QTest::keyClick(hour, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(hour, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "07");
}

TEST(KeyFilters, EscapeAndTheWindowsShortcutsWorkInEveryFilteredField) {
    struct Field {
        const char* kind;
        std::function<QWidget*(QWidget*)> make;
    };
    const Field fields[] = {
        {"digits",
         [](QWidget* parent) {
             auto* edit = new QLineEdit(parent);
             makeDigitsOnly(edit);
             return edit;
         }},
        {"amount",
         [](QWidget* parent) {
             auto* edit = new QLineEdit(parent);
             makeAmountKeys(edit);
             return edit;
         }},
        {"time list",
         [](QWidget* parent) {
             auto* combo = new QComboBox(parent);
             makeTimeList(combo, 24);
             return combo;
         }},
    };
    for (const Field& f : fields) {
        SCOPED_TRACE(f.kind);
        QDialog window;
        QWidget* field = f.make(&window);
        int shortcuts = 0;
        auto* shortcut = new QShortcut(QKeySequence(Qt::ControlModifier | Qt::Key_S), &window);
        QObject::connect(shortcut, &QShortcut::activated, [&] { ++shortcuts; });
        window.show();
        QApplication::setActiveWindow(&window);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(shortcuts, 1);
        QTest::keyClick(field, Qt::Key_Escape);
        EXPECT_FALSE(window.isVisible());
        EXPECT_EQ(window.result(), QDialog::Rejected);
    }
}

TEST_F(FieldEntryTest, SectionsFrameTheirFieldsAndThePositionIsAnnounced) {
    const auto frames = editor->findChildren<QGroupBox*>();
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[0]->title(), "Dati anagrafici");
    EXPECT_EQ(frames[1]->title(), "Servizio");
    EXPECT_TRUE(frames[0]->isAncestorOf(edit("txtCel")));
    EXPECT_TRUE(frames[1]->isAncestorOf(edit("txtNote")));
    EXPECT_FALSE(frames[0]->isAncestorOf(edit("txtData")));

    auto* position = editor->findChild<QLabel*>("lblPosizione");
    EXPECT_EQ(position->accessibleName(), "Numero della scheda: nuova scheda");
    editor->setFieldText("txtNome", "Rossi");
    editor->save();
    EXPECT_EQ(position->accessibleName(), "Numero della scheda: 1");
}

TEST_F(FieldEntryTest, OnAMaximisedWindowEditsFollowTheirCapacityAndCaptionsTheirControls) {
    editor->resize(1600, 1000);
    QApplication::processEvents();
    auto* date = edit("txtData");
    auto* note = edit("txtNote");
    EXPECT_LT(date->width(), 200);  // ten characters
    EXPECT_GT(note->width(), 2 * date->width());
    EXPECT_LE(note->width(), 700);  // long fields stop at a readable width
    // the caption "Minuti:" sits right before its list
    const QLabel* minutes = nullptr;
    for (const QLabel* l : editor->findChildren<QLabel*>())
        if (l->text() == "Minuti:") minutes = l;
    ASSERT_NE(minutes, nullptr);
    const int gap = combo("txtMinuti")->mapTo(editor.get(), QPoint(0, 0)).x() -
                    minutes->mapTo(editor.get(), QPoint(minutes->width(), 0)).x();
    EXPECT_LT(gap, 24);
    // a companion sits right after its field, not at the end of the cell
    auto* icon = editor->findChild<QWidget*>("impData");
    ASSERT_NE(icon, nullptr);
    EXPECT_LT(
        icon->mapTo(editor.get(), QPoint(0, 0)).x() - date->mapTo(editor.get(), QPoint(date->width(), 0)).x(),
        12);
    // the card keeps a readable width, centred on the screen
    auto* card = editor->findChild<QWidget*>("card");
    EXPECT_LE(card->width(), 1200);
    EXPECT_GT(card->mapTo(editor.get(), QPoint(0, 0)).x(), 100);
}

}  // namespace
}  // namespace custovia
