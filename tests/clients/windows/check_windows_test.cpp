// The four check windows as the user meets them: the caller's text, typing, Enter, the
// length warning that keeps the window open and the result that closes it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "clients/windows/TfrmCarta.h"
#include "clients/windows/TfrmCodFisc.h"
#include "clients/windows/TfrmIban.h"
#include "clients/windows/TfrmPartitaIva.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

template <typename Window>
std::unique_ptr<QDialog> make(Environment& env, const QString& callerText) {
    return std::make_unique<Window>(env, nullptr, callerText);
}

struct WindowCase {
    const char* className;
    std::unique_ptr<QDialog> (*create)(Environment&, const QString&);
    QString caption;
    QString title;
    const char* input;
    int maxLength;
    QString callerText;  // as the caller's field holds it
    QString arrives;     // as the window's field shows it
    QString lengthWarning;
    QString complete;  // a text whose check closes the window
    QString resultKind;
    QString result;
};

const std::vector<WindowCase>& windowCases() {
    static const std::vector<WindowCase> cases = {
        {"TfrmCodFisc", make<TfrmCodFisc>, " Controllo codice fiscale",
         "Immettere il codice fiscale e premere il pulsante di controllo.", "txtCodFisc", 16,
         "  rssmra85t10a562  ", "RSSMRA85T10A562",
         "Attenzione: il codice fiscale deve essere composto da 16 caratteri alfanumerici.",
         "RSSMRA85T10A562S", "information", "Il codice fiscale digitato è VALIDO."},
        {"TfrmPartitaIva", make<TfrmPartitaIva>, " Controllo partita IVA",
         "Immettere il numero di partita IVA e premere il pulsante di controllo.", "txtPartitaIva", 11,
         " 0123456001 ", "0123456001",
         "Attenzione: la partita IVA deve essere composta da 11 caratteri numerici.", "01234560017",
         "information",
         "Il numero di partita IVA digitato risulta VALIDO.\r\n\r\n"
         "E' stato rilasciato dall'Ufficio IVA del Comune di Torino."},
        {"TfrmCarta", make<TfrmCarta>, " Controllo carta di credito",
         "Immettere il numero di carta di credito e premere il pulsante di controllo.", "txtNumero", 30,
         "   ", "",
         "Attenzione: immettere il numero di carta di credito prima di premere il pulsante di controllo.",
         "4111111111111112", "warning",
         "Attenzione: il numero digitato risulta ERRATO!\r\n\r\n"
         "Non è quindi possibile fornire informazioni relative al tipo di carta di credito."},
        {"TfrmIban", make<TfrmIban>, " Controllo IBAN",
         "Immettere l'IBAN e premere il pulsante di controllo.", "txtIban", 27,
         "\tit60x054281110100000012345 ", "IT60X054281110100000012345",
         "Attenzione: l'IBAN deve essere composto da 27 caratteri alfanumerici.",
         "IT60X0542811101000000123456", "information", "L'IBAN digitato è VALIDO."},
    };
    return cases;
}

class CheckWindowTest : public ::testing::Test {
protected:
    void open(const WindowCase& c) {
        window = c.create(fake.env(), c.callerText);
        window->show();
        QApplication::setActiveWindow(window.get());
        input = window->findChild<QLineEdit*>(c.input);
        controlla = window->findChild<QPushButton*>("btnControlla");
        ASSERT_NE(input, nullptr);
        ASSERT_NE(controlla, nullptr);
    }

    FakeEnvironment fake;
    std::unique_ptr<QDialog> window;
    QLineEdit* input = nullptr;
    QPushButton* controlla = nullptr;
};

TEST_F(CheckWindowTest, OpensWithTheCallersTextTrimmedAndTheFocusInTheField) {
    for (const WindowCase& c : windowCases()) {
        SCOPED_TRACE(c.className);
        open(c);
        EXPECT_EQ(window->objectName(), c.className);
        EXPECT_EQ(window->windowTitle(), c.caption);
        EXPECT_EQ(window->findChild<QLabel*>("lblTitolo")->text(), c.title);
        EXPECT_FALSE(window->findChild<QLabel*>("imgLogo")->pixmap().isNull());
        EXPECT_EQ(window->findChild<QPushButton*>("btnChiudi")->text(), "Chiudi");
        EXPECT_EQ(controlla->text(), "Controlla");
        EXPECT_EQ(input->maxLength(), c.maxLength);
        EXPECT_EQ(input->accessibleName(), c.title);
        EXPECT_EQ(input->text(), c.arrives);
        EXPECT_EQ(QApplication::focusWidget(), input);
        EXPECT_FALSE(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
        EXPECT_EQ(window->minimumSize(), window->maximumSize());
    }
}

TEST_F(CheckWindowTest, AWrongLengthKeepsTheWindowOpenAndAResultClosesIt) {
    for (const WindowCase& c : windowCases()) {
        SCOPED_TRACE(c.className);
        fake.messages.clear();
        open(c);
        controlla->setFocus();
        QTest::mouseClick(controlla, Qt::LeftButton);
        ASSERT_EQ(fake.messages.shown.size(), 1u);
        EXPECT_EQ(fake.messages.last().kind, "warning");
        EXPECT_EQ(fake.messages.last().text, c.lengthWarning);
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), input);

        input->setText(c.complete);
        QTest::mouseClick(controlla, Qt::LeftButton);
        ASSERT_EQ(fake.messages.shown.size(), 2u);
        EXPECT_EQ(fake.messages.last().kind, c.resultKind);
        EXPECT_EQ(fake.messages.last().text, c.result);
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(window->result(), QDialog::Accepted);
    }
}

TEST_F(CheckWindowTest, TypingKeepsEachFieldInItsOwnForm) {
    struct Typing {
        int window;
        QString keys;
        QString shown;
    };
    // windows by their place in the table: tax code, VAT number, card, IBAN
    const std::vector<Typing> cases = {
        {0, " rssmra85t10a562s ", "RSSMRA85T10A562S"},
        {1, "12a3 4-5,6", "123456"},
        {2, "4111 1111-abc 1", "411111111"},
        {3, " it60x05428 ", "IT60X05428"},
    };
    for (const Typing& t : cases) {
        const WindowCase& c = windowCases()[t.window];
        SCOPED_TRACE(c.className);
        open(c);
        input->clear();
        QTest::keyClicks(input, t.keys);
        EXPECT_EQ(input->text(), t.shown);
    }

    // the digits-only fields still take the editing keys
    open(windowCases()[1]);
    input->clear();
    QTest::keyClicks(input, "1234");
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Left);
    QTest::keyClick(input, Qt::Key_Backspace);  // drops the 2
    QTest::keyClick(input, Qt::Key_Right);
    QTest::keyClick(input, Qt::Key_Delete);  // drops the 4
    EXPECT_EQ(input->text(), "13");
}

TEST_F(CheckWindowTest, EnterLeadsToControllaWithoutRunningTheCheck) {
    open(windowCases()[0]);
    input->setText("RSSMRA85T10A562S");
    QTest::keyClick(input, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), controlla);
    EXPECT_TRUE(fake.messages.shown.empty());
    EXPECT_TRUE(window->isVisible());

    // Enter on the focused button runs it
    QTest::keyClick(controlla, Qt::Key_Return);
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, "Il codice fiscale digitato è VALIDO.");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(CheckWindowTest, ChiudiClosesWithoutAMessage) {
    open(windowCases()[3]);
    QTest::mouseClick(window->findChild<QPushButton*>("btnChiudi"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fake.messages.shown.empty());
}

}  // namespace
}  // namespace custovia
