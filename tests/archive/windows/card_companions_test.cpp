// A card's companions and free-text lists come from its tables alone: a card that is nothing
// but a configuration gets its buttons beside their fields, and each button does what it names.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/windows/CardEditor.h"
#include "fakes.h"

namespace custovia {
namespace {

const RecordLayout kLayout{
    {"txtNome", 50}, {"txtCodFisc", 16}, {"txtEmail", 50}, {"txtFrequenza", 50}, {"txtNote", 250}};

CardConfig companionConfig() {
    CardConfig c;
    c.objectName = "TfrmProva";
    c.areaName = "Prova";
    c.archiveFile = "Prova.pro";
    c.layout = &kLayout;
    c.fields = {
        {"txtNome", "Nome:", FieldControl::Edit, NoRule, 0, 0},
        {"txtCodFisc", "Codice fiscale:", FieldControl::Edit, UpperCase, 1, 0},
        {"txtEmail", "E-mail:", FieldControl::Edit, NoRule, 2, 0},
        {"txtFrequenza",
         "Frequenza:",
         FieldControl::Choice,
         Highlight,
         3,
         0,
         1,
         {},
         {},
         {"Giornaliera", "Mensile"}},
        {"txtNote", "Note:", FieldControl::Edit, NoRule, 4, 0},
    };
    c.enterOrder = {"txtNome", "txtCodFisc", "txtEmail", "txtFrequenza", "txtNote"};
    c.companions = {
        {"txtCodFisc", "btnCodFisc", CompanionKind::Picture, "controlla", "Controlla codice fiscale",
         "Controlla il codice fiscale.", "checkTaxCode"},
        {"txtEmail", "btnEmail", CompanionKind::Picture, "email", "Invia e-mail", "Invia una e-mail.",
         "email"},
        {"txtNome", "impNome", CompanionKind::Captioned, "importa", "Importa", "Importa il nome.",
         "importName", QSize(28, 28)},
    };
    c.toolbar = {{"cmdSalva", "salva", "Salva", "Salva."}, {"lblPosizione", "", "", ""}};
    c.firstField = "txtNome";
    return c;
}

class CardCompanionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<CardEditor>(fake.env(), companionConfig());
        card->show();
        QApplication::setActiveWindow(card.get());
    }
    QToolButton* button(const char* name) { return card->findChild<QToolButton*>(name); }
    // the objectName of the modal window a click on the button opens; empty when none opens
    QString opensFrom(const char* name) {
        QString seen;
        QTimer::singleShot(0, [&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                seen = dialog->objectName() + " " + dialog->findChild<QLineEdit*>()->text();
                dialog->reject();
            }
        });
        button(name)->click();
        return seen;
    }

    test::FakeEnvironment fake;
    std::unique_ptr<CardEditor> card;
};

TEST_F(CardCompanionsTest, EachRowIsAButtonRightAfterItsField) {
    for (const Companion& row : card->config().companions) {
        SCOPED_TRACE(row.name.toStdString());
        QToolButton* b = button(row.name.toUtf8().constData());
        ASSERT_NE(b, nullptr);
        QWidget* field = card->control(row.field);
        EXPECT_EQ(b->parentWidget(), field->parentWidget());
        EXPECT_EQ(b->iconSize(), row.size);
        EXPECT_EQ(b->accessibleName(), row.caption);
        EXPECT_EQ(b->toolTip(), row.hint);
        EXPECT_EQ(b->accessibleDescription(), row.hint);
        EXPECT_NEAR(b->geometry().center().y(), field->geometry().center().y(), 2);
        EXPECT_GT(b->x(), field->geometry().right());
        EXPECT_LT(b->x(), field->geometry().right() + 12);
    }
    EXPECT_EQ(button("impNome")->text(), "Importa");
    EXPECT_EQ(button("impNome")->toolButtonStyle(), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(button("btnEmail")->toolButtonStyle(), Qt::ToolButtonIconOnly);
}

TEST_F(CardCompanionsTest, EachButtonDoesWhatItsRowNames) {
    // a check opens on the field's trimmed text; a tax code of digits is a VAT number
    card->setFieldText("txtCodFisc", " 01234567890 ");
    EXPECT_EQ(opensFrom("btnCodFisc"), "TfrmPartitaIva 01234567890");
    card->setFieldText("txtCodFisc", "RSSMRA80A01H501U");
    EXPECT_EQ(opensFrom("btnCodFisc"), "TfrmCodFisc RSSMRA80A01H501U");
    // the e-mail goes to the field's address
    card->setFieldText("txtEmail", "a@x.it");
    button("btnEmail")->click();
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"mailto:a@x.it\""});
    // any other name is an action the card set
    int imported = 0;
    button("impNome")->click();
    card->setAction("importName", [&imported] { ++imported; });
    button("impNome")->click();
    EXPECT_EQ(imported, 1);
}

TEST_F(CardCompanionsTest, AChoiceTakesFreeTextOrAValueOfItsList) {
    auto* list = card->findChild<QComboBox*>("txtFrequenza");
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(card->control("txtFrequenza"), list);
    EXPECT_EQ(list->count(), 2);
    EXPECT_EQ(list->itemText(1), "Mensile");
    EXPECT_EQ(list->accessibleName(), "Frequenza");
    EXPECT_EQ(list->lineEdit()->maxLength(), 50);
    list->setFocus();
    QTest::keyClicks(list->lineEdit(), "Ogni tre giorni");
    EXPECT_EQ(card->fieldText("txtFrequenza"), "Ogni tre giorni");
    list->setCurrentIndex(1);
    EXPECT_EQ(card->fieldText("txtFrequenza"), "Mensile");
    // Enter passes on along the ring, into the list and out of it; the list's text is whole and
    // none of it is selected when it takes the focus, and its highlight frame shows
    card->setFieldText("txtFrequenza", "Ogni tre giorni");
    card->control("txtEmail")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), list);
    EXPECT_FALSE(list->lineEdit()->hasSelectedText());
    EXPECT_EQ(list->currentText(), "Ogni tre giorni");
    EXPECT_TRUE(card->findChild<QFrame*>("effFrequenza")->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtNote"));
    // and Tab reaches it in the order of the fields
    card->control("txtEmail")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), list);
}

}  // namespace
}  // namespace custovia
