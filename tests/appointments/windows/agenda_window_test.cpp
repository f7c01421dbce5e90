// The agenda: imminent list, pictures and alarm, reminders, printing and grids.
#include <QApplication>
#include <QCalendarWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMediaPlayer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QToolButton>

#include "appointments/windows/TfrmAgenda.h"
#include "appointments/windows/TfrmWhatsApp_Message.h"
#include "archive/windows/GridModel.h"
#include "archive/windows/MediaAudioPlayer.h"
#include "window_fixture.h"

namespace custovia {
namespace {

class AgendaWindow : public test::AppointmentWindows {
protected:
    void open() {
        agenda = std::make_unique<TfrmAgenda>(fake.env());
        agenda->show();
        QApplication::setActiveWindow(agenda.get());
    }
    void reopen() {
        agenda->hide();
        agenda->show();
    }
    QToolButton* button(const char* name) const { return agenda->findChild<QToolButton*>(name); }
    bool showing(const char* picture) const {
        return agenda->findChild<QLabel*>(picture)->isVisibleTo(agenda.get());
    }
    void choose(int row) {
        QListView* list = agenda->list();
        list->setFocus();
        list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                                QItemSelectionModel::ClearAndSelect);
    }
    std::vector<std::string> plays() const {
        std::vector<std::string> out;
        for (const std::string& e : fake.audio.events)
            if (e.rfind("play", 0) == 0) out.push_back(e);
        return out;
    }
    static QString cell(QDialog* grid, int row, int column) {
        return grid->findChild<QTableView*>("grdRecords")->model()->index(row, column).data().toString();
    }

