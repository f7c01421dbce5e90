// The client search window, as the client card's search and as the picker of the other cards.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/windows/CardEditor.h"
#include "clients/clients.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const RecordLayout& interventionTargets() {
    static const RecordLayout l{{"txtUtente", 50}, {"txtCelUte", 30}, {"txtNote", 250}};
    return l;
}
const RecordLayout& appointmentTargets() {
    static const RecordLayout l{{"txtContatto", 50}, {"txtTel", 30},    {"txtCel", 30},
                                {"txtEmail", 50},    {"txtLuogo", 250}, {"txtNote", 250}};
    return l;
}
const RecordLayout& contractTargets() {
    static const RecordLayout l{{"txtCliente", 50}, {"txtComuneCli", 50},     {"txtProvCli", 2},
                                {"txtCapCli", 5},   {"txtPartitaIvaCli", 11}, {"txtCodFiscCli", 16},
                                {"txtViaCli", 50},  {"txtTelCli", 30},        {"txtPagamento", 250},
                                {"txtNote", 250}};
    return l;
}

class ClientSearchWindow : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [tag, layout] :
             std::vector<std::pair<QString, const RecordLayout*>>{{"clienti", &clientLayout()},
                                                                  {"interventi", &interventionTargets()},
                                                                  {"scadenze", &appointmentTargets()},
                                                                  {"contratto", &contractTargets()}}) {
            editors.emplace_back(std::make_unique<CardEditor>(
                fake.env(),
                test::bareCardEditor("Editor_" + tag, tag, "Prova_" + tag.toStdString() + ".pro", *layout)));
            editors.back()->setFieldText("txtNote", "da non toccare");
        }
        store("Rossi Mario", "Centro", "Sì");
        store("Bianchi Anna", "Periferia nord", "No");
        store("ROSSINI Carla", "centro storico", "No");
    }

    void store(const std::string& name, const std::string& zone, const std::string& flag) {
        Record r(clientLayout());
        r.set("txtCliente", name);
        r.set("txtZona", zone);
        r.set("txtRecapito", "051 1" + std::to_string(++stored));
        r.set("txtTelCel", "33312345" + std::to_string(stored));
        r.set("txtEmail", "c" + std::to_string(stored) + "@example.it");
        r.set("txtEstremi", "Bonifico");
        r.set("txtComuneRes", "Bologna");
        r.set("txtProvRes", "BO");
        r.set("txtCapRes", "40100");
        r.set("txtPartitaIva", "01234567897");
        r.set("txtCodFisc", "RSSMRA80A01H501U");
        r.set("txtIndirizzoRes", "Via Roma 1");
        r.set("txtNote", "nota " + std::to_string(stored));
        r.set("chkRicontatta", flag);
        r.set("lblFile01", "contratto.pdf");
        Archive(fake.folder() / kClientsFile, clientLayout()).append(r);
    }

    CardEditor* editor(int i) { return editors[std::size_t(i)].get(); }

    // Searches by name and area and double-clicks the chosen row.
    void pick(TfrmTrovaClienti& search, int row) {
        search.show();
        QApplication::setActiveWindow(&search);
        QTest::keyClicks(search.findChild<QLineEdit*>("txtCliente"), "ross");
        QTest::keyClicks(search.findChild<QLineEdit*>("txtZona"), "CENTRO");
        QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
        QListView* list = search.list();
        const QPoint at = list->visualRect(list->model()->index(row, 0)).topLeft() + QPoint(4, 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
        EXPECT_FALSE(search.isVisible());
    }

    FakeEnvironment fake;
    std::vector<std::unique_ptr<CardEditor>> editors;
    int stored = 0;
};

TEST_F(ClientSearchWindow, TwoFiltersListOnlyTheClientsMatchingBothInAnyCase) {
    TfrmTrovaClienti search(fake.env(), "clienti");
    EXPECT_EQ(search.windowTitle(), " Trova clienti in archivio");
    EXPECT_EQ(search.modeTag(), "clienti");
    search.show();
    QApplication::setActiveWindow(&search);
    EXPECT_EQ(QApplication::focusWidget(), search.findChild<QLineEdit*>("txtCliente"));
    QTest::keyClicks(search.findChild<QLineEdit*>("txtCliente"), "ross");
    QTest::keyClicks(search.findChild<QLineEdit*>("txtZona"), "CENTRO");
    QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    EXPECT_EQ(search.findChild<QLabel*>("lblTrovate")->text(), "Il presente riepilogo contiene 2 schede.");
    ASSERT_EQ(search.rows().size(), 2u);
    EXPECT_TRUE(search.rows()[0].starts_with("Rossi Mario                 Tel. 051 11"));
    EXPECT_TRUE(search.rows()[1].ends_with("  nota 3"));
}

