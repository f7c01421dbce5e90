// The contract search window, recalling into the editor registered under "contratti", and the
// contract export window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "archive/windows/CardEditor.h"
#include "contracts/contracts.h"
#include "contracts/windows/TfrmExpContratti.h"
#include "contracts/windows/TfrmTrovaContratti.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class ContractListWindows : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<CardEditor>(
            fake.env(), test::bareCardEditor("TfrmContrattoProva", "contratti", std::string(kContractsFile),
                                             contractLayout()));
    }

    void store(const std::string& cliente, const std::string& comune, const std::string& data,
               const std::string& ditta = "Vigilanza Notturna") {
        Record r(contractLayout());
        r.set("txtCliente", cliente);
        r.set("txtComuneCli", comune);
        r.set("txtProvCli", "NA");
        r.set("txtData", data);
        r.set("txtNumContratto", "7");
        r.set("txtDitta", ditta);
        r.set("txtOpEsc04", "ispezioni interne");
        r.set("lblDesc03", "contratto firmato");
        Archive(fake.folder() / kContractsFile, contractLayout()).append(r);
    }
    static void doubleClickRow(ListWindow& window, int row) {
        QListView* list = window.list();
        const QPoint at = list->visualRect(list->model()->index(row, 0)).topLeft() + QPoint(4, 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    FakeEnvironment fake;
    std::unique_ptr<CardEditor> editor;
};

TEST_F(ContractListWindows, SearchByClientAndTownRecallsTheWholeContract) {
    store("ROSSI SPA", "Napoli", "03/05/2025", "Ditta di allora");
    store("Carla Rossetti", "Milano", "1/2/2024");
    store("Bianchi", "napoli", "12/12/2025");
    TfrmTrovaContratti search(fake.env(), nullptr);
    search.setModeTag("contratti");
    search.show();
    QApplication::setActiveWindow(&search);
    EXPECT_EQ(search.windowTitle(), " Trova contratti in archivio");
    EXPECT_EQ(QApplication::focusWidget(), search.findChild<QLineEdit*>("txtCliente"));
    QTest::keyClicks(search.findChild<QLineEdit*>("txtCliente"), "ross");
    QTest::keyClicks(search.findChild<QLineEdit*>("txtComuneCli"), "NAPOLI");
    QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    EXPECT_EQ(search.findChild<QLabel*>("lblTrovate")->text(), "Il presente riepilogo contiene 1 schede.");
    ASSERT_EQ(search.rows().size(), 1u);
    EXPECT_EQ(search.rows()[0].substr(0, 35), "ROSSI SPA                     Tel. ");

    doubleClickRow(search, 0);
    EXPECT_EQ(editor->position(), "1");
    EXPECT_EQ(editor->fieldText("txtDitta"), "Ditta di allora");
    EXPECT_EQ(editor->fieldText("txtOpEsc04"), "ispezioni interne");
    EXPECT_EQ(editor->fieldText("lblDesc03"), "contratto firmato");
    EXPECT_FALSE(search.isVisible());
}

TEST_F(ContractListWindows, NoFilterListsEveryContractAndEmptyListRefusesTrova) {
    TfrmTrovaContratti empty(fake.env(), nullptr);
    empty.setModeTag("contratti");
    empty.show();
    QTest::mouseClick(empty.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    QTest::mouseClick(empty.findChild<QPushButton*>("btnTrova"), Qt::LeftButton);
    EXPECT_EQ(fake.messages.last().text, "Ricerca non applicabile: la lista non contiene nessuna voce.");

    store("Uno", "Bologna", "1/1/2025");
    store("Due", "Modena", "2/1/2025");
    TfrmTrovaContratti search(fake.env(), nullptr);
    search.setModeTag("contratti");
    search.show();
    QTest::mouseClick(search.findChild<QPushButton*>("btnCerca"), Qt::LeftButton);
    EXPECT_EQ(search.rows().size(), 2u);
    EXPECT_EQ(search.rows()[1].substr(0, 3), "Due");
}

TEST_F(ContractListWindows, ExportShowsTheGridAndWritesContrattiXls) {
    store("ROSSI SPA", "Napoli", "03/05/2025");
    TfrmExpContratti window(fake.env(), nullptr);
    window.show();
    EXPECT_EQ(window.windowTitle(), " Esporta archivio contratti in Excel");
    const QAbstractItemModel* grid = window.grid()->model();
    ASSERT_EQ(grid->columnCount(), 26);
    EXPECT_EQ(grid->headerData(0, Qt::Horizontal).toString(), "N.");
    EXPECT_EQ(grid->headerData(2, Qt::Horizontal).toString(), "Data stipula");
    EXPECT_EQ(grid->headerData(25, Qt::Horizontal).toString(), "Attività 3 inclusa in contratto");
    EXPECT_EQ(grid->data(grid->index(0, 5)).toString(), "Napoli NA");

    fake.messages.answer({true, false});
    window.exportGrid();
    const std::string bytes = test::readBytes(fake.folder() / "Contratti.xls");
    EXPECT_NE(bytes.find("<x:Name>Riepilogo Contratti</x:Name>"), std::string::npos);
    EXPECT_NE(bytes.find("width=150>Data</td>"), std::string::npos);
    EXPECT_NE(bytes.find(">Napoli NA</td>"), std::string::npos);
    EXPECT_TRUE(fake.shell.opened.empty());
}

}  // namespace
}  // namespace custovia
