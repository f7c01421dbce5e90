// The appointment card editor as a user drives it.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <regex>

#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "archive/windows/TfrmCalendario.h"
#include "clients/clients.h"
#include "window_fixture.h"

namespace custovia {
namespace {

class CardWindow : public test::AppointmentWindows {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmArchivio_Scadenze>(fake.env());
        card->show();
        QApplication::setActiveWindow(card.get());
    }
    void set(const char* name, const QString& value) { card->setFieldText(name, value); }
    void fillRequired() {
        set("txtData", "15/03/2026");
        set("txtCausale", "Sopralluogo impianto");
        set("txtContatto", "Rossi Mario");
        set("txtCel", "3331234567");
    }
    QToolButton* button(const char* name) const { return card->findChild<QToolButton*>(name); }
    void click(const char* name) { button(name)->click(); }
    Record stored(std::uint64_t index) {
        return Archive(fake.folder() / kAppointmentsFile, appointmentLayout()).load(index);
    }
    // Types into a field and leaves it, as a user moving on with the mouse does.
    void typeAndLeave(const char* name, const QString& text) {
        QWidget* field = card->control(name);
        field->setFocus();
        auto* edit = qobject_cast<QLineEdit*>(field);
        if (!edit) edit = static_cast<QComboBox*>(field)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
        card->control("txtNote")->setFocus();
    }

    std::unique_ptr<TfrmArchivio_Scadenze> card;
};

TEST_F(CardWindow, StartsEmptyWithItsDefaultsAndTheFocusOnTheDate) {
    set("txtContatto", "vecchio");
    card->hide();
    card->show();
    QApplication::setActiveWindow(card.get());
    EXPECT_EQ(card->windowTitle(), " Custovia - Schedario Appuntamenti");
    const std::pair<const char*, const char*> defaults[] = {
        {"txtData", ""},        {"txtOreApp", "00"}, {"txtMinutiApp", "00"},   {"txtAvviso", "0"},
        {"txtImporto", "0,00"}, {"txtContatto", ""}, {"chkOttemperata", "No"},
    };
    for (const auto& [name, value] : defaults) EXPECT_EQ(card->fieldText(name), value) << name;
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtData"));
}

TEST_F(CardWindow, SaveChecksTheRequiredFieldsInOrder) {
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: per salvare la scheda è necessario indicare la data dell'appuntamento.");
    fillRequired();
    set("txtCel", "");
    fake.messages.clear();
    click("cmdSalva");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare del cliente.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCel"));
    EXPECT_FALSE(std::filesystem::exists(fake.folder() / kAppointmentsFile));
}

TEST_F(CardWindow, SavesANewCardThenUpdatesItInPlace) {
    store({{"01/03/2026"}});
    fillRequired();
    card->findChild<QComboBox*>("txtOreApp")->setCurrentText("09");
    card->findChild<QComboBox*>("txtMinutiApp")->setCurrentText("30");
    set("txtImporto", "");
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text, "La scheda corrente è stata inserita in archivio.");
    EXPECT_EQ(card->position(), "2");
    EXPECT_EQ(card->fieldText("txtImporto"), "0,00");  // an empty amount is saved as nothing owed
    Record r = stored(1);
    EXPECT_EQ(r.get("lblOra"), "09:30");
    EXPECT_EQ(r.get("txtAvviso"), "0");
    EXPECT_EQ(r.get("txtImporto"), "0,00");
    EXPECT_EQ(r.get("chkOttemperata"), "No");

    card->findChild<QCheckBox*>("chkOttemperata")->setChecked(true);
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text,
              "Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
    EXPECT_EQ(card->position(), "2");
    EXPECT_EQ(stored(1).get("chkOttemperata"), "Sì");
    EXPECT_EQ(Archive(fake.folder() / kAppointmentsFile, appointmentLayout()).count(), 2u);
}

TEST_F(CardWindow, LeavingRulesOfAmountNoticeDaysAndTimeLists) {
    struct Case {
        const char* field;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {"txtImporto", "12,5", "12,50"}, {"txtImporto", "7", "7,00"},  {"txtImporto", "12,345", "12,35"},
        {"txtImporto", "1,2,3", "0,00"}, {"txtImporto", ",5", "0,50"}, {"txtImporto", "3,", "3,00"},
        {"txtImporto", "", "0,00"},      {"txtAvviso", "", "0"},       {"txtAvviso", "15", "15"},
    };
    for (const Case& c : cases) {
        typeAndLeave(c.field, c.typed);
        EXPECT_EQ(card->fieldText(c.field), c.left) << c.field << " " << c.typed;
    }
    // the amount takes digits and the comma only
    typeAndLeave("txtImporto", "1a2.5,5");
    EXPECT_EQ(card->fieldText("txtImporto"), "125,50");

    // a value not in a time list becomes empty, not "00"
    for (const char* list : {"txtOreApp", "txtMinutiApp"}) {
        set(list, "75");
        card->control(list)->setFocus();
        card->control("txtNote")->setFocus();
        EXPECT_EQ(card->fieldText(list), "") << list;
    }
    set("txtOreApp", "23");
    card->control("txtOreApp")->setFocus();
    card->control("txtNote")->setFocus();
    EXPECT_EQ(card->fieldText("txtOreApp"), "23");
}

