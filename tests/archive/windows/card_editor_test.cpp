// The card editor on a small layout of its own: navigation, save, duplicate, field rules.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "archive/windows/CardEditor.h"
#include "archive/windows/TfrmCalendario.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const RecordLayout kLayout{{"txtData", 10},    {"txtOre", 2},      {"txtNome", 20},
                           {"txtCel", 30},     {"txtTarga", 12},   {"chkFatto", 2, FieldKind::Flag},
                           {"lblFile01", 250}, {"lblFile02", 250}, {"lblFile03", 250},
                           {"lblDesc01", 250}, {"lblDesc02", 250}, {"lblDesc03", 250}};

const QString kEmpty = "L'archivio non contiene nessuna scheda.";
const QString kInserted = "La scheda corrente è stata inserita in archivio.";
const QString kSaved = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";

CardConfig smallConfig() {
    CardConfig c;
    c.objectName = "TfrmProva";
    c.areaTag = "prova";
    c.calendarTag = "data_prova";
    c.archiveFile = "Prova.pro";
    c.layout = &kLayout;
    c.fields = {{"txtData", "Data:", FieldControl::Date, NoRule, 0, 0},
                {"txtOre", "Ore:", FieldControl::Hour, NoRule, 0, 1},
                {"txtNome", "Nome:", FieldControl::Edit, FocusColour, 1, 0},
                {"txtCel", "Cellulare:", FieldControl::Edit, DigitsOnly, 1, 1},
                {"txtTarga", "Targa:", FieldControl::Edit, UpperCase | Highlight, 2, 0},
                {"chkFatto", "Fatto", FieldControl::Check, NoRule, 2, 1}};
    for (const QString& name : kAttachmentLabels) c.fields.push_back({name, "", FieldControl::Hidden});
    c.enterOrder = {"txtData", "txtOre", "txtNome", "txtCel", "txtTarga"};
    c.required = {{"txtNome", "manca il nome"}, {"txtCel", "manca il cellulare"}};
    for (const char* b : {"cmdNuovo", "cmdDuplica", "cmdSalva", "cmdPrimo", "cmdIndietro", "lblPosizione",
                          "cmdAvanti", "cmdUltimo", "cmdEsci"})
        c.toolbar.push_back({b, "salva", b, QString("hint ") + b});
    c.firstField = "txtNome";
    c.dateField = "txtData";
    c.calendarHint = "Importa la data dal calendario.";
    return c;
}

class ProvaEditor final : public CardEditor {
public:
    explicit ProvaEditor(Environment& env) : CardEditor(env, smallConfig()) {}

protected:
    void presetNew() override { setFieldText("txtData", "15/05/2024"); }
    void presetDuplicate() override { setFieldText("chkFatto", "No"); }
};

class CardEditorTest : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<ProvaEditor>(fake.env());
        editor->show();
        QApplication::setActiveWindow(editor.get());
    }

    QLineEdit* edit(const char* name) { return editor->findChild<QLineEdit*>(name); }
    void type(const char* name, const QString& text) {
        edit(name)->setFocus();
        QTest::keyClicks(edit(name), text);
    }
    void fill(const QString& nome, const QString& cel) {
        editor->setFieldText("txtNome", nome);
        editor->setFieldText("txtCel", cel);
    }
    void appendCards(int n) {
        Archive a(fake.folder() / "Prova.pro", kLayout);
        for (int i = 1; i <= n; ++i) {
            Record r(kLayout);
            r.set("txtNome", "Scheda " + std::to_string(i));
            a.append(r);
        }
    }
    QString lastMessage() { return fake.messages.shown.empty() ? QString() : fake.messages.last().text; }

    FakeEnvironment fake;
    std::unique_ptr<ProvaEditor> editor;
};

TEST_F(CardEditorTest, EveryButtonOnAnEmptyArchiveSaysSoExceptPreviousOnCardOne) {
    for (const char* b : {"cmdPrimo", "cmdUltimo", "cmdAvanti", "cmdIndietro"}) {
        fake.messages.clear();
        editor->trigger(b);
        EXPECT_EQ(fake.messages.texts(), QStringList{kEmpty}) << b;
        EXPECT_EQ(fake.messages.last().kind, "information");
    }
    EXPECT_TRUE(std::filesystem::exists(fake.folder() / "Prova.pro"));
}

