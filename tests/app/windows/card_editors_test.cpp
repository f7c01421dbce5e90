// What the five card editors share through their tables: a Duplicate that cannot reach the
// archive still makes a new card, fields that hold digits show their capacity whole, and each
// card shows its caption and its toolbar's buttons, in its order and its words.
#include <gtest/gtest.h>

#include <QApplication>
#include <QBoxLayout>
#include <QIcon>
#include <QLineEdit>
#include <QToolButton>
#include <functional>
#include <memory>

#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "clients/windows/TfrmClienti.h"
#include "contracts/windows/TfrmContratto.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "archive/windows/qt_text.h"
#include "employees/windows/TfrmDipendenti.h"
#include "fakes.h"

namespace custovia {
namespace {

struct Editor {
    const char* name;
    std::function<std::unique_ptr<CardEditor>(Environment&)> make;
};

template <class Window>
Editor editor(const char* name) {
    return {name, [](Environment& env) { return std::make_unique<Window>(env); }};
}

const Editor kEditors[] = {
    editor<TfrmInterventi>("interventions"), editor<TfrmClienti>("clients"),
    editor<TfrmDipendenti>("employees"),     editor<TfrmArchivio_Scadenze>("appointments"),
    editor<TfrmContratto>("contracts"),
};

TEST(CardEditors, ADuplicateThatCannotReachTheArchiveIsStillANewCard) {
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        test::FakeEnvironment fake;
        std::unique_ptr<CardEditor> card = e.make(fake.env());
        card->show();
        for (const RequiredField& r : card->config().required)
            if (card->fieldText(r.name).trimmed().isEmpty()) card->setFieldText(r.name, "1");
        card->trigger("cmdSalva");
        ASSERT_EQ(card->position(), "1");
        const std::filesystem::path file = fake.folder() / card->config().archiveFile;
        const std::string original = test::readBytes(file);

        // the archive cannot be reached while the card is duplicated
        std::filesystem::remove(file);
        std::filesystem::create_directory(file);
        const Record before = card->screenRecord();
        fake.messages.clear();
        card->trigger("cmdDuplica");
        EXPECT_EQ(card->position(), "");
        if (card->config().duplicateReachesArchive) {
            EXPECT_EQ(fake.messages.last().kind, "error");
            EXPECT_EQ(card->screenRecord().bytes(), before.bytes());  // the fields as they were
        }

        // with the archive back, Save adds the copy and the original stays as it was
        std::filesystem::remove(file);
        test::writeBytes(file, original);
        card->trigger("cmdSalva");
        EXPECT_EQ(card->position(), "2");
        EXPECT_EQ(test::readBytes(file).substr(0, original.size()), original);
    }
}

TEST(CardEditors, FieldsOfDigitsShowTheirCapacityWhole) {
    for (const Editor& e : kEditors) {
        SCOPED_TRACE(e.name);
        test::FakeEnvironment fake;
        std::unique_ptr<CardEditor> card = e.make(fake.env());
        card->show();
        QApplication::processEvents();
        int digitFields = 0;
        for (const CardField& f : card->config().fields) {
            auto* edit = qobject_cast<QLineEdit*>(card->control(f.name));
            if (!edit || !(f.rules & (DigitsOnly | DigitWidth))) continue;
            ++digitFields;
            const QFontMetrics metrics(edit->font());
            QChar widest = '0';
            for (char c = '0'; c <= '9'; ++c)
                if (metrics.horizontalAdvance(QLatin1Char(c)) > metrics.horizontalAdvance(widest)) widest = c;
            const QString full(edit->maxLength(), widest);
            edit->setText(full);
            edit->setCursorPosition(full.size());
            edit->grab();  // painted, the edit scrolls to show its cursor
            // with the cursor after the last digit, the first one is still in view
            EXPECT_EQ(edit->cursorPositionAt(QPoint(6, edit->height() / 2)), 0) << f.name.toStdString();
        }
        EXPECT_GT(digitFields, 0);
    }
}

// A toolbar button as the user meets it: objectName, picture, caption (its accessible name) and
// the hint the status line shows under the mouse; the position label has a name only.
struct Button {
    const char* name;
    const char* picture = "";
    const char* caption = "";
    const char* hint = "";
};

struct CardTop {
    const char* card;
    const char* caption;
    std::vector<Button> toolbar;
};

const CardTop kCardTops[] = {
    {"interventions",
     " Custovia - Coordinamento Emergenze",
     {
         {"cmdNuovo", "nuovo", "Nuova scheda", "Prepara la schermata per l'inserimento di una nuova scheda."},
         {"cmdDuplica", "duplica", "Duplica scheda",
          "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
         {"cmdSalva", "salva", "Salva", "Salva la scheda in archivio."},
         {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio."},
         {"cmdFile", "allega", "Allega file", "Allega file alla scheda."},
         {"cmdStampa", "stampa", "Stampa", "Stampa la scheda."},
         {"cmdPrimo", "primo", "Prima scheda", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "indietro", "Scheda precedente", "Visualizza la scheda precedente in archivio."},
         {"lblPosizione"},
         {"cmdAvanti", "avanti", "Scheda successiva", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "ultimo", "Ultima scheda", "Visualizza l'ultima scheda in archivio."},
         {"cmdPendenti", "pendenti", "Interventi in corso",
          "Visualizza il riepilogo degli interventi in corso."},
         {"cmdEsporta", "esporta", "Esporta", "Esporta archivio in Excel."},
         {"cmdGuida", "guida", "Guida", "Visualizza la guida."},
         {"cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro."},
     }},
    {"clients",
     " Custovia - Clienti e Servizi",
     {
         {"cmdNuovo", "nuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
         {"cmdDuplica", "duplica", "Duplica",
          "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
         {"cmdFile", "allega", "Allega file", "Allega file alla scheda corrente."},
         {"cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio."},
         {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio."},
         {"cmdAnteprima", "anteprima", "Anteprima", "Visualizza l'anteprima di stampa."},
         {"cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente."},
         {"cmdPDF", "crea_pdf", "Crea PDF", "Esporta la scheda in formato PDF."},
         {"cmdRicontatta", "ricontatta", "Da ricontattare",
          "Visualizza il riepilogo dei clienti da ricontattare."},
         {"cmdEsporta", "esporta", "Esporta archivio",
          "Esporta le schede in archivio in un file di Microsoft Excel."},
         {"cmdGuida", "guida", "Guida", "Visualizza la guida in linea."},
         {"cmdEsci", "esci", "Esci", "Esci dalla schermata di lavoro corrente."},
         {"cmdPrimo", "primo", "Prima scheda", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "indietro", "Scheda precedente", "Visualizza la scheda precedente in archivio."},
         {"lblPosizione"},
         {"cmdAvanti", "avanti", "Scheda successiva", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "ultimo", "Ultima scheda", "Visualizza l'ultima scheda in archivio."},
     }},
    {"employees",
     " Custovia - Archivio Dipendenti",
     {
         {"cmdNuovo", "nuovo", "Nuova scheda", "Prepara la schermata per l'inserimento di una nuova scheda."},
         {"cmdDuplica", "duplica", "Duplica scheda",
          "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
         {"cmdSalva", "salva", "Salva", "Salva la scheda in archivio."},
         {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio."},
         {"cmdFile", "allega", "Allega file", "Allega file alla scheda."},
         {"cmdAnteprima", "anteprima", "Anteprima", "Visualizza l'anteprima di stampa della scheda."},
         {"cmdStampa", "stampa", "Stampa", "Stampa la scheda."},
         {"cmdPrimo", "primo", "Prima scheda", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "indietro", "Scheda precedente", "Visualizza la scheda precedente in archivio."},
         {"lblPosizione"},
         {"cmdAvanti", "avanti", "Scheda successiva", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "ultimo", "Ultima scheda", "Visualizza l'ultima scheda in archivio."},
         {"cmdSlideshow", "slideshow", "Slide show", "Esegui lo slide show."},
         {"cmdGuida", "guida", "Guida", "Visualizza la guida."},
         {"cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro."},
     }},
    {"appointments",
     " Custovia - Schedario Appuntamenti",
     {
         {"cmdNuovo", "nuovo", "Nuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
         {"cmdDuplica", "duplica", "Duplica",
          "Prepara la schermata per la registrazione di una nuova scheda duplicando i dati correnti."},
         {"cmdSalva", "salva", "Salva", "Salva la scheda corrente in archivio."},
         {"cmdTrova", "trova", "Trova", "Trova una scheda in archivio."},
         {"cmdAnteprima", "anteprima", "Anteprima",
          "Visualizza l'anteprima di stampa della scheda corrente."},
         {"cmdStampa", "stampa", "Stampa", "Stampa la scheda corrente."},
         {"cmdAssolti", "assolti", "Assolti", "Visualizza il riepilogo degli impegni assolti."},
         {"cmdDaAssolvere", "da_assolvere", "Da assolvere",
          "Visualizza il riepilogo degli impegni da assolvere, sia scaduti che non."},
         {"cmdScaduti", "scaduti", "Scaduti", "Visualizza il riepilogo degli impegni scaduti e non assolti."},
         {"cmdEsporta", "esporta", "Esporta archivio", "Esporta l'archivio in un file di Excel."},
         {"cmdGuida", "guida", "Guida", "Visualizza la guida in linea."},
         {"cmdEsci", "esci", "Esci", "Esci da questa schermata di lavoro."},
         {"cmdPrimo", "primo", "Prima scheda", "Visualizza la prima scheda in archivio."},
         {"cmdIndietro", "indietro", "Scheda precedente", "Visualizza la scheda precedente in archivio."},
         {"lblPosizione"},
         {"cmdAvanti", "avanti", "Scheda successiva", "Visualizza la scheda successiva in archivio."},
         {"cmdUltimo", "ultimo", "Ultima scheda", "Visualizza l'ultima scheda in archivio."},
     }},
    {"contracts",
     " Custovia - Stesura Contratti",
     {
         {"cmdNuovo", "nuovo", "Nuovo contratto",
          "Predispone la schermata per l'emissione di un nuovo contratto."},
         {"cmdDuplica", "duplica", "Duplica contratto",
          "Prepara la schermata per la registrazione di un nuovo contratto duplicando i dati correnti."},
         {"cmdSalva", "salva", "Salva", "Salva o aggiorna il contratto corrente."},
         {"cmdTrova", "trova", "Trova", "Trova un contratto in archivio."},
         {"cmdAllega", "allega", "Allega file", "Allega file al contratto corrente."},
         {"cmdImporta", "importa", "Importa cliente", "Importa i dati del cliente dall'archivio anagrafico."},
         {"cmdAnteprima", "anteprima", "Anteprima di stampa",
          "Visualizza l'anteprima di stampa del contratto corrente."},
         {"cmdStampa", "stampa", "Stampa", "Stampa il contratto corrente."},
         {"cmdPrimo", "primo", "Primo contratto", "Visualizza il primo contratto in archivio."},
         {"cmdIndietro", "indietro", "Contratto precedente",
          "Visualizza il contratto precedente in archivio."},
         {"lblPosizione"},
         {"cmdAvanti", "avanti", "Contratto successivo", "Visualizza il contratto successivo in archivio."},
         {"cmdUltimo", "ultimo", "Ultimo contratto", "Visualizza l'ultimo contratto in archivio."},
         {"cmdNumerazione", "numerazione", "Numerazione",
          "Imposta il numero iniziale per la numerazione dei contratti."},
         {"cmdEsporta", "esporta", "Esporta", "Esporta le schede in archivio in un file di Microsoft Excel."},
         {"cmdGuida", "guida", "Guida", "Visualizza la pagina della guida in linea sensibile al contesto."},
         {"cmdEsci", "esci", "Esci", "Esci dalla schermata di lavoro corrente."},
     }},
};

QImage pictureOf(const QIcon& icon) { return icon.pixmap(QSize(24, 24)).toImage(); }

TEST(CardEditors, EachCardShowsItsCaptionAndItsToolbarInItsOrderAndWords) {
    ASSERT_EQ(std::size(kCardTops), std::size(kEditors));
    for (std::size_t i = 0; i < std::size(kEditors); ++i) {
        const Editor& e = kEditors[i];
        const CardTop& top = kCardTops[i];
        ASSERT_STREQ(top.card, e.name);
        SCOPED_TRACE(e.name);
        test::FakeEnvironment fake;
        std::unique_ptr<CardEditor> card = e.make(fake.env());
        EXPECT_EQ(card->windowTitle(), top.caption);
        // the toolbar is the first row of the window
        QLayout* bar = card->centralWidget()->layout()->itemAt(0)->layout();
        ASSERT_NE(bar, nullptr);
        std::vector<std::string> shown, listed;
        for (int item = 0; item < bar->count(); ++item) {
            QWidget* w = bar->itemAt(item)->widget();
            if (!w) continue;  // the stretch after the buttons
            auto* button = qobject_cast<QToolButton*>(w);
            const QString hint = w->property("hint").toString();
            shown.push_back(
                (w->objectName() + " | " + (button ? w->accessibleName() : QString()) + " | " + hint)
                    .toStdString());
            if (button) {
                EXPECT_EQ(w->toolTip(), hint) << w->objectName().toStdString();
            }
        }
        for (const Button& b : top.toolbar) {
            listed.push_back(std::string(b.name) + " | " + b.caption + " | " + b.hint);
            auto* button = card->findChild<QToolButton*>(b.name);
            if (!*b.picture) continue;
            ASSERT_NE(button, nullptr) << b.name;
            const QImage picture = pictureOf(QIcon(pictureResource(b.picture)));
            ASSERT_FALSE(picture.isNull()) << b.picture;
            EXPECT_EQ(pictureOf(button->icon()), picture) << b.name;
        }
        EXPECT_EQ(shown, listed);
    }
}

}  // namespace
}  // namespace custovia
