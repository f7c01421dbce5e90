// The employee card as a user drives it: the save chain, the record, and above all the photo.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "archive/archive.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/TfrmDipendenti.h"
#include "employees/windows/TfrmZoom.h"
#include "fakes.h"
#include "window_helpers.h"
#include "photo_support.h"

namespace custovia {
namespace {

namespace fs = std::filesystem;
using test::FakeEnvironment;

const QString kSavedNew = "La scheda corrente è stata inserita in archivio.";
const QString kSavedChanges = "Le modifiche apportate alla scheda corrente sono state salvate in archivio.";

class DipendentiTest : public ::testing::Test {
protected:
    void SetUp() override {
        card = std::make_unique<TfrmDipendenti>(fake.env());
        card->show();
        QApplication::setActiveWindow(card.get());
    }

    void set(const char* name, const QString& value) { card->setFieldText(name, value); }
    void fillRequired(const QString& name = "Rossi Mario") {
        set("txtDipendente", name);
        set("txtSesso", "M");
        set("txtCel", "3331234567");
        set("txtQualifica", "Guardia giurata");
        set("txtReparto", "Notturno");
    }
    // Appends employees straight to the archive, as other sessions would have.
    void storeEmployees(int count) {
        Archive file(fake.folder() / kEmployeesFile, employeeLayout());
        for (int i = 1; i <= count; ++i) {
            Record r(employeeLayout());
            r.set("txtDipendente", "Dipendente " + std::to_string(i));
            file.append(r);
        }
    }
    fs::path photoFile(int n) const { return employeePhotoFile(fake.folder(), std::uint64_t(n)); }
    fs::path chosen(const char* name) const { return fake.folder() / "scelte" / name; }
    void click(const char* button) { card->findChild<QToolButton*>(button)->click(); }
    void loadPhoto(const fs::path& file) {
        fake.fileDialogs.choose({QString::fromStdString(file.string())});
        click("btnCaricaFoto");
    }
    void openFrom(const char* button, const std::function<void(QDialog*)>& look) {
        test::openModalFrom(card->findChild<QToolButton*>(button), look);
    }

    FakeEnvironment fake;
    std::unique_ptr<TfrmDipendenti> card;
};

TEST_F(DipendentiTest, SaveChecksNameSexMobileGradeDepartmentInOrder) {
    struct Step {
        const char* empty;
        const char* warning;
    };
    // each step fills the field the previous one stopped at
    const Step chain[] = {
        {"txtDipendente",
         "Attenzione: per salvare la scheda è necessario indicare cognome e nome del dipendente."},
        {"txtSesso",
         "Attenzione: per salvare la scheda è necessario indicare il sesso del dipendente (M o F)."},
        {"txtCel",
         "Attenzione: per salvare la scheda è necessario indicare il numero di cellulare dal dipendente."},
        {"txtQualifica",
         "Attenzione: per salvare la scheda è necessario indicare la qualifica dal dipendente."},
        {"txtReparto", "Attenzione: per salvare la scheda è necessario indicare il reparto del dipendente."},
    };
    set("txtDipendente", "   ");
    for (const Step& step : chain) {
        fake.messages.clear();
        click("cmdSalva");
        EXPECT_EQ(fake.messages.texts().join("|").toStdString(), step.warning);
        EXPECT_EQ(QApplication::focusWidget(), card->control(step.empty)) << step.empty;
        set(step.empty, "1");  // digits fit every field, the mobile too
    }
    EXPECT_FALSE(fs::exists(fake.folder() / kEmployeesFile));
    EXPECT_FALSE(fs::exists(photoFile(1)));
    fake.messages.clear();
    click("cmdSalva");
    EXPECT_EQ(fake.messages.texts(), QStringList{kSavedNew});
}

TEST_F(DipendentiTest, FifthCardKeepsItsLoadedPhotoAndShowsItAgainWhenBrowsedBack) {
    storeEmployees(4);
    test::writePicture(chosen("rosso.jpg"), Qt::red);
    fillRequired();
    set("txtNote", "Porto d'armi");
    loadPhoto(chosen("rosso.jpg"));
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
    EXPECT_FALSE(fs::exists(photoFile(5)));  // stored only at Save
    click("cmdSalva");
    EXPECT_EQ(card->position(), "5");
    EXPECT_EQ(fake.messages.texts(), QStringList{kSavedNew});
    EXPECT_EQ(fs::file_size(fake.folder() / kEmployeesFile), 5u * 3356u);
    EXPECT_TRUE(test::showsColour(readPicture(photoFile(5)), Qt::red));

    click("cmdPrimo");  // no photo file for card 1: the guard, without a message
    EXPECT_EQ(card->position(), "1");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    click("cmdUltimo");
    EXPECT_EQ(card->fieldText("txtNote"), "Porto d'armi");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
    EXPECT_EQ(fake.messages.texts().size(), 1);
    EXPECT_EQ(fake.fileDialogs.titles,
              QStringList{"Selezionare un file di immagine in formato Jpeg o Bitmap."});
    EXPECT_EQ(fake.fileDialogs.filters, QStringList{"Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"});
}

TEST_F(DipendentiTest, CardWithoutPhotoAndErasedPhotoStoreTheGuard) {
    fillRequired();
    click("cmdSalva");
    EXPECT_TRUE(test::looksLike(readPicture(photoFile(1)), guardPlaceholder()));

    test::writePicture(photoFile(1), Qt::blue);
    click("cmdPrimo");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::blue));
    click("btnCancFoto");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    EXPECT_TRUE(test::showsColour(readPicture(photoFile(1)), Qt::blue));  // until Save
    click("cmdSalva");
    EXPECT_EQ(fake.messages.last().text, kSavedChanges);
    EXPECT_TRUE(test::looksLike(readPicture(photoFile(1)), guardPlaceholder()));
}

