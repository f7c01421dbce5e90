// The register of messages sent as a user meets it: the sender every window uses, and the
// window "Registro messaggi" that lists, searches, prints and exports the register.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/message_register.h"
#include "archive/windows/TfrmRegistroMessaggi.h"
#include "fakes.h"

namespace custovia {
namespace {

using test::FakeEnvironment;

class RegisterWindowTest : public ::testing::Test {
protected:
    // Three messages sent one minute apart through the program's own sender.
    void sendThree() {
        send({10, 0}, whatsAppMessage("3471234567", "Soccorso in via Roma, Forlì"),
             {"Coordinamento Emergenze", "4"});
        fake.shell.refuses = true;
        send({10, 1}, emailMessage("rossi@example.it"), {"Clienti e Servizi", ""});
        fake.shell.refuses = false;
        send({10, 2}, whatsAppMessage("3331234567", "Gentile Cliente, le ricordiamo l'appuntamento"),
             {"Agenda Appuntamenti", "12"});
    }
    void send(std::pair<int, int> time, const OutgoingMessage& message, const MessageOrigin& origin) {
        fake.clock.set({2024, 5, 15, time.first, time.second, 0});
        sendMessage(fake.env(), nullptr, message, origin);
    }
    void open() {
        window = std::make_unique<TfrmRegistroMessaggi>(fake.env(), nullptr);
        window->show();
        QApplication::setActiveWindow(window.get());
    }
    template <typename T = QWidget>
    T* find(const char* name) {
        return window->findChild<T*>(name);
    }
    void type(const char* name, const QString& text) { QTest::keyClicks(find<QLineEdit>(name), text); }
    void click(const char* name) { QTest::mouseClick(find<QPushButton>(name), Qt::LeftButton); }
    // The start of each listed row: date, time and work area.
    std::vector<std::string> listed() {
        std::vector<std::string> out;
        for (const std::string& row : window->rows()) out.push_back(row.substr(0, 43));
        return out;
    }
    // Clicks "Esporta" and hands the export window to look().
    void exportFrom(const std::function<void(QDialog*)>& look) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* grid = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(grid, nullptr);
            seen = true;
            look(grid);
            if (grid->isVisible()) grid->reject();
        });
        click("btnEsporta");
        EXPECT_TRUE(seen);
    }
    std::filesystem::path xls() const { return fake.folder() / "Registro_Messaggi.xls"; }

    FakeEnvironment fake;
    std::unique_ptr<TfrmRegistroMessaggi> window;
};

