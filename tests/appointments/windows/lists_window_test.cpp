// The status lists, the search window and the archive export, loading into a card editor
// registered under "scadenze".
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "appointments/windows/TfrmAssolti.h"
#include "appointments/windows/TfrmConfermati.h"
#include "appointments/windows/TfrmExpScadenzario.h"
#include "appointments/windows/TfrmScaduti.h"
#include "appointments/windows/TfrmTrovaScadenze.h"
#include "archive/windows/CardEditor.h"
#include "window_fixture.h"

namespace custovia {
namespace {

class ListWindows : public test::AppointmentWindows {
protected:
    void SetUp() override {
        editor = std::make_unique<CardEditor>(
            fake.env(), test::bareCardEditor("TfrmProvaAppuntamenti", "scadenze",
                                             std::string(kAppointmentsFile), appointmentLayout()));
    }

    static QStringList rows(ListWindow& window, int width = 16) {
        QStringList out;
        for (const std::string& row : window.rows()) out << QString::fromStdString(row).left(width);
        return out;
    }
    static void show(ListWindow& window, const QString& tag = {}) {
        window.setModeTag(tag);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    static void doubleClick(ListWindow& window, int row) {
        window.list()->setCurrentIndex(window.list()->model()->index(row, 0));
        emit window.list()->doubleClicked(window.list()->currentIndex());
    }

    std::unique_ptr<CardEditor> editor;
};

TEST_F(ListWindows, EachStatusListTakesItsRecordsInFileOrderOnTheClocksToday) {
    // today is 10/03/2026
    store({{.data = "12/03/2026", .contatto = "Futuro"},
           {.data = "09/03/2026", .contatto = "Ieri"},
           {.data = "10/03/2026", .ore = "08", .contatto = "Oggi"},
           {.data = "01/01/2026", .contatto = "Fatto", .fatto = "Sì"}});
    TfrmConfermati pending(fake.env(), nullptr);
    show(pending);
    EXPECT_EQ(pending.windowTitle(), " Riepilogo impegni da assolvere");
    EXPECT_EQ(rows(pending), QStringList({"Data: 12/03/2026", "Data: 09/03/2026", "Data: 10/03/2026"}));
    TfrmAssolti done(fake.env(), nullptr);
    show(done);
    EXPECT_EQ(done.windowTitle(), " Riepilogo impegni assolti");
    EXPECT_EQ(rows(done), QStringList({"Data: 01/01/2026"}));

    fake.clock.set({2026, 3, 10, 23, 59, 0});  // an appointment of today is not expired, whatever its time
    TfrmScaduti expired(fake.env(), nullptr);
    show(expired, "qualsiasi");
    EXPECT_EQ(expired.windowTitle(), " Riepilogo impegni scaduti e non assolti");
    EXPECT_EQ(rows(expired), QStringList({"Data: 09/03/2026"}));
    EXPECT_EQ(QApplication::focusWidget(), expired.findChild<QLineEdit*>("txtTrova"));

    // a double-click loads the card whatever the tag, with its number
    doubleClick(expired, 0);
    EXPECT_EQ(editor->position(), "2");
    EXPECT_EQ(editor->fieldText("txtContatto"), "Ieri");
    EXPECT_EQ(editor->fieldText("lblOra"), "09:00");
    EXPECT_EQ(editor->fieldText("chkOttemperata"), "No");
    EXPECT_FALSE(expired.isVisible());
}

TEST_F(ListWindows, StatusListsShowTheirHeaderAndTheTrovaInstructionAndTheSearchItsCriteriaInstruction) {
    const QString findInstruction =
        "Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere il "
        "pulsante Trova. Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare "
        "di nuovo clic su Trova.";
    TfrmConfermati pending(fake.env(), nullptr);
    TfrmScaduti expired(fake.env(), nullptr);
    TfrmAssolti done(fake.env(), nullptr);
    const std::pair<ListWindow*, const char*> lists[] = {{&pending, "IMPEGNI DA ASSOLVERE"},
                                                         {&expired, "IMPEGNI SCADUTI E NON ASSOLTI"},
                                                         {&done, "IMPEGNI ASSOLTI"}};
    for (const auto& [window, header] : lists) {
        show(*window);
        SCOPED_TRACE(window->objectName().toStdString());
        const auto* picture = window->findChild<QLabel*>("imgTitolo");
        ASSERT_NE(picture, nullptr);
        EXPECT_TRUE(picture->isVisible());
        EXPECT_FALSE(picture->pixmap().isNull());
        EXPECT_EQ(picture->accessibleName(), header);
        const auto* instruction = window->findChild<QLabel*>("imgIstruzioniTrova");
        ASSERT_NE(instruction, nullptr);
        EXPECT_TRUE(instruction->isVisible());
        EXPECT_EQ(instruction->text(), findInstruction);
        // the instruction stands above the box it explains
        EXPECT_LT(instruction->mapTo(window, QPoint()).y(),
                  window->findChild<QLineEdit*>("txtTrova")->mapTo(window, QPoint()).y());
    }

    TfrmTrovaScadenze search(fake.env(), nullptr);
    show(search, "scadenze");
    const auto* criteria = search.findChild<QLabel*>("imgIstruzioni");
    ASSERT_NE(criteria, nullptr);
    EXPECT_TRUE(criteria->isVisible());
    EXPECT_EQ(criteria->text(),
              "Immettere nei campi prescelti una o più parole consecutive presenti nelle schede da trovare e "
              "premere il pulsante Cerca. Lasciare in bianco tutti gli altri campi. Per ogni ricerca è "
              "possibile utilizzare uno o più campi contemporaneamente.");
    EXPECT_EQ(search.findChild<QLabel*>("imgIstruzioniTrova"), nullptr);  // the results have none
}

TEST_F(ListWindows, SearchListsEveryCardWithoutCriteriaAndLoadsUnderItsTagOnly) {
    store({{.data = "15/03/2026", .contatto = "Rossi Mario", .tipologia = "Bianchi"},
           {.data = "16/03/2026", .contatto = "Rossi Anna", .tipologia = "Verdi"}});
    TfrmTrovaScadenze all(fake.env(), nullptr);
    show(all, "scadenze");
    EXPECT_EQ(all.windowTitle(), " Trova appuntamenti in archivio");
    all.findChild<QPushButton*>("btnCerca")->click();
    EXPECT_EQ(all.findChild<QLabel*>("lblTrovate")->text(), "Il presente riepilogo contiene 2 schede.");

    TfrmTrovaScadenze both(fake.env(), nullptr);
    show(both, "scadenze");
    QTest::keyClicks(both.findChild<QLineEdit*>("txtContatto"), "ross");
    QTest::keyClicks(both.findChild<QLineEdit*>("txtTipologia"), "bianchi");
    both.findChild<QPushButton*>("btnCerca")->click();
    EXPECT_EQ(both.findChild<QLabel*>("lblTrovate")->text(), "Il presente riepilogo contiene 1 schede.");
    doubleClick(both, 0);
    EXPECT_EQ(editor->position(), "1");
    EXPECT_EQ(editor->fieldText("txtTipologia"), "Bianchi");

    TfrmTrovaScadenze elsewhere(fake.env(), nullptr);
    show(elsewhere, "clienti");
    elsewhere.findChild<QPushButton*>("btnCerca")->click();
    doubleClick(elsewhere, 1);
    EXPECT_EQ(editor->position(), "1");
}

TEST_F(ListWindows, ArchiveExportShowsAndWritesThirteenColumnsInFileOrder) {
    store({{.data = "16/03/2026", .contatto = "Secondo giorno"},
           {.data = "15/03/2026", .contatto = "Primo giorno"}});
    TfrmExpScadenzario window(fake.env(), nullptr);
    window.show();
    EXPECT_EQ(window.windowTitle(), " Esportazione archivio appuntamenti");
    ASSERT_EQ(window.model().rowCount(), 2);
    EXPECT_EQ(window.model().columnCount(), 14);
    EXPECT_EQ(window.model().index(0, 0).data().toString(), "1");
    EXPECT_EQ(window.model().index(0, 6).data().toString(), "Secondo giorno");
    EXPECT_EQ(window.grid()->columnWidth(1), 130);
    fake.messages.answer({true, false});
    window.findChild<QToolButton*>("cmdEsporta")->click();
    const std::string xls = test::readBytes(fake.folder() / "Riepilogo_Appuntamenti.xls");
    EXPECT_LT(xls.find("Secondo giorno"), xls.find("Primo giorno"));
    EXPECT_NE(xls.find("<x:Name>Riepilogo Appuntamenti</x:Name>"), std::string::npos);
    EXPECT_EQ(xls.find("Codice univoco"), std::string::npos);
}

}  // namespace
}  // namespace custovia