TEST_F(DipendentiTest, AFailedLoadNeverReplacesTheStoredPhoto) {
    storeEmployees(2);
    test::writePicture(photoFile(1), Qt::blue);
    test::writeBytes(photoFile(2), "not a picture");
    test::writeBytes(chosen("rotta.jpg"), "neither is this");

    click("cmdPrimo");
    fillRequired("Dipendente 1");
    loadPhoto(chosen("rotta.jpg"));  // the frame keeps the stored photo
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::blue));
    fake.fileDialogs.choose({""});  // a cancelled dialog changes nothing either
    click("btnCaricaFoto");
    const std::string stored = test::readBytes(photoFile(1));
    set("txtNote", "aggiornata");
    click("cmdSalva");
    EXPECT_EQ(test::readBytes(photoFile(1)), stored);  // unchanged photo: not rewritten

    // a stored file this screen cannot read shows the guard but stays on disk through Save
    click("cmdAvanti");
    EXPECT_EQ(card->position(), "2");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    fillRequired("Dipendente 2");
    click("cmdSalva");
    EXPECT_EQ(test::readBytes(photoFile(2)), "not a picture");
    EXPECT_EQ(fake.messages.texts(), (QStringList{kSavedChanges, kSavedChanges}));
}

TEST_F(DipendentiTest, APhotoThatCannotBeWrittenWarnsAndTheRecordIsStillSaved) {
    fs::create_directories(photoFile(1) / "occupato");  // a folder where the photo should go
    test::writePicture(chosen("verde.png"), Qt::green);
    fillRequired();
    loadPhoto(chosen("verde.png"));
    click("cmdSalva");
    EXPECT_EQ(card->position(), "1");
    EXPECT_EQ(fs::file_size(fake.folder() / kEmployeesFile), 3356u);
    ASSERT_EQ(fake.messages.texts().size(), 2);
    EXPECT_EQ(fake.messages.shown[0].text, kSavedNew);
    EXPECT_EQ(fake.messages.shown[1].kind, "warning");
    // a new card had no photo before: nothing "archived before" was kept
    EXPECT_EQ(fake.messages.shown[1].text,
              "Attenzione: la scheda è stata inserita in archivio, ma non è stato possibile salvare la foto "
              "del dipendente.\r\n\r\nAccertarsi di possedere i privilegi di scrittura nella cartella "
              "Anagrafica e premere di nuovo Salva per archiviare la foto.");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::green));  // the picture stays on screen
    EXPECT_TRUE(fs::is_directory(photoFile(1) / "occupato"));
    EXPECT_EQ(std::distance(fs::directory_iterator(photoFolder(fake.folder())), fs::directory_iterator()), 1);

    // an archived card keeps what was stored for it
    fake.messages.clear();
    click("cmdSalva");
    EXPECT_EQ(
        fake.messages.texts(),
        (QStringList{kSavedChanges,
                     "Attenzione: la scheda è stata salvata in archivio, ma non è stato possibile salvare "
                     "la foto del dipendente.\r\n\r\nLa foto archiviata in precedenza non è stata "
                     "modificata."}));
}

