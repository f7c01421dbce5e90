// The services window of one client: the list and its total, entries added and edited, the
// amount rules and the printed summary.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "archive/archive.h"
#include "clients/services.h"
#include "clients/windows/TfrmAllegaExcel.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class ServicesWindow : public ::testing::Test {
protected:
    void open(const QString& position = "3") {
        window = std::make_unique<TfrmAllegaExcel>(fake.env(), nullptr, " Rossi Mario ", position);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    QLineEdit* edit(const char* name) { return window->findChild<QLineEdit*>(name); }
    void press(const char* name) { window->findChild<QPushButton*>(name)->click(); }
    QString total() { return window->findChild<QLabel*>("lblTotale")->text(); }
    void entry(const QString& date, const QString& service, const QString& amount) {
        edit("txtData")->setText(date);
        edit("txtOra")->setText("10:30");
        edit("txtServizi")->setText(service);
        edit("txtAgente")->setText("Bianchi Luca");
        edit("txtImporto")->setFocus();
        edit("txtImporto")->clear();
        QTest::keyClicks(edit("txtImporto"), amount);
    }
    std::filesystem::path file() const { return fake.folder() / "Servizi_Cliente_3.pro"; }
    std::vector<Record> stored() const {
        Archive a(file(), serviceLayout());
        std::vector<Record> out;
        for (std::uint64_t i = 0; i < a.count(); ++i) out.push_back(a.load(i));
        return out;
    }

    FakeEnvironment fake;
    std::unique_ptr<TfrmAllegaExcel> window;
};

TEST_F(ServicesWindow, OpeningCreatesTheClientsFileAndShowsAZeroTotal) {
    open();
    EXPECT_EQ(window->windowTitle(), " Riepilogo servizi forniti");
    EXPECT_EQ(window->findChild<QLabel*>("lblTitolo")->text(), "Servizi forniti a Rossi Mario");
    EXPECT_TRUE(std::filesystem::exists(file()));
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
    EXPECT_EQ(total(), "€ 0,00");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtTrova"));
    press("btnTrova");
    press("btnModifica");
    EXPECT_EQ(fake.messages.texts(),
              QStringList({"Ricerca non applicabile: la lista non contiene nessuna voce.",
                           "Modifica non applicabile: la lista non contiene nessuna voce."}));
}

TEST_F(ServicesWindow, AClientNameWithMarkupIsShownAsTyped) {
    window = std::make_unique<TfrmAllegaExcel>(fake.env(), nullptr, "<b>R</b> &amp; C.", "3");
    window->show();
    const auto* title = window->findChild<QLabel*>("lblTitolo");
    EXPECT_EQ(title->text(), "Servizi forniti a <b>R</b> &amp; C.");
    // read as markup, the label would take the room of "Servizi forniti a R & C." only
    EXPECT_GE(title->sizeHint().width(), title->fontMetrics().horizontalAdvance(title->text()));
}

TEST_F(ServicesWindow, TabGoesFromTheFindBoxThroughTheListToTheButtonsInTheirRow) {
    open();
    QStringList reached;
    for (int i = 0; i < 7; ++i) {
        reached << QApplication::focusWidget()->objectName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(reached, QStringList({"txtTrova", "btnTrova", "lstRecords", "btnAggiungi", "btnModifica",
                                    "btnStampa", "btnChiudi"}));
}

TEST_F(ServicesWindow, ASecondSaveOverwritesTheSameEntryAndTheAmountIsStoredNormalised) {
    open();
    press("btnAggiungi");
    EXPECT_EQ(edit("txtImporto")->text(), "0,00");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtData"));
    entry("01/02/2024", "Ronda notturna", "12,346");
    press("btnSalva");  // the amount still being typed is normalised before it is stored
    EXPECT_EQ(edit("txtImporto")->text(), "12,35");
    edit("txtServizi")->setText("Ronda notturna e apertura");
    press("btnSalva");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].get("txtServizi"), "Ronda notturna e apertura");
    EXPECT_EQ(stored()[0].get("txtImporto"), "12,35");
    EXPECT_EQ(fake.messages.texts(),
              QStringList({"La scheda corrente è stata inserita in archivio.",
                           "Le modifiche apportate alla scheda corrente sono state salvate in archivio."}));
}

TEST_F(ServicesWindow, LeavingTheAmountNormalisesItAndSaveChecksTheFieldsInOrder) {
    open();
    press("btnAggiungi");
    QTest::keyClicks(edit("txtImporto"), "ab");  // only digits and the comma are typed
    edit("txtImporto")->setFocus();
    edit("txtImporto")->setText("0,125");
    edit("txtData")->setFocus();
    EXPECT_EQ(edit("txtImporto")->text(), "0,13");
    press("btnSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: per salvare la scheda è necessario indicare la data in cui è "
              "stato fornito il servizio.");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtData"));
    edit("txtData")->setText("01/02/2024");
    edit("txtOra")->setText("10:00");
    edit("txtServizi")->setText("Sopralluogo");
    press("btnSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: per salvare la scheda è necessario indicare il nome "
              "dell'agente che ha fornito il servizio.");
    EXPECT_EQ(QApplication::focusWidget(), edit("txtAgente"));
    EXPECT_FALSE(std::filesystem::file_size(file()) > 0);
}