    std::unique_ptr<TfrmAgenda> agenda;
};

TEST_F(AgendaWindow, ListsImminentAppointmentsInTimeOrderAndSoundsTheAlarm) {
    store({{"12/03/2026", "10", "00", "2"},
           {"11/03/2026", "16", "45", "1"},
           {"11/03/2026", "09", "05", "1"},
           {.data = "09/03/2026", .contatto = "Fatto", .fatto = "Sì"},
           {"20/03/2026", "10", "00", "3"}});
    open();
    EXPECT_EQ(agenda->windowTitle(), " Custovia - Agenda Appuntamenti");
    ASSERT_EQ(agenda->rows().size(), 3u);
    EXPECT_EQ(agenda->rows()[0].substr(0, 16), "ID: 202603110905");
    EXPECT_EQ(agenda->rows()[1].substr(0, 16), "ID: 202603111645");
    EXPECT_EQ(agenda->rows()[2].substr(0, 16), "ID: 202603121000");
    EXPECT_TRUE(showing("imgPresenti"));
    EXPECT_TRUE(showing("imgAppuntamentiSI"));
    EXPECT_FALSE(showing("imgAssenti"));
    EXPECT_FALSE(showing("imgAppuntamentiNO"));
    EXPECT_EQ(fake.audio.events, (std::vector<std::string>{"play Avviso.mp3"}));
    EXPECT_FALSE(agenda->list()->currentIndex().isValid());

    // every real showing sounds again and reads today again
    fake.clock.set({2026, 3, 17, 9, 0, 0});
    reopen();
    EXPECT_EQ(plays().size(), 2u);
    EXPECT_EQ(agenda->rows().size(), 4u);

    // closing stops the sound and brings back the launcher
    QSignalSpy left(agenda.get(), &WorkAreaWindow::left);
    button("imgEsci")->click();
    EXPECT_EQ(fake.audio.events.back(), "stop");
    EXPECT_EQ(left.count(), 1);
}

TEST_F(AgendaWindow, AnEmptyArchiveShowsTheOtherPicturesInSilence) {
    open();
    EXPECT_TRUE(agenda->rows().empty());
    EXPECT_TRUE(showing("imgAssenti"));
    EXPECT_TRUE(showing("imgAppuntamentiNO"));
    EXPECT_FALSE(showing("imgPresenti"));
    EXPECT_TRUE(fake.audio.events.empty());
    button("btnWhatsApp")->click();
    EXPECT_EQ(fake.messages.last().text,
              "Invio messaggio di WhatsApp non applicabile: la lista non contiene nessun appuntamento.");
    button("imgEsci")->click();
    EXPECT_TRUE(fake.audio.events.empty());  // nothing was loaded, nothing to stop
}

TEST_F(AgendaWindow, AMissingOrBrokenAlarmNeverStopsTheAgenda) {
    store({{"10/03/2026"}});
    std::filesystem::remove(fake.folder() / kAlarmSoundFile);
    open();
    EXPECT_EQ(agenda->rows().size(), 1u);
    EXPECT_TRUE(showing("imgPresenti"));
    EXPECT_TRUE(fake.audio.events.empty());

    // the program's own player: a missing file does not load, a broken one plays silence
    MediaAudioPlayer player;
    EXPECT_FALSE(player.play(fake.folder() / kAlarmSoundFile));
    test::writeBytes(fake.folder() / kAlarmSoundFile, std::string(4096, '\x5a'));
    EXPECT_TRUE(player.play(fake.folder() / kAlarmSoundFile));
    QTest::qWait(200);
    player.stop();
}

TEST_F(AgendaWindow, TheAlarmIsTheDeliveredOneWhereverTheDataAre) {
    // an installed program: the data in the user's folder, the sound in the share folder
    test::TempFolder delivered;
    std::filesystem::rename(fake.folder() / kAlarmSoundFile, delivered.path() / kAlarmSoundFile);
    fake.env().delivered = delivered.path();
    store({{"10/03/2026"}});
    open();
    EXPECT_EQ(plays(), (std::vector<std::string>{"play Avviso.mp3"}));
}

TEST_F(AgendaWindow, TheRealPlayerStartsTheAlarmAfreshOnEveryShowing) {
    // the program's own player and its real sound: a player asked to start again the source it
    // already holds, after its end or while it plays, often stays silent on a real sound server
    std::filesystem::copy_file(CUSTOVIA_SOURCE_DIR "/delivered/Avviso.mp3", fake.folder() / kAlarmSoundFile,
                               std::filesystem::copy_options::overwrite_existing);
    MediaAudioPlayer player;
    const Environment& f = fake.env();
    Environment real{f.messages, f.fileDialogs, f.printDialogs, f.shell,  f.clock, f.folder,
                     f.files,    f.windows,     f.camera,       f.timers, player,  f.delivered};
    store({{"10/03/2026"}});
    TfrmAgenda window(real);
    window.show();
    ASSERT_NE(player.mediaPlayer(), nullptr);
    int sourcesSet = 0, ends = 0;
    QObject::connect(player.mediaPlayer(), &QMediaPlayer::sourceChanged, [&](const QUrl& source) {
        if (!source.isEmpty()) ++sourcesSet;
    });
    QObject::connect(player.mediaPlayer(), &QMediaPlayer::mediaStatusChanged,
                     [&](QMediaPlayer::MediaStatus s) {
                         if (s == QMediaPlayer::EndOfMedia) ++ends;
                     });
    if (!QTest::qWaitFor([&] { return ends == 1; }, 8000))
        GTEST_SKIP() << "this system cannot play the alarm to its end";
    window.hide();
    window.show();  // after the sound ended
    EXPECT_EQ(sourcesSet, 1);
    QTest::qWait(300);
    window.hide();
    window.show();  // while it plays
    EXPECT_EQ(sourcesSet, 2);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ends == 2; }, 8000));  // and it plays to its end
    window.close();
}