TEST_F(ClientSearchWindow, UnderClientiTheWholeCardIsLoaded) {
    TfrmTrovaClienti search(fake.env(), "clienti");
    pick(search, 1);
    EXPECT_EQ(editor(0)->position(), "3");
    EXPECT_EQ(editor(0)->fieldText("txtCliente"), "ROSSINI Carla");
    EXPECT_EQ(editor(0)->fieldText("txtNote"), "nota 3");
    EXPECT_EQ(editor(0)->fieldText("chkRicontatta"), "No");
    EXPECT_EQ(editor(0)->fieldText("lblFile01"), "contratto.pdf");
    EXPECT_EQ(editor(1)->fieldText("txtUtente"), "");
}

TEST_F(ClientSearchWindow, EachPickerTagFillsOnlyItsTargets) {
    struct Expected {
        QString tag;
        int editor;
        std::vector<std::pair<const char*, const char*>> fields;
    };
    const std::vector<Expected> cases{
        {"interventi", 1, {{"txtUtente", "Rossi Mario"}, {"txtCelUte", "333123451"}}},
        {"scadenze",
         2,
         {{"txtContatto", "Rossi Mario"},
          {"txtTel", "051 11"},
          {"txtCel", "333123451"},
          {"txtEmail", "c1@example.it"},
          {"txtLuogo", "Bonifico"}}},
        {"contratto",
         3,
         {{"txtCliente", "Rossi Mario"},
          {"txtComuneCli", "Bologna"},
          {"txtProvCli", "BO"},
          {"txtCapCli", "40100"},
          {"txtPartitaIvaCli", "01234567897"},
          {"txtCodFiscCli", "RSSMRA80A01H501U"},
          {"txtViaCli", "Via Roma 1"},
          {"txtTelCli", "051 11"},
          {"txtPagamento", "Bonifico"}}},
    };
    for (const Expected& c : cases) {
        TfrmTrovaClienti search(fake.env(), c.tag);
        pick(search, 0);
        for (const auto& [field, value] : c.fields)
            EXPECT_EQ(editor(c.editor)->fieldText(field), value) << field;
        EXPECT_EQ(editor(c.editor)->fieldText("txtNote"), "da non toccare") << c.tag.toStdString();
        EXPECT_EQ(editor(c.editor)->position(), "");
        EXPECT_EQ(editor(0)->position(), "") << "the client card is not touched";
    }
}

TEST_F(ClientSearchWindow, AnUnknownTagCopiesNothing) {
    TfrmTrovaClienti search(fake.env(), "altro");
    pick(search, 0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(editor(i)->fieldText("txtNote"), "da non toccare");
}

TEST(ClientImport, TheInterventionCardImportsTheReportersNameAndMobile) {
    FakeEnvironment fake;
    Record r(clientLayout());
    r.set("txtCliente", "Rossi Mario");
    r.set("txtTelCel", "3331234567");
    Archive(fake.folder() / kClientsFile, clientLayout()).append(r);
    TfrmInterventi card(fake.env());
    card.show();
    card.setFieldText("txtGuasto", "Allarme");
    auto* import = card.findChild<QToolButton*>("impCliente");
    ASSERT_TRUE(import->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* search = qobject_cast<TfrmTrovaClienti*>(QApplication::activeModalWidget());
        ASSERT_NE(search, nullptr);
        seen = true;
        EXPECT_EQ(search->modeTag(), "interventi");
        search->findChild<QPushButton*>("btnCerca")->click();
        QListView* list = search->list();
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    import->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(card.fieldText("txtUtente"), "Rossi Mario");
    EXPECT_EQ(card.fieldText("txtCelUte"), "3331234567");
    EXPECT_EQ(card.fieldText("txtGuasto"), "Allarme");
    EXPECT_EQ(card.position(), "");
}

}  // namespace
}  // namespace custovia