TEST_F(DipendentiTest, APhoneCameraPhotoLoadsAndIsStoredAsAScaledCopy) {
    test::writePicture(chosen("telefono.jpg"), Qt::red, {6000, 8000});  // 48 megapixels
    fillRequired();
    loadPhoto(chosen("telefono.jpg"));
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
    EXPECT_EQ(card->photo().size(), QSize(2250, 3000));
    click("cmdSalva");
    EXPECT_EQ(QImageReader(QString::fromStdString(photoFile(1).string())).size(), QSize(2250, 3000));
    click("cmdNuovo");
    click("cmdPrimo");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
    // the zoom shows the photo the card read
    bool zoomed = false;
    QTimer::singleShot(0, [&] {
        auto* zoom = card->findChild<TfrmZoom*>();
        ASSERT_NE(zoom, nullptr);
        zoomed = test::showsColour(zoom->photo(), Qt::red);
        zoom->accept();
    });
    click("btnZoomFoto");
    EXPECT_TRUE(zoomed);
}

TEST_F(DipendentiTest, SaveToDiskAddsJpgAndAFailureWarnsAndKeepsTheFrame) {
    test::writePicture(chosen("rosso.bmp"), Qt::red);
    loadPhoto(chosen("rosso.bmp"));
    fake.fileDialogs.choose({QString::fromStdString((fake.folder() / "Ritratto").string())});
    click("btnSalvaFoto");
    EXPECT_TRUE(test::showsColour(readPicture(fake.folder() / "Ritratto.jpg"), Qt::red));
    EXPECT_EQ(fake.fileDialogs.titles.last(),
              "Selezionare la cartella in cui si desidera salvare il file Jpeg.");
    EXPECT_EQ(fake.fileDialogs.filters.last(), "File Jpeg (*.jpg)");
    EXPECT_TRUE(fake.messages.shown.empty());

    fs::create_directories(fake.folder() / "Cartella.jpg");
    fake.fileDialogs.choose({QString::fromStdString((fake.folder() / "Cartella.jpg").string())});
    click("btnSalvaFoto");
    ASSERT_EQ(fake.messages.shown.size(), 1u);
    EXPECT_EQ(fake.messages.last().kind, "warning");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::red));
}

TEST_F(DipendentiTest, DuplicateSavesAsANewCardWithTheGuardAndNoAttachments) {
    storeEmployees(3);
    test::writePicture(photoFile(2), Qt::blue);
    click("cmdPrimo");
    click("cmdAvanti");
    set("lblFile01", "contratto.pdf");
    fillRequired("Dipendente 2");
    click("cmdDuplica");
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(card->fieldText("lblFile01"), "");
    EXPECT_EQ(card->fieldText("txtDipendente"), "Dipendente 2");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtDipendente"));
    click("cmdSalva");
    EXPECT_EQ(card->position(), "4");
    EXPECT_TRUE(test::looksLike(readPicture(photoFile(4)), guardPlaceholder()));
    EXPECT_TRUE(test::showsColour(readPicture(photoFile(2)), Qt::blue));
}

TEST_F(DipendentiTest, NewShowsTheGuardAndADeletedPhotoFileShowsItSilently) {
    storeEmployees(3);
    test::writePicture(photoFile(3), Qt::blue);
    click("cmdUltimo");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::blue));
    fs::remove(photoFile(3));
    click("cmdPrimo");
    click("cmdUltimo");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    EXPECT_TRUE(fake.messages.shown.empty());
    test::writePicture(photoFile(3), Qt::blue);
    click("cmdUltimo");
    click("cmdNuovo");
    EXPECT_TRUE(test::looksLike(card->photo(), guardPlaceholder()));
    EXPECT_EQ(card->position(), "");
    EXPECT_EQ(card->fieldText("txtDipendente"), "");
}

