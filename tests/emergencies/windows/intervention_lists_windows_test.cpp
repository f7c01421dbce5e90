// The intervention search window and in-progress list, loading into an intervention card
// editor registered under "interventi".
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

#include "archive/windows/CardEditor.h"
#include "emergencies/interventions.h"
#include "emergencies/windows/TfrmPendenti.h"
#include "emergencies/windows/TfrmTrovaInterventi.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class InterventionListWindows : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<CardEditor>(
            fake.env(), test::bareCardEditor("TfrmInterventiProva", "interventi",
                                             std::string(kInterventionsFile), interventionLayout()));
    }

    void store(const std::string& data, const std::string& utente, const std::string& terminato,
               const std::string& note = "") {
        Record r(interventionLayout());
        r.set("txtData", data);
        r.set("txtUtente", utente);
        r.set("txtTarga", "AB123CD");
        r.set("txtTecnico", "Bianchi Luca");
        r.set("txtNote", note);
        r.set("chkTerminato", terminato);
        r.set("lblFile01", "verbale.pdf");
        Archive(fake.folder() / kInterventionsFile, interventionLayout()).append(r);
    }
    void show(ListWindow& window, const QString& tag) {
        window.setModeTag(tag);
        window.show();
        QApplication::setActiveWindow(&window);
    }
    static void doubleClickRow(ListWindow& window, int row) {
        QListView* list = window.list();
        const QRect item = list->visualRect(list->model()->index(row, 0));
        const QPoint at = item.topLeft() + QPoint(4, 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double click starts as a click
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    FakeEnvironment fake;
    std::unique_ptr<CardEditor> editor;
};

TEST_F(InterventionListWindows, SearchByReporterAndMonthLoadsTheChosenCardIntoTheEditor) {
    store("03/05/2024", "Rossi Mario", "No", "prima");
    store("03/04/2024", "Rossi Mario", "No");
    store("20/05/2024", "AMBROSI Anna", "Sì", "seconda");
    TfrmTrovaInterventi search(fake.env(), nullptr);
    show(search, "interventi");
    EXPECT_EQ(search.objectName(), "TfrmTrovaInterventi");
    EXPECT_EQ(search.windowTitle(), " Trova schede interventi in archivio");
    EXPECT_EQ(search.size(), QSize(862, 560));
    EXPECT_EQ(QApplication::focusWidget(), search.findChild<QLineEdit*>("txtData"));

    QTest::keyClicks(search.findChild<QLineEdit*>("txtData"), "05/2024");
    QTest::keyClicks(search.findChild<QLineEdit*>("txtUtente"), "ros");
    QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    EXPECT_EQ(search.findChild<QLabel*>("lblTrovate")->text(), "Il presente riepilogo contiene 2 schede");
    ASSERT_EQ(search.rows().size(), 2u);
    EXPECT_EQ(search.rows()[1].substr(0, 40), "Data: 20/05/2024  Cliente: AMBROSI Anna ");

    doubleClickRow(search, 1);
    EXPECT_EQ(editor->position(), "3");
    EXPECT_EQ(editor->fieldText("txtNote"), "seconda");
    EXPECT_EQ(editor->fieldText("chkTerminato"), "Sì");
    EXPECT_EQ(editor->fieldText("lblFile01"), "verbale.pdf");
    EXPECT_FALSE(search.isVisible());
}

TEST_F(InterventionListWindows, SearchUnderAnotherTagLoadsNothing) {
    store("03/05/2024", "Rossi Mario", "No");
    TfrmTrovaInterventi search(fake.env(), nullptr);
    show(search, "clienti");
    QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    doubleClickRow(search, 0);
    EXPECT_EQ(editor->position(), "");
    EXPECT_FALSE(search.isVisible());
}

TEST_F(InterventionListWindows, InProgressListShowsUnfinishedCardsAndAlwaysLoadsTheChosenOne) {
    store("01/05/2024", "Rossi", "No", "aperta");
    store("02/05/2024", "Verdi", "Sì");
    store("03/05/2024", "Neri", "");
    store("04/05/2024", "Gialli", "No", "ultima");
    TfrmPendenti pending(fake.env(), nullptr);
    show(pending, "");
    EXPECT_EQ(pending.windowTitle(), " Riepilogo interventi in corso");
    EXPECT_EQ(pending.findChild<QLabel*>("lblTrovate"), nullptr);
    ASSERT_EQ(pending.rows().size(), 2u);
    EXPECT_EQ(pending.rows()[0].substr(0, 16), "Data: 01/05/2024");
    EXPECT_EQ(pending.rows()[1].substr(0, 16), "Data: 04/05/2024");
    EXPECT_EQ(QApplication::focusWidget(), pending.findChild<QLineEdit*>("txtTrova"));
    EXPECT_EQ(pending.list()->currentIndex().row(), 0);

    doubleClickRow(pending, 1);
    EXPECT_EQ(editor->position(), "4");
    EXPECT_EQ(editor->fieldText("txtNote"), "ultima");
    EXPECT_FALSE(pending.isVisible());
}

}  // namespace
}  // namespace custovia