TEST_F(CardWindow, SaveCommitsTheFieldBeingEditedFirst) {
    fillRequired();
    set("txtMinutiApp", "99");
    card->control("txtImporto")->setFocus();
    card->findChild<QLineEdit*>("txtImporto")->selectAll();
    QTest::keyClicks(card->control("txtImporto"), "45,5");
    click("cmdSalva");
    Record r = stored(0);
    EXPECT_EQ(r.get("txtImporto"), "45,50");
    EXPECT_EQ(card->fieldText("txtImporto"), "45,50");

    // an emptied time list leaves its part of the time empty
    card->control("txtMinutiApp")->setFocus();
    click("cmdSalva");
    EXPECT_EQ(stored(0).get("lblOra"), "00:");
}

TEST_F(CardWindow, TheDateComesFromTheCalendarOnAnyKeyAndEnterBackspaceEmptiesIt) {
    for (const int key : {int(Qt::Key_Return), int(Qt::Key_A)}) {
        card->control("txtData")->setFocus();
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* calendar = qobject_cast<TfrmCalendario*>(QApplication::activeModalWidget());
            ASSERT_NE(calendar, nullptr);
            opened = true;
            calendar->calendar()->setSelectedDate(QDate(2026, 3, 20));
            calendar->findChild<QPushButton*>("btnImporta")->click();
        });
        QTest::keyClick(card->control("txtData"), Qt::Key(key));
        EXPECT_TRUE(opened) << key;
        EXPECT_EQ(card->fieldText("txtData"), "20/03/2026");
        QTest::keyClick(card->control("txtData"), Qt::Key_Backspace);
        EXPECT_EQ(card->fieldText("txtData"), "");
    }
}

TEST_F(CardWindow, DuplicateKeepsEverythingButDateAndTimeTheDoneBoxIncluded) {
    click("cmdDuplica");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata inserita "
        "in archivio.");
    fillRequired();
    set("txtOreApp", "09");
    set("txtAvviso", "3");
    card->findChild<QCheckBox*>("chkOttemperata")->setChecked(true);
    click("cmdSalva");
    click("cmdDuplica");
    EXPECT_EQ(
        fake.messages.last().text,
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere "
        "Salva per inserire la scheda in archivio.");
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(card->fieldText("txtData"), "");
    EXPECT_EQ(card->fieldText("txtOreApp"), "00");
    EXPECT_EQ(card->fieldText("txtAvviso"), "3");
    EXPECT_EQ(card->fieldText("txtContatto"), "Rossi Mario");
    EXPECT_EQ(card->fieldText("chkOttemperata"), "Sì");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtData"));

    // an archive that cannot be reached: the access message, and the card stays as it was but
    // for its number, so that the next Save cannot overwrite the card it was copied from
    click("cmdPrimo");
    std::filesystem::remove(fake.folder() / kAppointmentsFile);
    std::filesystem::create_directory(fake.folder() / kAppointmentsFile);
    click("cmdDuplica");
    EXPECT_EQ(fake.messages.last().kind, "error");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
        "privilegi di scrittura nella cartella di installazione del programma.");
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(card->fieldText("txtData"), "15/03/2026");
}

TEST_F(CardWindow, WhatsAppConfirmationAndEmailOfAnUnsavedCard) {
    click("btnWhatsApp");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
        "indicare la data.");
    set("txtData", "15/03/2026");
    click("btnWhatsApp");
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: per inviare la conferma dell'appuntamento al cliente tramite WhatsApp è necessario "
        "indicare il suo numero di cellulare.");
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtCel"));
    EXPECT_TRUE(fake.shell.opened.empty());

    set("txtCel", "3331234567");
    set("txtOreApp", "09");
    set("txtMinutiApp", "30");
    click("btnWhatsApp");
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0],
              "https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20Cliente%2C%20le%20confermiamo%20"
              "l%27appuntamento%20fissato%20per%20le%20ore%2009%3A30%20del%20giorno%2015%2F03%2F2026");

    set("txtEmail", "mario.rossi@example.it?cc=x@y.it");
    click("btnEmail");
    EXPECT_EQ(fake.shell.opened.back(), "\"mailto:mario.rossi@example.it%3Fcc%3Dx@y.it\"");
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(fake.registered(),
              (std::vector<std::string>{
                  "10/03/2026 | 08:30:15 | Schedario Appuntamenti |  | WhatsApp | 3331234567 | "
                  "Gentile Cliente, le confermiamo l'appuntamento fissato per le ore 09:30 del "
                  "giorno 15/03/2026",
                  "10/03/2026 | 08:30:15 | Schedario Appuntamenti |  | e-mail | "
                  "mario.rossi@example.it?cc=x@y.it | "}));
}