TEST_F(AgendaWindow, AnUnreadableRecordHidesNothingAndTheCountIsTheList) {
    // the unreadable records come first: the pictures and the alarm follow the list built
    // after them, not a count that would stop at the first of them
    store({{.data = "99/99/2026", .contatto = "Illeggibile"},
           {.data = "10/03/2026", .avviso = "x", .contatto = "Preavviso illeggibile"},
           {.data = "09/03/2026", .contatto = "Primo"},
           {.data = "10/03/2026", .contatto = "Ultimo"}});
    open();
    ASSERT_EQ(agenda->rows().size(), 2u);
    EXPECT_NE(agenda->rows()[0].find("Primo"), std::string::npos);
    EXPECT_NE(agenda->rows()[1].find("Ultimo"), std::string::npos);
    EXPECT_TRUE(showing("imgPresenti"));
    EXPECT_EQ(fake.audio.events, (std::vector<std::string>{"play Avviso.mp3"}));
}

TEST_F(AgendaWindow, TheChosenRowIsRemindedOverWhatsApp) {
    store(
        {{.data = "09/03/2026", .contatto = "Fatto", .fatto = "Sì"},  // card 1, not in the agenda
         {.data = "10/03/2026", .ore = "09", .minuti = "30", .contatto = "Rossi Mario", .cel = "3331234567"},
         {.data = "11/03/2026", .avviso = "1", .contatto = "Verdi Anna", .cel = "3471234567"}});
    open();
    // a current row the list gave itself on taking the focus is no choice
    agenda->list()->selectionModel()->setCurrentIndex(agenda->list()->model()->index(0, 0),
                                                      QItemSelectionModel::NoUpdate);
    button("btnWhatsApp")->click();
    EXPECT_EQ(fake.messages.last().text,
              "Attenzione: selezionare dall'elenco il cliente a cui si desidera inviare il promemoria "
              "dell'appuntamento prima di fare clic sull'icona di WhatsApp.");
    choose(0);
    QTest::keyClick(agenda->list(), Qt::Key_Down);  // the keyboard moves the choice too
    EXPECT_EQ(agenda->selected("titContatto"), "Verdi Anna");
    QTest::keyClick(agenda->list(), Qt::Key_Up);
    EXPECT_EQ(agenda->selected("titData"), "10/03/2026");
    EXPECT_EQ(agenda->selected("titOra"), "09:30");
    EXPECT_EQ(agenda->selected("titContatto"), "Rossi Mario");
    EXPECT_EQ(agenda->selected("titCel"), "3331234567");

    openFrom(button("btnWhatsApp"), [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmWhatsApp_Message");
        EXPECT_EQ(w->windowTitle(), " Invio messaggio di WhatsApp");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtData")->text(), "10/03/2026");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtOra")->text(), "09:30");
        EXPECT_EQ(w->findChild<QLineEdit*>("txtContatto")->text(), "Rossi Mario");
        EXPECT_TRUE(w->findChild<QLineEdit*>("txtCel")->isReadOnly());
        w->findChild<QToolButton*>("btnWhatsApp")->click();
        EXPECT_FALSE(w->isVisible());
    });
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0],
              "https://web.whatsapp.com/send?phone=3331234567&text=Gentile%20Cliente%2C%20le%20ricordiamo%20"
              "l%27appuntamento%20fissato%20per%20le%20ore%2009%3A30%20del%20giorno%2010%2F03%2F2026");
    openFrom(button("btnWhatsApp"), [](QDialog* w) { w->findChild<QPushButton*>("btnChiudi")->click(); });
    EXPECT_EQ(fake.shell.opened.size(), 1u);
    // the register names the agenda and the chosen appointment's card
    EXPECT_EQ(
        fake.registered(),
        std::vector<std::string>{"10/03/2026 | 08:30:15 | Agenda Appuntamenti | 2 | WhatsApp | 3331234567 | "
                                 "Gentile Cliente, le ricordiamo l'appuntamento fissato per le ore 09:30 del "
                                 "giorno 10/03/2026"});

    // showing the agenda again forgets the choice
    reopen();
    EXPECT_EQ(agenda->selected("titContatto"), "");
    EXPECT_FALSE(agenda->list()->currentIndex().isValid());
}

