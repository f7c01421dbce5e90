// The search window and summary list family on a small layout of its own: the filter panel,
// the results, quick-find, the double-click under a mode tag, printing and the failures.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "archive/windows/ListWindow.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

const RecordLayout kLayout{{"txtNome", 20}, {"txtTarga", 12}, {"chkFatto", 2, FieldKind::Flag}};

struct Opened {
    QString tag;
    std::uint64_t index;
    std::string nome;
    bool operator==(const Opened&) const = default;
};

class ListWindowTest : public ::testing::Test {
protected:
    ListConfig config(ListKind kind) {
        ListConfig c;
        c.objectName = "TfrmTrovaProva";
        c.caption = " Trova prove";
        c.size = QSize(700, 480);
        c.kind = kind;
        c.archiveFile = "Prova.pro";
        c.layout = &kLayout;
        c.filters = {{"txtNome", "Nome:", "txtNome"}, {"txtTarga", "Targa:", "txtTarga"}};
        c.row = [builder = RowBuilder(kLayout, {{"Nome: ", "txtNome", 10}, {"  Targa: ", "txtTarga", 0}})](
                    std::string_view bytes) { return builder(bytes); };
        c.condition = [](std::string_view bytes) {
            return rawField(kLayout, bytes, kLayout.indexOf("chkFatto")) == "No";
        };
        c.countEnding = kind == ListKind::Search ? " schede." : "";
        c.printTitle = "Riepilogo prove";
        for (const QString tag : {"prova", "altra"})
            c.actions.insert(tag, [this, tag](std::uint64_t index, const Record& r) {
                opened.push_back({tag, index, r.get("txtNome")});
            });
        return c;
    }
    void open(ListKind kind, const QString& tag = "prova") {
        window = std::make_unique<ListWindow>(fake.env(), config(kind));
        window->setModeTag(tag);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    void store(std::initializer_list<std::pair<std::string, std::string>> cards) {
        Archive file(fake.folder() / "Prova.pro", kLayout);
        for (const auto& [nome, fatto] : cards) {
            Record r(kLayout);
            r.set("txtNome", nome);
            r.set("txtTarga", "AB123CD");
            r.set("chkFatto", fatto);
            file.append(r);
        }
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    void type(const char* name, const QString& text) { QTest::keyClicks(find<QLineEdit>(name), text); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    int selectedRow() { return window->list()->currentIndex().row(); }
    void doubleClickRow(int row) {
        QListView* list = window->list();
        const QRect item = list->visualRect(list->model()->index(row, 0));
        const QPoint at = item.topLeft() + QPoint(4, 4);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);  // a double click starts as a click
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    FakeEnvironment fake;
    std::unique_ptr<ListWindow> window;
    std::vector<Opened> opened;
};

TEST_F(ListWindowTest, SearchTypesFiltersThenShowsTheCountedRowsInPlaceOfTheFilters) {
    store({{"Rossi", "No"}, {"Bianchi", "No"}, {"ROSSINI", "Sì"}});
    open(ListKind::Search);
    EXPECT_EQ(window->windowTitle(), " Trova prove");
    EXPECT_EQ(window->size(), QSize(700, 480));
    EXPECT_TRUE(find("panFiltri")->isVisible());
    EXPECT_FALSE(find("panRisultati")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), find("txtNome"));
    EXPECT_TRUE(find("effNome")->isVisible());  // the yellow frame of the focused filter

    QTest::keyClick(find("txtNome"), Qt::Key_Return);  // the filters form a ring
    EXPECT_EQ(QApplication::focusWidget(), find("txtTarga"));
    EXPECT_FALSE(find("effNome")->isVisible());
    QTest::keyClick(find("txtTarga"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find("txtNome"));
    type("txtNome", "ros");

    EXPECT_FALSE(find("lblAttesa")->isVisible());
    QTest::mousePress(find("btnCerca"), Qt::LeftButton);
    EXPECT_TRUE(find("lblAttesa")->isVisible());  // as soon as the button goes down
    QTest::mouseRelease(find("btnCerca"), Qt::LeftButton);

    EXPECT_FALSE(find("panFiltri")->isVisible());
    EXPECT_TRUE(find("panRisultati")->isVisible());
    EXPECT_EQ(window->rows(), (std::vector<std::string>{"Nome: Rossi       Targa: AB123CD",
                                                        "Nome: ROSSINI     Targa: AB123CD"}));
    EXPECT_EQ(find<QLabel>("lblTrovate")->text(), "Il presente riepilogo contiene 2 schede.");
    EXPECT_EQ(find<QLabel>("lblIstruzioni")->text(),
              "Fare doppio clic sulla voce in elenco per richiamare la scheda");
    EXPECT_EQ(QApplication::focusWidget(), find("txtTrova"));
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ListWindowTest, SearchThatCannotReadTheArchiveSaysSoAndKeepsTheFilters) {
    std::filesystem::create_directory(fake.folder() / "Prova.pro");
    open(ListKind::Search);
    click("btnCerca");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "plain");
    EXPECT_EQ(fake.messages.last().text, archiveAccessMessage());
    EXPECT_TRUE(find("panFiltri")->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ListWindowTest, EscapeInAFilterOfAModalWindowClosesItAndItIsDestroyedSafely) {
    // shown modally over its opener and left with Escape, the window is destroyed as soon as
    // it returns, the filter still holding the focus: the filter's frame must not be used then
    QWidget opener;
    opener.show();
    for (const char* focused : {"txtNome", "txtTarga"}) {
        ListWindow list(fake.env(), config(ListKind::Search), &opener);
        QTimer::singleShot(0, [&] {
            list.findChild<QWidget*>(focused)->setFocus();
            QTest::keyClick(list.findChild<QWidget*>(focused), Qt::Key_Escape);
        });
        EXPECT_EQ(list.exec(), QDialog::Rejected) << focused;
    }
}

TEST_F(ListWindowTest, QuickFindWalksTheMatchesAndSaysWhenTheListIsEmpty) {
    open(ListKind::Search);
    click("btnCerca");  // an empty archive: an empty list
    EXPECT_EQ(find<QLabel>("lblTrovate")->text(), "Il presente riepilogo contiene 0 schede.");
    click("btnTrova");
    EXPECT_EQ(fake.messages.texts(),
              QStringList{"Ricerca non applicabile: la lista non contiene nessuna voce."});
    window.reset();

    fake.messages.clear();
    store({{"Rossi", "No"}, {"Bianchi", "No"}, {"Rossini", "No"}});
    open(ListKind::Search);
    click("btnCerca");
    type("txtTrova", "ROSS");
    QTest::keyClick(find("txtTrova"), Qt::Key_Return);  // Enter moves on to "Trova"
    EXPECT_EQ(QApplication::focusWidget(), find("btnTrova"));
    QTest::keyClick(find("btnTrova"), Qt::Key_Return);
    EXPECT_EQ(selectedRow(), 0);
    click("btnTrova");
    EXPECT_EQ(selectedRow(), 2);
    click("btnTrova");
    EXPECT_EQ(selectedRow(), 0);
    find<QLineEdit>("txtTrova")->setText("verdi");
    click("btnTrova");
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ListWindowTest, DoubleClickOpensEveryCardOfTheRowUnderTheTagAndCloses) {
    store({{"Rossi", "No"}, {"Bianchi", "No"}, {"Rossi", "Sì"}});
    open(ListKind::Search, "altra");
    click("btnCerca");
    doubleClickRow(2);
    EXPECT_EQ(opened, (std::vector<Opened>{{"altra", 0, "Rossi"}, {"altra", 2, "Rossi"}}));
    EXPECT_FALSE(window->isVisible());

    opened.clear();
    open(ListKind::Search, "sconosciuta");  // a tag the window does not know copies nothing
    click("btnCerca");
    doubleClickRow(1);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(window->isVisible());

    open(ListKind::Search, "prova");  // the archive vanishes: the window just closes
    click("btnCerca");
    std::filesystem::remove(fake.folder() / "Prova.pro");
    std::filesystem::create_directory(fake.folder() / "Prova.pro");
    doubleClickRow(0);
    EXPECT_TRUE(opened.empty());
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ListWindowTest, EnterOnTheChosenRowOpensItAsADoubleClickDoes) {
    store({{"Rossi", "No"}, {"Bianchi", "No"}});
    open(ListKind::Search);
    click("btnCerca");
    window->list()->setFocus();
    window->list()->setCurrentIndex(window->list()->model()->index(1, 0));
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_EQ(opened, (std::vector<Opened>{{"prova", 1, "Bianchi"}}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->list()->accessibleName(), "Schede trovate");
}

TEST_F(ListWindowTest, AChosenRowOpensOnlyTheCardsTheListShows) {
    // two cards give the same row; only the one the list's condition lets in may open
    store({{"Rossi", "Sì"}, {"Rossi", "No"}, {"Rossi", "Sì"}});
    open(ListKind::Summary);
    ASSERT_EQ(window->rows().size(), 1u);
    doubleClickRow(0);
    EXPECT_EQ(opened, (std::vector<Opened>{{"prova", 1, "Rossi"}}));

    // the same for a search: the row shows ten letters of the name, so two names give one
    // row; the filters at "Cerca" decide, not what is typed afterwards
    opened.clear();
    store({{"Rossi Mario Ugo", "No"}, {"Rossi Mario Eva", "No"}});
    open(ListKind::Search);
    find<QLineEdit>("txtNome")->setText("ugo");
    click("btnCerca");
    ASSERT_EQ(window->rows().size(), 1u);
    find<QLineEdit>("txtNome")->setText("");
    doubleClickRow(0);
    EXPECT_EQ(opened, (std::vector<Opened>{{"prova", 3, "Rossi Mario Ugo"}}));
}

TEST_F(ListWindowTest, SummaryOpensOnItsRowsWithTheFirstSelectedAndTheFocusInQuickFind) {
    store({{"Rossi", "No"}, {"Bianchi", "Sì"}, {"Verdi", ""}, {"Neri", "No"}});
    open(ListKind::Summary);
    EXPECT_FALSE(find("panFiltri"));
    EXPECT_FALSE(find("lblTrovate"));
    EXPECT_EQ(window->rows(), (std::vector<std::string>{"Nome: Rossi       Targa: AB123CD",
                                                        "Nome: Neri        Targa: AB123CD"}));
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(QApplication::focusWidget(), find("txtTrova"));
    EXPECT_EQ(find<QLabel>("lblIstruzioni")->text(),
              "Fare doppio clic su una voce in elenco per richiamare la scheda");
    window.reset();

    std::filesystem::remove(fake.folder() / "Prova.pro");
    std::filesystem::create_directory(fake.folder() / "Prova.pro");
    open(ListKind::Summary);  // an unreadable archive: an empty list, without a word
    EXPECT_TRUE(window->rows().empty());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(ListWindowTest, RowsAreFixedPitchBlackAndScrollSideways) {
    store({{"Rossi", "No"}});
    open(ListKind::Summary);
    QListView* list = window->list();
    EXPECT_TRUE(QFontInfo(list->font()).fixedPitch());
    EXPECT_EQ(list->font().pointSize(), 12);
    EXPECT_TRUE(list->uniformItemSizes());
    EXPECT_EQ(list->model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(Qt::black));
    EXPECT_EQ(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), 1600);
}

TEST_F(ListWindowTest, PrintPutsTheTitleAndTheRowsOnPaper) {
    store({{"Rossi", "No"}, {"Neri", "No"}});
    open(ListKind::Summary);
    click("btnStampa");
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs.front());
    EXPECT_NE(text.find("Riepilogo prove"), std::string::npos);
    // the text reader squeezes the blanks between columns; the rows keep their order
    const auto rossi = text.find("Nome: Rossi"), neri = text.find("Nome: Neri");
    ASSERT_NE(neri, std::string::npos);
    EXPECT_LT(rossi, neri);
    EXPECT_NE(text.find("Stampa eseguita in data 15/05/2024 alle ore 10:07:03"), std::string::npos);
}

}  // namespace
}  // namespace custovia