TEST_F(DipendentiTest, TypingRulesAndTheEnterRing) {
    QTest::keyClicks(card->control("txtSesso"), "m");
    EXPECT_EQ(card->fieldText("txtSesso"), "M");
    QTest::keyClicks(card->control("txtCel"), "33a3b");
    EXPECT_EQ(card->fieldText("txtCel"), "333");
    QTest::keyClicks(card->control("txtCodFisc"), "rss mra");
    EXPECT_EQ(card->fieldText("txtCodFisc"), "RSSMRA");
    card->control("txtNote")->setFocus();
    QTest::keyClick(card->control("txtNote"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), card->control("txtDipendente"));
    const std::pair<const char*, int> limits[] = {{"txtDipendente", 50}, {"txtSesso", 1},
                                                  {"txtCodFisc", 16},    {"txtIban", 27},
                                                  {"txtMansioni", 250},  {"txtNote", 250}};
    for (const auto& [name, limit] : limits)
        EXPECT_EQ(card->findChild<QLineEdit*>(name)->maxLength(), limit) << name;
    EXPECT_EQ(card->windowTitle(), " Custovia - Archivio Dipendenti");
    EXPECT_EQ(card->findChild<QToolButton*>("btnZoomFoto")->toolTip(),
              "Visualizza la foto nelle sue dimensioni reali.");
}

TEST_F(DipendentiTest, EnterAndTabGoTheSameWayAndTheFieldsReadInThatOrder) {
    card->resize(1600, 1000);
    QApplication::processEvents();
    const std::vector<QString>& ring = card->config().enterOrder;
    for (std::size_t i = 0; i + 1 < ring.size(); ++i) {
        QWidget* from = card->control(ring[i]);
        QWidget* next = card->control(ring[i + 1]);
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
            from->setFocus();
            QTest::keyClick(from, key);
            EXPECT_EQ(QApplication::focusWidget(), next) << ring[i].toStdString() << " " << int(key);
        }
        // the next field sits on the same row further right, or on a row below
        const QPoint a = from->mapTo(card.get(), from->rect().center());
        const QPoint b = next->mapTo(card.get(), next->rect().center());
        const bool sameRow = std::abs(a.y() - b.y()) < from->height() / 2;
        EXPECT_TRUE(sameRow ? b.x() > a.x() : b.y() > a.y())
            << ring[i].toStdString() << " -> " << ring[i + 1].toStdString();
    }
}