TEST_F(RegisterWindowTest, ListsEveryMessageNewestFirstWithItsCount) {
    sendThree();
    open();
    EXPECT_EQ(window->objectName(), "TfrmRegistroMessaggi");
    EXPECT_EQ(window->windowTitle(), " Registro messaggi");
    EXPECT_TRUE(find("panFiltri")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), find("txtArea"));
    QTest::keyClick(find("txtArea"), Qt::Key_Return);  // the filters form a ring
    EXPECT_EQ(QApplication::focusWidget(), find("txtDestinatario"));
    QTest::keyClick(find("txtDestinatario"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find("txtTesto"));
    QTest::keyClick(find("txtTesto"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), find("txtArea"));

    click("btnCerca");
    EXPECT_TRUE(find("panRisultati")->isVisible());
    EXPECT_EQ(window->rows(),
              (std::vector<std::string>{
                  "15/05/2024 10:02:00  Agenda Appuntamenti      Scheda 12      WhatsApp                "
                  "3331234567                      Gentile Cliente, le ricordiamo l'appuntamento",
                  "15/05/2024 10:01:00  Clienti e Servizi        Scheda         e-mail (non inviato)    "
                  "rossi@example.it                ",
                  "15/05/2024 10:00:00  Coordinamento Emergenze  Scheda 4       WhatsApp                "
                  "3471234567                      Soccorso in via Roma, Forlì"}));
    EXPECT_EQ(find<QLabel>("lblTrovate")->text(), "Il presente riepilogo contiene 3 messaggi");
    EXPECT_EQ(find<QLabel>("lblIstruzioni")->text(),
              "I messaggi sono elencati dal più recente al meno recente");
    EXPECT_EQ(window->list()->accessibleName(), "Messaggi trovati");

    // quick-find walks the rows; a message is no card, so Enter or a double-click opens nothing
    type("txtTrova", "whatsapp");
    click("btnTrova");
    EXPECT_EQ(window->list()->currentIndex().row(), 0);
    click("btnTrova");
    EXPECT_EQ(window->list()->currentIndex().row(), 2);
    window->list()->setFocus();
    QTest::keyClick(window->list(), Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(fake.messages.shown.empty());
}

TEST_F(RegisterWindowTest, ALongMessageScrollsSidewaysToItsEnd) {
    // a request made of long fields holds over a thousand characters
    send({10, 0}, whatsAppMessage("3471234567", std::string(1200, 'x') + " fine"),
         {"Coordinamento Emergenze", "1"});
    open();
    click("btnCerca");
    ASSERT_EQ(window->rows().size(), 1u);
    QListView* list = window->list();
    const int rowWidth =
        QFontMetrics(list->font()).horizontalAdvance(QString::fromStdString(window->rows().front()));
    EXPECT_GE(list->horizontalScrollBar()->maximum() + list->viewport()->width(), rowWidth);
}

TEST_F(RegisterWindowTest, FiltersOnWorkAreaRecipientAndTextTogether) {
    sendThree();
    send({11, 0}, whatsAppMessage("3471234567", "Nuova emergenza in via Verdi"),
         {"Coordinamento Emergenze", "5"});
    struct Case {
        const char* area;
        const char* recipient;
        const char* text;
        std::vector<std::string> times;
    };
    for (const Case& c :
         {Case{"emergenze", "", "", {"11:00:00", "10:00:00"}},
          Case{"EMERGENZE", "347", "via ROMA", {"10:00:00"}}, Case{"", "example", "", {"10:01:00"}},
          Case{"", "", "forlì", {"10:00:00"}}, Case{"clienti", "", "roma", {}}}) {
        open();
        find<QLineEdit>("txtArea")->setText(c.area);
        find<QLineEdit>("txtDestinatario")->setText(c.recipient);
        find<QLineEdit>("txtTesto")->setText(c.text);
        click("btnCerca");
        std::vector<std::string> times;
        for (const std::string& row : window->rows()) times.push_back(row.substr(11, 8));
        EXPECT_EQ(times, c.times) << c.area << "/" << c.recipient << "/" << c.text;
        EXPECT_EQ(find<QLabel>("lblTrovate")->text(),
                  "Il presente riepilogo contiene " + QString::number(c.times.size()) + " messaggi");
    }
}

TEST_F(RegisterWindowTest, NoRegisterYetListsNothingAndAnUnreadableOneSaysSo) {
    open();
    click("btnCerca");
    EXPECT_TRUE(window->rows().empty());
    EXPECT_EQ(find<QLabel>("lblTrovate")->text(), "Il presente riepilogo contiene 0 messaggi");
    EXPECT_FALSE(std::filesystem::exists(fake.folder() / kMessageRegisterFile));  // never made by reading
    EXPECT_TRUE(fake.messages.shown.empty());

    std::filesystem::create_directory(fake.folder() / kMessageRegisterFile);
    open();
    click("btnCerca");
    EXPECT_EQ(fake.messages.texts(), QStringList{archiveAccessMessage()});
    EXPECT_TRUE(find("panFiltri")->isVisible());
}

TEST_F(RegisterWindowTest, ExportWritesTheListedMessagesInTheListsOrder) {
    sendThree();
    open();
    type("txtDestinatario", "3");  // the two WhatsApp messages
    click("btnCerca");
    ASSERT_EQ(window->rows().size(), 2u);
    exportFrom([&](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmExpRegistroMessaggi");
        EXPECT_EQ(w->windowTitle(), " Esportazione registro messaggi");
        const QAbstractItemModel* grid = w->findChild<QTableView*>("grdRecords")->model();
        QStringList headers;
        for (int c = 0; c < grid->columnCount(); ++c)
            headers << grid->headerData(c, Qt::Horizontal).toString();
        EXPECT_EQ(headers, QStringList({"N.", "Data", "Ora", "Area di lavoro", "Scheda", "Tipo",
                                        "Destinatario", "Messaggio"}));
        ASSERT_EQ(grid->rowCount(), 2);
        EXPECT_EQ(grid->index(0, 2).data().toString(), "10:02:00");
        EXPECT_EQ(grid->index(1, 0).data().toString(), "2");
        EXPECT_EQ(grid->index(1, 7).data().toString(), "Soccorso in via Roma, Forlì");
        fake.messages.answer({true, true});
        w->findChild<QToolButton*>("cmdEsporta")->click();
    });
    ASSERT_EQ(fake.messages.shown.size(), 2u);  // the export's two questions, both answered Yes
    EXPECT_EQ(fake.shell.opened.back(), "\"" + xls().string() + "\"");
    const std::string bytes = test::readBytes(xls());
    EXPECT_NE(bytes.find("<x:Name>Registro messaggi</x:Name>"), std::string::npos);
    const std::string cell = "<td style=\"text-align: left;\">";
    const std::string newest = "<tr>" + cell + "15/05/2024</td>" + cell + "10:02:00</td>" + cell +
                               "Agenda Appuntamenti</td>" + cell + "12</td>" + cell + "WhatsApp</td>" + cell +
                               "3331234567</td>" + cell +
                               "Gentile Cliente, le ricordiamo l'appuntamento</td></tr>";
    const auto first = bytes.find(newest), second = bytes.find("Soccorso in via Roma, Forl\xEC</td>");
    EXPECT_NE(first, std::string::npos);
    EXPECT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_EQ(bytes.find("rossi@example.it"), std::string::npos);  // not listed, not exported
    EXPECT_NE(bytes.find("width=90>Data</td>"), std::string::npos);
}

TEST_F(RegisterWindowTest, PrintPutsTheTitleAndTheListedRowsOnPaper) {
    sendThree();
    open();
    click("btnCerca");
    click("btnStampa");
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs.front());
    EXPECT_NE(text.find("Registro dei messaggi inviati"), std::string::npos);
    const auto newest = text.find("10:02:00"), oldest = text.find("10:00:00");
    ASSERT_NE(oldest, std::string::npos);
    EXPECT_LT(newest, oldest);
}

TEST_F(RegisterWindowTest, OpenShowsTheWindowModallyOverItsOpener) {
    QWidget opener;
    opener.show();
    QString seen;
    QTimer::singleShot(0, [&] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        seen = shown->objectName();
        EXPECT_EQ(shown->parentWidget(), &opener);
        shown->findChild<QPushButton*>("btnAnnulla")->click();
    });
    TfrmRegistroMessaggi::open(fake.env(), &opener);
    EXPECT_EQ(seen, "TfrmRegistroMessaggi");
}

TEST_F(RegisterWindowTest, ARegisterThatCannotBeWrittenWarnsAndTheMessageHasGoneAllTheSame) {
    std::filesystem::create_directory(fake.folder() / kMessageRegisterFile);
    sendMessage(fake.env(), nullptr, emailMessage("a@b.it"), {"Clienti e Servizi", "1"});
    EXPECT_EQ(fake.shell.opened, std::vector<std::string>{"\"mailto:a@b.it\""});
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: non è stato possibile annotare il messaggio nel registro dei messaggi inviati.\n\r\n\r"
        "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

}  // namespace
}  // namespace custovia