TEST_F(CardWindow, PrintAndPreviewShowTheCardAsItIsOnScreen) {
    fillRequired();
    set("txtOreApp", "09");
    set("txtMinutiApp", "30");
    set("txtLuogo", "Bonifico bancario");
    openFrom(button("cmdStampa"), [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmStampaScadenza");
        EXPECT_EQ(w->windowTitle(), " Stampa documento");
        w->findChild<QPushButton*>("cmdStampa")->click();
    });
    openFrom(button("cmdAnteprima"), [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmStartup");
        EXPECT_EQ(w->windowTitle(), " Anteprima di stampa");
        EXPECT_EQ(w->findChild<QPushButton*>("cmdAnteprima")->text(), "Mostra anteprima");
        w->findChild<QPushButton*>("cmdAnteprima")->click();
    });
    EXPECT_EQ(fake.printDialogs.printDialogs, 1);
    EXPECT_EQ(fake.printDialogs.previews, 1);
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 2u);
    for (const auto& pdf : fake.printDialogs.pdfs) {
        const std::string text = test::pdfText(pdf);
        for (const char* expected : {"SCHEDA APPUNTAMENTO", "15/03/2026", "09:30", "Rossi Mario",
                                     "Modalità di pagamento:", "Bonifico bancario",
                                     "Stampa eseguita in data 10/03/2026 alle ore 08:30:15"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        EXPECT_TRUE(std::regex_search(text, std::regex("Impegno assolto: +No\\n"))) << text;
    }
}

TEST_F(CardWindow, StatusListsLoadTheChosenCardAndADoneCardLeavesThem) {
    store({{.data = "09/03/2026", .contatto = "Ieri"},
           {.data = "10/03/2026", .ore = "08", .contatto = "Oggi"},
           {.data = "01/01/2026", .contatto = "Fatto", .fatto = "Sì"}});
    auto rowsOf = [](QDialog* w) {
        QStringList rows;
        auto* model = w->findChild<QListView*>("lstRecords")->model();
        for (int r = 0; r < model->rowCount(); ++r) rows << model->index(r, 0).data().toString().left(16);
        return rows;
    };
    openFrom(button("cmdDaAssolvere"), [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), " Riepilogo impegni da assolvere");
        EXPECT_EQ(rowsOf(w), QStringList({"Data: 09/03/2026", "Data: 10/03/2026"}));
    });
    openFrom(button("cmdAssolti"), [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), " Riepilogo impegni assolti");
        EXPECT_EQ(rowsOf(w), QStringList({"Data: 01/01/2026"}));
    });
    openFrom(button("cmdScaduti"), [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), " Riepilogo impegni scaduti e non assolti");
        EXPECT_EQ(rowsOf(w), QStringList({"Data: 09/03/2026"}));
        auto* list = w->findChild<QListView*>("lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    EXPECT_EQ(card->position(), "1");
    EXPECT_EQ(card->fieldText("txtContatto"), "Ieri");
    EXPECT_EQ(card->fieldText("lblOra"), "09:00");
    card->findChild<QCheckBox*>("chkOttemperata")->setChecked(true);
    click("cmdSalva");
    openFrom(button("cmdScaduti"), [&](QDialog* w) { EXPECT_TRUE(rowsOf(w).isEmpty()); });
    openFrom(button("cmdDaAssolvere"),
             [&](QDialog* w) { EXPECT_EQ(rowsOf(w), QStringList({"Data: 10/03/2026"})); });
}

TEST_F(CardWindow, ImportsTheChosenClientIntoTheCardOnScreen) {
    Record client(clientLayout());
    client.set("txtCliente", "Bianchi Lucia");
    client.set("txtRecapito", "051 123456");
    client.set("txtTelCel", "3471234567");
    client.set("txtEmail", "lucia@example.it");
    client.set("txtEstremi", "Bonifico");
    Archive(fake.folder() / kClientsFile, clientLayout()).append(client);
    set("txtNote", "resta");
    openFrom(button("impContatto"), [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmTrovaClienti");
        w->findChild<QPushButton*>("btnCerca")->click();
        auto* list = w->findChild<QListView*>("lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    const std::pair<const char*, const char*> copied[] = {
        {"txtContatto", "Bianchi Lucia"}, {"txtTel", "051 123456"}, {"txtCel", "3471234567"},
        {"txtEmail", "lucia@example.it"}, {"txtLuogo", "Bonifico"}, {"txtNote", "resta"}};
    for (const auto& [name, value] : copied) EXPECT_EQ(card->fieldText(name), value) << name;
    EXPECT_EQ(card->position(), "");
}

TEST_F(CardWindow, ClosingLeavesForTheLauncher) {
    QSignalSpy left(card.get(), &WorkAreaWindow::left);
    click("cmdEsci");
    EXPECT_EQ(left.count(), 1);
    EXPECT_FALSE(card->isVisible());
}

}  // namespace
}  // namespace custovia
