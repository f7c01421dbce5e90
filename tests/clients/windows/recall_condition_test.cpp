// A chosen row opens only the records its list shows: another card that gives the same row
// but is not in the list (not to be called back, or outside the search's filters) is never
// opened through it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include "archive/windows/CardEditor.h"
#include "clients/clients.h"
#include "clients/windows/TfrmRicontatta.h"
#include "clients/windows/TfrmTrovaClienti.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class RecallCondition : public ::testing::Test {
protected:
    void SetUp() override {
        CardConfig c;
        c.objectName = "TfrmClientiProva";
        c.areaTag = "clienti";
        c.archiveFile = std::string(kClientsFile);
        c.layout = &clientLayout();
        for (const char* name : {"txtCliente", "txtCodFisc", "txtNote"}) c.fields.push_back({name, ""});
        c.fields.push_back({"chkRicontatta", "Da ricontattare", FieldControl::Check});
        c.toolbar = {{"lblPosizione", "", "", ""}};
        editor = std::make_unique<CardEditor>(fake.env(), c);
        // two cards giving the same row: only the first is in the lists below
        store("RSSMRA80A01H501U", "Sì", "prima");
        store("VRDCRL70A41A944K", "No", "seconda");
    }
    void store(const std::string& code, const std::string& flag, const std::string& marker) {
        Record r(clientLayout());
        r.set("txtCliente", "Rossi Mario");
        r.set("txtQuestioni", "rinnovo");
        r.set("txtCodFisc", code);
        r.set("txtDocumento", marker);
        r.set("chkRicontatta", flag);
        Archive(fake.folder() / kClientsFile, clientLayout()).append(r);
    }
    static void openFirstRow(ListWindow& window) {
        QListView* list = window.list();
        ASSERT_EQ(list->model()->rowCount(), 1);
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    }

    FakeEnvironment fake;
    std::unique_ptr<CardEditor> editor;
};

TEST_F(RecallCondition, TheRecontactListOpensOnlyAClientToCallBack) {
    TfrmRicontatta list(fake.env());
    list.show();
    openFirstRow(list);
    EXPECT_EQ(editor->position(), "1");
    EXPECT_EQ(editor->fieldText("txtCodFisc"), "RSSMRA80A01H501U");
}

TEST_F(RecallCondition, TheSearchOpensOnlyAClientMatchingItsFilters) {
    TfrmTrovaClienti search(fake.env(), "clienti");
    search.show();
    search.findChild<QLineEdit*>("txtCodFisc")->setText("rssmra");
    search.findChild<QPushButton*>("btnCerca")->click();
    openFirstRow(search);
    EXPECT_EQ(editor->position(), "1");
    EXPECT_EQ(editor->fieldText("txtCodFisc"), "RSSMRA80A01H501U");
}

}  // namespace
}  // namespace custovia
