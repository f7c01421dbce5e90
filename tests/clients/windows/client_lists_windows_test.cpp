// The recontact list and the client export, over a small client archive.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "archive/windows/CardEditor.h"
#include "clients/clients.h"
#include "clients/windows/TfrmExpClienti.h"
#include "clients/windows/TfrmRicontatta.h"
#include "fakes.h"
#include "window_helpers.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class ClientListWindows : public ::testing::Test {
protected:
    void SetUp() override {
        editor = std::make_unique<CardEditor>(
            fake.env(),
            test::bareCardEditor("TfrmClientiProva", "clienti", std::string(kClientsFile), clientLayout()));
    }

    void store(const std::string& name, const std::string& flag, const std::string& issues,
               const std::string& note = "") {
        Record r(clientLayout());
        r.set("txtCliente", name);
        r.set("txtRecapito", "051 123456");
        r.set("txtZona", "Centro");
        r.set("txtQuestioni", issues);
        r.set("txtNote", note);
        r.set("txtComuneNasc", "Forlì");
        r.set("txtProvNasc", "FC");
        r.set("txtCapRes", "40100");
        r.set("chkRicontatta", flag);
        Archive(fake.folder() / kClientsFile, clientLayout()).append(r);
    }
    static void doubleClickRow(QListView* list, int row) {
        const QPoint at = list->visualRect(list->model()->index(row, 0)).topLeft() + QPoint(4, 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    FakeEnvironment fake;
    std::unique_ptr<CardEditor> editor;
};

TEST_F(ClientListWindows, RecontactListShowsTheFlaggedClientsWithTheirOpenIssues) {
    store("Rossi Mario", "Sì", "richiamare per il rinnovo", "prima");
    store("Bianchi Anna", "No", "nessuna");
    store("Verdi Carla", "Sì", "preventivo", "terza");
    TfrmRicontatta list(fake.env());
    list.show();
    QApplication::setActiveWindow(&list);
    EXPECT_EQ(list.windowTitle(), " Riepilogo clienti da ricontattare");
    EXPECT_EQ(list.findChild<QLabel*>("lblTrovate"), nullptr);
    ASSERT_EQ(list.rows().size(), 2u);
    EXPECT_TRUE(list.rows()[0].starts_with("Rossi Mario"));
    EXPECT_TRUE(list.rows()[0].ends_with("  richiamare per il rinnovo"));
    EXPECT_TRUE(list.rows()[1].ends_with("  preventivo"));
    EXPECT_EQ(QApplication::focusWidget(), list.findChild<QLineEdit*>("txtTrova"));

    doubleClickRow(list.list(), 1);
    EXPECT_EQ(editor->position(), "3");
    EXPECT_EQ(editor->fieldText("txtNote"), "terza");
    EXPECT_EQ(editor->fieldText("chkRicontatta"), "Sì");
    EXPECT_FALSE(list.isVisible());
}

TEST_F(ClientListWindows, ExportGridHoldsTheTwentyFiveColumnsAndWritesClientiXls) {
    store("Rossi Mario", "Sì", "rinnovo");
    store("Bianchi Anna", "No", "");
    store("Verdi Carla", "No", "");
    TfrmExpClienti window(fake.env(), nullptr);
    window.show();
    EXPECT_EQ(window.windowTitle(), " Esporta archivio clienti in Excel");
    EXPECT_EQ(window.findChild<QLabel*>("panInfo")->text(), "Esportazione archivio in Microsoft Excel.");
    const GridModel& model = window.model();
    ASSERT_EQ(model.columnCount(), 26);
    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(),
              "Comune / Stato estero di nascita");
    EXPECT_EQ(model.index(0, 3).data().toString(), "Forlì FC");
    EXPECT_EQ(model.index(2, 0).data().toString(), "3");
    EXPECT_EQ(window.grid()->columnWidth(25), 350);

    fake.messages.answer({true, true});
    window.findChild<QToolButton*>("cmdEsporta")->click();
    const std::filesystem::path xls = fake.folder() / "Clienti.xls";
    const std::string bytes = test::readBytes(xls);
    EXPECT_NE(bytes.find("<x:Name>Archivio Clienti</x:Name>"), std::string::npos);
    EXPECT_NE(bytes.find("<td style=\"text-align: left;\">Forl\xEC FC</td>"), std::string::npos);
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"" + xls.string() + "\""});
}

}  // namespace
}  // namespace custovia
