// The export window, on its reference member: the grid filled on show, the two questions, the
// file written from the grid, the shell open and the failure message.
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/windows/TfrmGuida.h"
#include "emergencies/intervention_export.h"
#include "emergencies/interventions.h"
#include "emergencies/windows/TfrmExpInterventi.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral(
    "Le schede in archivio sono state esportate con successo.\r\n\r\nSi vuole aprire il file di Excel?");

class ExportWindowTest : public ::testing::Test {
protected:
    void addCard(const char* data, const char* utente, const char* terminato) {
        Archive archive(fake.env().file(kInterventionsFile), interventionLayout());
        Record r(interventionLayout());
        r.set("txtData", data);
        r.set("lblOra", "09:30");
        r.set("txtUtente", utente);
        r.set("chkTerminato", terminato);
        archive.append(r);
    }
    void open() {
        window = std::make_unique<TfrmExpInterventi>(fake.env(), nullptr);
        window->show();
    }
    QString cell(int row, int column) const { return window->model().index(row, column).data().toString(); }
    void click(const char* button) { window->findChild<QToolButton*>(button)->click(); }
    std::filesystem::path xls() const { return fake.folder() / std::string(kInterventionsExportFile); }

    FakeEnvironment fake;
    std::unique_ptr<TfrmExpInterventi> window;
};

TEST_F(ExportWindowTest, ShowsEveryCardInTheGridNumberedFromOne) {
    addCard("15/05/2024", " ROSSI MARIO ", "Sì");
    addCard("16/05/2024", "VERDI", "No");
    open();

    EXPECT_EQ(window->windowTitle(), " Esportazione archivio interventi");
    EXPECT_EQ(window->findChild<QLabel*>("panInfo")->text(), "Esportazione archivio in Microsoft Excel.");
    QTableView* grid = window->findChild<QTableView*>("grdRecords");
    ASSERT_NE(grid, nullptr);
    const GridModel& model = window->model();
    QStringList headers, names;
    for (int c = 0; c < model.columnCount(); ++c) {
        headers << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        names << model.headerData(c, Qt::Horizontal, GridModel::ColumnNameRole).toString();
    }
    EXPECT_EQ(headers, QStringList({"N.", "Data intervento", "Ora", "Centralinista", "Cliente segnalatore",
                                    "Tel. cellulare", "Problema segnalato", "Luogo emergenza",
                                    "Veicolo utilizzato", "Targa", "Operatore di pronto intervento",
                                    "Tel. cellulare", "Note", "Intervento terminato"}));
    EXPECT_EQ(names.first(), "colNum");
    EXPECT_EQ(names.last(), "colTerminato");
    EXPECT_EQ(grid->columnWidth(0), 60);
    EXPECT_EQ(grid->columnWidth(1), 150);
    EXPECT_EQ(grid->columnWidth(13), 150);

    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(grid->rowHeight(0), 21);
    EXPECT_EQ(grid->verticalHeader()->sectionResizeMode(0), QHeaderView::Fixed);
    EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 4), cell(0, 13)}),
              QStringList({"1", "15/05/2024", "09:30", "ROSSI MARIO", "Sì"}));
    EXPECT_EQ(QStringList({cell(1, 0), cell(1, 4), cell(1, 13)}), QStringList({"2", "VERDI", "No"}));
}

TEST_F(ExportWindowTest, EmptyArchiveShowsNoRows) {
    open();
    EXPECT_EQ(window->model().rowCount(), 0);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ExportWindowTest, AnswersDecideWhetherTheFileIsWrittenAndOpened) {
    struct Case {
        std::initializer_list<bool> answers;
        bool written;
        bool opened;
    };
    for (const Case& c :
         {Case{{false}, false, false}, Case{{true, false}, true, false}, Case{{true, true}, true, true}}) {
        std::filesystem::remove(xls());
        fake.shell.opened.clear();
        fake.messages.clear();
        addCard("15/05/2024", "ROSSI", "No");
        open();
        fake.messages.answer(c.answers);
        click("cmdEsporta");

        EXPECT_EQ(std::filesystem::exists(xls()), c.written);
        EXPECT_EQ(fake.messages.texts(),
                  c.written ? QStringList({kAskExport, kAskOpen}) : QStringList({kAskExport}));
        const auto opened =
            c.opened ? std::vector<std::string>{"\"" + xls().string() + "\""} : std::vector<std::string>{};
        EXPECT_EQ(fake.shell.opened, opened);
    }
}

TEST_F(ExportWindowTest, WritesWhatTheGridHoldsNotWhatTheArchiveHoldsNow) {
    addCard("15/05/2024", "ROSSI", "No");
    open();
    addCard("16/05/2024", "VERDI", "No");  // saved elsewhere after the grid was filled
    fake.messages.answer({true, false});
    click("cmdEsporta");

    GridRows shown(interventionExport().columns.size() + 1);
    Archive archive(fake.env().file(kInterventionsFile), interventionLayout());
    fillFromArchive(archive, interventionExport().columns, shown, [](std::string_view b) {
        return Record(interventionLayout(), b).get("txtUtente") == "ROSSI";
    });
    EXPECT_EQ(test::readBytes(xls()), spreadsheetBytes(interventionExport(), shown));
}

TEST_F(ExportWindowTest, FileThatCannotBeWrittenIsReportedNeverAsSuccess) {
    std::filesystem::create_directory(xls());
    open();
    fake.messages.answer({true});
    click("cmdEsporta");
    ASSERT_EQ(fake.messages.shown.size(), 2u);
    EXPECT_EQ(fake.messages.last().kind, "plain");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che il file di Excel non "
        "sia già aperto.");
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(ExportWindowTest, ArchiveThatCannotBeReadIsReportedOnceAndNeverExported) {
    // a directory where the archive should be: nothing can be read
    std::filesystem::create_directory(fake.env().file(kInterventionsFile));
    open();
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_EQ(fake.messages.last().text, archiveAccessMessage());
    EXPECT_EQ(window->model().rowCount(), 0);
    fake.messages.clear();
    click("cmdEsporta");  // no question, no file, no success
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().text, archiveAccessMessage());
    EXPECT_FALSE(std::filesystem::exists(xls()));
    EXPECT_TRUE(fake.shell.opened.empty());
}

TEST_F(ExportWindowTest, WorksFromTheKeyboardAlone) {
    addCard("15/05/2024", "ROSSI", "No");
    open();
    QApplication::setActiveWindow(window.get());
    QTableView* grid = window->findChild<QTableView*>("grdRecords");
    grid->setFocus();
    // Tab leaves the grid (it never moves from cell to cell there) for the export button
    QTest::keyClick(grid, Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), window->findChild<QToolButton*>("cmdEsporta"));
    fake.messages.answer({true, false});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(fake.messages.texts(), QStringList({kAskExport, kAskOpen}));
    EXPECT_TRUE(std::filesystem::exists(xls()));
}

TEST_F(ExportWindowTest, HelpOpensTheTitledHelpAndExitCloses) {
    open();
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* help = qobject_cast<TfrmGuida*>(QApplication::activeModalWidget())) {
            shown = help->title();
            help->reject();
        }
    });
    click("cmdGuida");
    EXPECT_EQ(shown, "Esportazione archivio interventi in Excel");
    // an opener may still hand in a help of its own
    QString title;
    window->setHelp([&](QWidget*, const QString& t) { title = t; });
    click("cmdGuida");
    EXPECT_EQ(title, "Esportazione archivio interventi in Excel");
    click("cmdEsci");
    EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace custovia