TEST_F(CardEditorTest, NavigationWalksTheArchiveAndStopsSilentlyAtTheEnds) {
    appendCards(3);
    editor->trigger("cmdAvanti");  // a new card steps to card 1
    EXPECT_EQ(editor->position(), "1");
    EXPECT_EQ(editor->fieldText("txtNome"), "Scheda 1");
    editor->trigger("cmdIndietro");
    EXPECT_EQ(editor->position(), "1");
    editor->trigger("cmdUltimo");
    EXPECT_EQ(editor->fieldText("txtNome"), "Scheda 3");
    editor->trigger("cmdAvanti");
    EXPECT_EQ(editor->position(), "3");
    editor->trigger("cmdIndietro");
    EXPECT_EQ(editor->fieldText("txtNome"), "Scheda 2");
    editor->newCard();
    editor->trigger("cmdIndietro");  // so does Previous
    EXPECT_EQ(editor->position(), "1");
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(CardEditorTest, SaveAppendsThenUpdatesInPlace) {
    appendCards(7);
    fill(" Anna ", "333");
    editor->setFieldText("chkFatto", "Sì");
    editor->trigger("cmdSalva");
    EXPECT_EQ(editor->position(), "8");
    EXPECT_EQ(lastMessage(), kInserted);
    const auto file = fake.folder() / "Prova.pro";
    EXPECT_EQ(std::filesystem::file_size(file), 8 * kLayout.size());
    editor->setFieldText("txtNome", "Anna Maria");
    editor->trigger("cmdSalva");
    EXPECT_EQ(editor->position(), "8");
    EXPECT_EQ(lastMessage(), kSaved);
    EXPECT_EQ(std::filesystem::file_size(file), 8 * kLayout.size());
    const Record r = Archive(file, kLayout).load(7);
    EXPECT_EQ(r.get("txtNome"), "Anna Maria");
    EXPECT_EQ(rawField(kLayout, r.bytes(), kLayout.indexOf("chkFatto")), "S\xEC");
}

TEST_F(CardEditorTest, SavingACardWhoseArchiveVanishedReportsTheAccessMessage) {
    appendCards(20);
    editor->trigger("cmdUltimo");
    fill("Scheda 20", "333");
    const auto file = fake.folder() / "Prova.pro";
    std::filesystem::remove(file);
    fake.messages.clear();
    editor->trigger("cmdSalva");
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_TRUE(fake.messages.last().text.startsWith("Attenzione: il sistema non permette di accedere"));
    EXPECT_EQ(editor->position(), "20");
    EXPECT_EQ(std::filesystem::file_size(file), 0u);
}

TEST_F(CardEditorTest, RequiredFieldsStopTheSaveInOrderWithTheFocusOnTheField) {
    editor->trigger("cmdSalva");
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_EQ(lastMessage(), "manca il nome");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtNome"));
    editor->setFieldText("txtNome", "Anna");
    editor->setFieldText("txtCel", "   ");  // blanks count as empty
    editor->trigger("cmdSalva");
    EXPECT_EQ(lastMessage(), "manca il cellulare");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtCel"));
    EXPECT_FALSE(std::filesystem::exists(fake.folder() / "Prova.pro"));
    EXPECT_EQ(editor->position(), "");
}

TEST_F(CardEditorTest, ArchiveThatCannotBeReachedIsReportedAndTheLabelKept) {
    std::filesystem::create_directory(fake.folder() / "Prova.pro");
    fill("Anna", "1");
    editor->trigger("cmdSalva");
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_EQ(lastMessage(), archiveAccessMessage());
    EXPECT_EQ(editor->position(), "");
    editor->trigger("cmdPrimo");
    EXPECT_EQ(lastMessage(), archiveAccessMessage());
}

TEST_F(CardEditorTest, DuplicateNeedsAStoredCardAndStartsANewOne) {
    editor->trigger("cmdDuplica");
    EXPECT_EQ(
        lastMessage(),
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita in "
        "archivio.");
    appendCards(3);
    editor->trigger("cmdUltimo");
    editor->setFieldText("lblFile01", "contratto.pdf");
    editor->setFieldText("chkFatto", "Sì");
    editor->trigger("cmdDuplica");
    EXPECT_EQ(lastMessage(),
              "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\r"
              "Al termine premere Salva per inserire la scheda in archivio.");
    EXPECT_EQ(editor->position(), "");
    EXPECT_EQ(editor->fieldText("txtNome"), "Scheda 3");
    EXPECT_EQ(editor->fieldText("lblFile01"), "");
    EXPECT_EQ(editor->fieldText("chkFatto"), "No");
    editor->setFieldText("txtCel", "1");
    editor->trigger("cmdSalva");
    EXPECT_EQ(editor->position(), "4");
}

TEST_F(CardEditorTest, NewEmptiesTheCardAndAppliesThePresets) {
    appendCards(1);
    editor->trigger("cmdPrimo");
    editor->setFieldText("lblDesc02", "x");
    editor->trigger("cmdNuovo");
    EXPECT_EQ(editor->position(), "");
    EXPECT_EQ(editor->fieldText("txtNome"), "");
    EXPECT_EQ(editor->fieldText("lblDesc02"), "");
    EXPECT_EQ(editor->fieldText("txtData"), "15/05/2024");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtNome"));
}

TEST_F(CardEditorTest, OddFlagLeavesTheCheckBoxAsItWas) {
    Record r(kLayout);
    r.set("txtNome", "x");
    r.set("chkFatto", "Ni");
    Archive(fake.folder() / "Prova.pro", kLayout).append(r);
    editor->setFieldText("chkFatto", "Sì");
    editor->trigger("cmdPrimo");
    EXPECT_EQ(editor->fieldText("chkFatto"), "Sì");
}

TEST_F(CardEditorTest, TypingRulesAndTheEnterRing) {
    type("txtCel", "3a3-9");
    EXPECT_EQ(edit("txtCel")->text(), "339");
    type("txtTarga", "ab 123cd ");
    EXPECT_EQ(edit("txtTarga")->text(), "AB123CD");  // a typed trailing space vanishes at once
    EXPECT_EQ(edit("txtTarga")->maxLength(), 12);

    edit("txtNome")->setFocus();
    QTest::keyClick(edit("txtNome"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("txtCel"));
    QTest::keyClick(edit("txtCel"), Qt::Key_Return);
    QTest::keyClick(edit("txtTarga"), Qt::Key_Return);  // the last goes back to the first
    EXPECT_EQ(QApplication::focusWidget(), edit("txtData"));
    EXPECT_TRUE(fake.messages.shown.empty());  // Enter never saves
}

TEST_F(CardEditorTest, HourListAcceptsNoTypingAndRepairsAForeignValue) {
    auto* hour = editor->findChild<QComboBox*>("txtOre");
    hour->setFocus();
    QTest::keyClicks(hour, "12");
    EXPECT_EQ(hour->currentText(), "");
    hour->setCurrentIndex(7);
    EXPECT_EQ(hour->currentText(), "07");
    editor->setFieldText("txtOre", "7");
    hour->setFocus();
    edit("txtNome")->setFocus();
    EXPECT_EQ(hour->currentText(), "00");
}

TEST_F(CardEditorTest, DateIsReadOnlyAndComesFromTheCalendar) {
    auto* date = edit("txtData");
    EXPECT_TRUE(date->isReadOnly());
    date->setFocus();
    QTest::keyClick(date, Qt::Key_Delete);
    EXPECT_EQ(date->text(), "");

    TfrmCalendario calendar(fake.env(), editor.get(), "data_prova");
    calendar.calendar()->setSelectedDate(QDate(2024, 3, 9));
    calendar.findChild<QPushButton*>("btnImporta")->click();
    EXPECT_EQ(date->text(), "09/03/2024");

    TfrmCalendario other(fake.env(), editor.get(), "prova");  // not a calendar tag: nothing
    other.calendar()->setSelectedDate(QDate(2020, 1, 1));
    other.findChild<QPushButton*>("btnImporta")->click();
    EXPECT_EQ(date->text(), "09/03/2024");

    // any other key in the date asks the calendar, which opens on today
    QTimer::singleShot(0, [] {
        auto* open = qobject_cast<TfrmCalendario*>(QApplication::activeModalWidget());
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->calendar()->selectedDate(), QDate(2024, 5, 15));
        open->findChild<QPushButton*>("btnImporta")->click();
    });
    date->setFocus();
    QTest::keyClick(date, Qt::Key_A);
    EXPECT_EQ(date->text(), "15/05/2024");
}

TEST_F(CardEditorTest, EnterInTheCalendarImportsTheChosenDay) {
    TfrmCalendario calendar(fake.env(), editor.get(), "data_prova");
    calendar.show();
    QApplication::setActiveWindow(&calendar);
    calendar.calendar()->setSelectedDate(QDate(2024, 3, 9));
    auto* days = calendar.calendar()->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_EQ(edit("txtData")->text(), "09/03/2024");
    EXPECT_EQ(calendar.result(), QDialog::Accepted);
}

TEST_F(CardEditorTest, ADateTypedIntoTheCalendarIsTakenExactlyOrNotAtAll) {
    struct Case {
        const char* keys;      // the first opens the calendar from the date field
        const char* imported;  // what Enter puts in the date field
        const char* shown;     // what the calendar says of the typed date (null: not checked)
    };
    const Case cases[] = {
        {"31/03/2026", "31/03/2026", nullptr},
        {"31032026", "31/03/2026", nullptr},  // the slashes come by themselves
        {"5.4.2026", "05/04/2026", nullptr},
        {"31/02/2026", "", "Data digitata: 31/02/2026 (data inesistente)"},  // never another day
        {"29/02/2025\b4", "29/02/2024", nullptr},                            // corrected with Backspace
        {"3", "", "Data digitata: 3"},                                       // not whole: nothing
        {"x", "15/05/2024", ""},  // no date typed: the day shown as chosen, today
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        edit("txtData")->clear();
        edit("txtData")->setFocus();
        QString shown;
        QDate chosen;
        QTimer::singleShot(0, [&] {
            auto* calendar = qobject_cast<TfrmCalendario*>(QApplication::activeModalWidget());
            ASSERT_NE(calendar, nullptr);
            auto* days = calendar->calendar()->findChild<QAbstractItemView*>();
            QTest::keyClicks(days, QString(c.keys).mid(1));
            const auto* typed = calendar->findChild<QLabel*>("lblDigitata");
            shown = typed ? typed->text() : QString("(no typed date shown)");
            chosen = calendar->calendar()->selectedDate();
            QTest::keyClick(days, Qt::Key_Return);
            if (calendar->isVisible()) calendar->reject();
        });
        QTest::keyClicks(edit("txtData"), QString(c.keys).left(1));
        EXPECT_EQ(edit("txtData")->text(), c.imported);
        if (c.shown) {
            EXPECT_EQ(shown, c.shown);
        }
        if (!*c.imported) {
            EXPECT_EQ(chosen, QDate(2024, 5, 15));  // the calendar did not move
        }
    }
}

TEST_F(CardEditorTest, ControlsAreNamedAndAccessible) {
    auto* save = editor->findChild<QToolButton*>("cmdSalva");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->toolTip(), "hint cmdSalva");
    EXPECT_EQ(save->accessibleDescription(), "hint cmdSalva");
    EXPECT_FALSE(save->accessibleName().isEmpty());
    EXPECT_EQ(edit("txtNome")->accessibleName(), "Nome");
    EXPECT_EQ(editor->findChild<QLabel*>("panInfo")->text(), "Pronto per archiviare una nuova scheda...");
    EXPECT_NE(editor->findChild<QToolButton*>("impData"), nullptr);
}

TEST_F(CardEditorTest, FocusShowsTheYellowColourOrTheHighlightFrame) {
    auto* frame = editor->findChild<QFrame*>("effTarga");
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->isVisible());
    edit("txtTarga")->setFocus();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(edit("txtNome")->styleSheet().contains("#F0F8FF"));
    edit("txtNome")->setFocus();
    EXPECT_FALSE(frame->isVisible());
    EXPECT_TRUE(edit("txtNome")->styleSheet().contains("#FFFF00"));
}

}  // namespace
}  // namespace custovia