TEST_F(DipendentiTest, EmailIsPercentEncodedAndTheTaxCodeButtonPicksItsCheck) {
    set("txtEmail", "  mario rossi@vigilanza.it?cc=altro@x.it ");
    click("btnEmail");
    ASSERT_EQ(fake.shell.opened.size(), 1u);
    EXPECT_EQ(fake.shell.opened[0], "\"mailto:mario%20rossi@vigilanza.it%3Fcc%3Daltro@x.it\"");
    EXPECT_EQ(fake.registered(),
              std::vector<std::string>{"15/05/2024 | 10:07:03 | Archivio Dipendenti |  | e-mail | mario "
                                       "rossi@vigilanza.it?cc=altro@x.it | "});

    set("txtCodFisc", "01234567890");
    openFrom("btnCodFisc", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmPartitaIva"); });
    set("txtCodFisc", "RSSMRA80A01H501U");
    openFrom("btnCodFisc", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmCodFisc"); });
    openFrom("btnIban", [](QDialog* w) { EXPECT_EQ(w->objectName(), "TfrmIban"); });
}

TEST_F(DipendentiTest, SearchRecallsTheWholeCardWithItsPhoto) {
    storeEmployees(2);
    click("cmdNuovo");
    fillRequired("Bartolomeo Castiglioni Ferri");  // 28 characters, listed cut to 26
    set("txtQualifica", "GUARDIA SORVEGLIANTE");
    click("cmdSalva");
    test::writePicture(photoFile(3), Qt::blue);
    click("cmdNuovo");
    openFrom("cmdTrova", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmTrovaDipendenti");
        EXPECT_EQ(w->windowTitle(), " Trova schede dipendenti in archivio");
        QTest::keyClicks(w->findChild<QLineEdit*>("txtQualifica"), "sorv");
        w->findChild<QPushButton*>("btnCerca")->click();
        auto* list = w->findChild<QListView*>("lstRecords");
        ASSERT_EQ(list->model()->rowCount(), 1);
        EXPECT_TRUE(
            list->model()->index(0, 0).data().toString().startsWith("Bartolomeo Castiglioni Fer  Cel. "));
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    EXPECT_EQ(card->position(), "3");
    EXPECT_EQ(card->fieldText("txtDipendente"), "Bartolomeo Castiglioni Ferri");
    EXPECT_TRUE(test::showsColour(card->photo(), Qt::blue));
}

TEST_F(DipendentiTest, TheInterventionCardImportsOnlyTheOperatorsNameAndMobile) {
    fillRequired("Verdi Luca");
    set("txtCel", "3479876543");
    click("cmdSalva");
    click("cmdNuovo");
    set("txtDipendente", "non toccare");
    TfrmInterventi intervention(fake.env());
    intervention.show();
    intervention.setFieldText("txtUtente", "Cliente");
    auto* impOperatore = intervention.findChild<QToolButton*>("impOperatore");
    ASSERT_TRUE(impOperatore->isEnabled());
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* w = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(w, nullptr);
        seen = true;
        EXPECT_EQ(w->objectName(), "TfrmTrovaDipendenti");
        w->findChild<QPushButton*>("btnCerca")->click();
        auto* list = w->findChild<QListView*>("lstRecords");
        list->setCurrentIndex(list->model()->index(0, 0));
        emit list->doubleClicked(list->currentIndex());
    });
    impOperatore->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(intervention.fieldText("txtTecnico"), "Verdi Luca");
    EXPECT_EQ(intervention.fieldText("txtCelTec"), "3479876543");
    EXPECT_EQ(intervention.fieldText("txtUtente"), "Cliente");
    EXPECT_EQ(card->fieldText("txtDipendente"), "non toccare");
    EXPECT_EQ(card->position(), "");
}

TEST_F(DipendentiTest, PrintedCardShowsTheScreenAndAFailureWarns) {
    fillRequired();
    set("txtLingue", "Inglese, francese");
    set("txtRetribuzione", std::string(200, 'R').c_str());
    openFrom("cmdStampa", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmStampaDipendenti");
        EXPECT_EQ(w->windowTitle(), " Stampa scheda");
        w->findChild<QPushButton*>("cmdStampa")->click();
    });
    openFrom("cmdAnteprima", [](QDialog* w) {
        EXPECT_EQ(w->objectName(), "TfrmAnteprimaDipendenti");
        EXPECT_EQ(w->windowTitle(), " Anteprima di stampa");
        w->findChild<QPushButton*>("cmdAnteprima")->click();
    });
    ASSERT_EQ(fake.printDialogs.pdfs.size(), 2u);
    EXPECT_EQ(fake.printDialogs.previews, 1);
    for (const fs::path& pdf : fake.printDialogs.pdfs) {
        const std::string text = test::pdfText(pdf);
        for (const char* expected : {"Rossi Mario", "LUOGO DI NASCITA", "CODICE FISCALE", "Inglese, francese",
                                     "EQUIPAGGIAMENTO IN DOTAZIONE", "Guardia giurata", "3331234567"})
            EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
        EXPECT_EQ(text.find("Nome"), std::string::npos);
        // a value wider than its cell is cut at the cell's edge, on one line
        EXPECT_EQ(text.find(std::string(200, 'R')), std::string::npos);
    }
    EXPECT_EQ(card->position(), "");

    fs::remove_all(fake.printDialogs.pdfs[0].parent_path());  // the printer cannot be written
    openFrom("cmdStampa", [](QDialog* w) { w->findChild<QPushButton*>("cmdStampa")->click(); });
    EXPECT_EQ(
        fake.messages.last().text,
        "Attenzione: la stampa della scheda non è andata a buon fine.\n\r\n\rSi consiglia di ridurre le "
        "dimensioni della foto.");
}

}  // namespace
}  // namespace custovia