TEST_F(AgendaWindow, PrintsTheListAsItStands) {
    store({{.data = "10/03/2026", .contatto = "Rossi Mario"}});
    open();
    button("btnStampa")->click();
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 1u);
    const std::string text = test::pdfText(fake.printDialogs.pdfs[0]);
    for (const char* expected : {"Riepilogo appuntamenti imminenti", "ID: 202603100900", "Rossi Mario",
                                 "Stampa eseguita in data 10/03/2026 alle ore 08:30:15"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(AgendaWindow, DayMonthAndImminentGridsReadTheCalendarAndExport) {
    store({{"11/03/2026", "16", "45"},
           {"11/03/2025", "08", "00"},
           {.data = "11/03/2026", .ore = "09", .minuti = "05", .fatto = "Sì"},
           {"30/03/2026", "10", "00"}});
    open();
    agenda->calendar()->setSelectedDate(QDate(2026, 3, 11));
    openFrom(button("btnGiorno"), [&](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmExpGiornaliere");
        EXPECT_EQ(w->windowTitle(), " Appuntamenti del giorno");
        const auto* day = w->findChild<QLabel*>("lblIntestazione");  // which day it shows
        ASSERT_NE(day, nullptr);
        EXPECT_EQ(day->text(), "Appuntamenti del giorno 11/03/2026");
        ASSERT_EQ(w->findChild<QTableView*>("grdRecords")->model()->rowCount(), 2);
        EXPECT_EQ(cell(w, 0, 14), "202603110905");
        EXPECT_EQ(cell(w, 0, 12), "Sì");
        EXPECT_EQ(cell(w, 1, 14), "202603111645");
        fake.messages.answer({true, false});
        w->findChild<QToolButton*>("cmdEsporta")->click();
    });
    openFrom(button("btnMese"), [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), " Appuntamenti del mese");
        const auto* month = w->findChild<QLabel*>("lblIntestazione");
        ASSERT_NE(month, nullptr);
        EXPECT_EQ(month->text(), "Appuntamenti del mese di marzo 2026");
        EXPECT_EQ(w->findChild<QTableView*>("grdRecords")->model()->rowCount(), 3);
        EXPECT_EQ(cell(w, 2, 1), "30/03/2026");
        fake.messages.answer({true, false});
        w->findChild<QToolButton*>("cmdEsporta")->click();
    });
    openFrom(button("btnExcel"), [&](QDialog* w) {
        EXPECT_EQ(w->windowTitle(), " Appuntamenti imminenti");
        EXPECT_EQ(w->findChild<QLabel*>("lblIntestazione"), nullptr);
        EXPECT_EQ(w->findChild<QTableView*>("grdRecords")->model()->rowCount(), 1);  // only the one last year
        fake.messages.answer({true, false});
        w->findChild<QToolButton*>("cmdEsporta")->click();
    });
    for (const char* file :
         {"Appuntamenti_Giornalieri.xls", "Appuntamenti_Mensili.xls", "Appuntamenti_Imminenti.xls"}) {
        const std::string xls = test::readBytes(fake.folder() / file);
        EXPECT_NE(xls.find("width=150>Codice univoco</td></tr>"), std::string::npos) << file;
        EXPECT_EQ(xls.find(">N.<"), std::string::npos) << file;
    }
    // the calendar keeps the chosen day from one showing to the next
    reopen();
    EXPECT_EQ(agenda->calendar()->selectedDate(), QDate(2026, 3, 11));
}

TEST_F(AgendaWindow, InsertAppointmentsStepsAsideForTheCardEditor) {
    QWidget card;  // stands in for the appointment card editor, which registers under its tag
    fake.windows.add("scadenze", &card);
    store({{"10/03/2026"}});
    open();
    QSignalSpy left(agenda.get(), &WorkAreaWindow::left);
    button("btnArchivio")->click();
    EXPECT_TRUE(card.isVisible());
    EXPECT_FALSE(agenda->isVisible());
    EXPECT_EQ(left.count(), 0);
    EXPECT_EQ(fake.audio.events, (std::vector<std::string>{"play Avviso.mp3"}));  // the sound is not cut
}

}  // namespace
}  // namespace custovia