TEST_F(ServicesWindow, TheTotalIsExactAndAnEntryIsEditedFromItsRow) {
    Archive a(fake.folder() / "Servizi_Cliente_3.pro", serviceLayout());
    for (const auto& [text, amount] : {std::pair{"Ronda", "10,10"}, {"Apertura", "20,20"}}) {
        Record r(serviceLayout());
        r.set("txtData", "01/02/2024");
        r.set("txtOra", "10:30");
        r.set("txtServizi", text);
        r.set("txtAgente", "Bianchi");
        r.set("txtImporto", amount);
        a.append(r);
    }
    open();
    EXPECT_EQ(total(), "€ 30,30");
    ASSERT_EQ(window->rows().size(), 2u);
    press("btnModifica");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: selezionare una voce dall'elenco prima di premere il pulsante di modifica.");
    // "Trova" from the keyboard: Enter in the box moves to the button, Enter there finds
    QTest::keyClicks(edit("txtTrova"), "APERT");
    QTest::keyClick(edit("txtTrova"), Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btnTrova");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(window->list()->currentIndex().row(), 1);
    press("btnModifica");
    EXPECT_EQ(edit("txtServizi")->text(), "Apertura");
    EXPECT_EQ(window->findChild<QLabel*>("lblPosizione")->text(), "2");
    edit("txtImporto")->setFocus();
    edit("txtImporto")->setText("25");
    press("btnSalva");
    EXPECT_EQ(stored()[1].get("txtImporto"), "25,00");
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(ServicesWindow, UnreadableAmountsAreListedOutOfTheTotalWithOneMessage) {
    struct Case {
        std::vector<const char*> amounts;
        const char* total;
        QStringList messages;
    };
    const Case cases[] = {
        {{"10,00", "12.50", "5,00"},
         "€ 15,00",
         {"Attenzione: l'importo di un servizio non è leggibile e non è compreso nel totale."}},
        {{"1,00", "x", "2,00", "3.5", "4,00"},
         "€ 7,00",
         {"Attenzione: gli importi di 2 servizi non sono leggibili e non sono compresi nel totale."}},
        {{"1,00", "2,00"}, "€ 3,00", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.total);
        std::filesystem::remove(file());
        Archive a(file(), serviceLayout());
        for (const char* amount : c.amounts) {
            Record r(serviceLayout());
            r.set("txtData", "01/02/2024");
            r.set("txtOra", "10:30");
            r.set("txtServizi", "Ronda");
            r.set("txtAgente", "Bianchi");
            r.set("txtImporto", amount);
            a.append(r);
        }
        fake.messages.clear();
        open();
        EXPECT_EQ(window->rows().size(), c.amounts.size());
        EXPECT_EQ(total(), c.total);
        QApplication::processEvents();  // the message comes once the list is on screen
        EXPECT_EQ(fake.messages.texts(), c.messages);
    }
}

TEST_F(ServicesWindow, AnAmountTooLongForTheFieldOnceNormalisedIsRefused) {
    open();
    press("btnAggiungi");
    entry("01/02/2024", "Trasporto valori", "1234567890123");
    edit("txtData")->setFocus();  // left as typed: cut to the field it would lose its cents
    EXPECT_EQ(edit("txtImporto")->text(), "1234567890123");
    press("btnSalva");
    EXPECT_EQ(fake.messages.texts(),
              QStringList(
                  {"Attenzione: per salvare la scheda è necessario indicare l'importo pagato dal cliente."}));
    EXPECT_EQ(QApplication::focusWidget(), edit("txtImporto"));
    EXPECT_EQ(std::filesystem::file_size(file()), 0u);
    edit("txtImporto")->setText("123456789012");  // twelve digits fit with their cents
    press("btnSalva");
    ASSERT_EQ(stored().size(), 1u);
    EXPECT_EQ(stored()[0].get("txtImporto"), "123456789012,00");
}

TEST_F(ServicesWindow, TheSummaryPrintsTheRowsTheDashedLineAndTheTotal) {
    open();
    press("btnStampa");
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs[0]);
    EXPECT_NE(text.find("Riepilogo servizi forniti a Rossi Mario"), std::string::npos);
    EXPECT_NE(text.find("--------------------------"), std::string::npos);
    EXPECT_NE(text.find("TOTALE IMPORTI:    € 0,00"), std::string::npos);
}

TEST_F(ServicesWindow, TheIconsSitBesideTheirFieldsAndFillTodayAndNow) {
    open();
    press("btnAggiungi");
    for (const auto& [icon, field] : {std::pair{"impData", "txtData"}, {"impOra", "txtOra"}}) {
        const QWidget* button = window->findChild<QToolButton*>(icon);
        const QRect beside(button->mapTo(window.get(), QPoint()), button->size());
        const QRect edit_(edit(field)->mapTo(window.get(), QPoint()), edit(field)->size());
        EXPECT_TRUE(beside.top() < edit_.center().y() && edit_.center().y() < beside.bottom()) << icon;
        EXPECT_GT(beside.left(), edit_.right()) << icon;
        EXPECT_LT(beside.left() - edit_.right(), 16) << icon;  // right after its own field
    }
    fake.clock.set({2025, 3, 3, 9, 5, 7});
    window->findChild<QToolButton*>("impData")->click();
    window->findChild<QToolButton*>("impOra")->click();
    EXPECT_EQ(edit("txtData")->text(), "03/03/2025");
    EXPECT_EQ(edit("txtOra")->text(), "09:05");
}

}  // namespace
}  // namespace custovia
