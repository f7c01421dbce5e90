#include "employees/windows/TfrmDipendenti.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QVBoxLayout>
#include <system_error>

#include "archive/paths.h"
#include "archive/shell.h"
#include "archive/text.h"
#include "archive/windows/TfrmAllegaCartella.h"
#include "archive/windows/qt_text.h"
#include "clients/windows/CheckWindow.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/PhotoFrame.h"
#include "employees/windows/TfrmAnteprimaDipendenti.h"
#include "employees/windows/TfrmSlideshow_Dipendenti.h"
#include "employees/windows/TfrmStampaDipendenti.h"
#include "employees/windows/TfrmTrovaDipendenti.h"
#include "employees/windows/TfrmWebCam.h"
#include "employees/windows/TfrmZoom.h"

namespace custovia {
namespace {

// the card's framed sections, in order
const QString kPersonal = QStringLiteral("Dati anagrafici");
const QString kContacts = QStringLiteral("Studi e recapiti");
const QString kWork = QStringLiteral("Impiego");
const QString kNotes = QStringLiteral("Annotazioni");

// Save stored the card but not its photo: what the user is told depends on whether the card
// was new and whether an earlier photo is still stored for it.
QString photoNotStored(bool appended, bool earlierPhotoKept) {
    return (appended ? QStringLiteral("Attenzione: la scheda è stata inserita in archivio, ")
                     : QStringLiteral("Attenzione: la scheda è stata salvata in archivio, ")) +
           QStringLiteral("ma non è stato possibile salvare la foto del dipendente.\r\n\r\n") +
           (earlierPhotoKept ? QStringLiteral("La foto archiviata in precedenza non è stata modificata.")
                             : QStringLiteral("Accertarsi di possedere i privilegi di scrittura nella "
                                              "cartella Anagrafica e premere di nuovo Salva per archiviare "
                                              "la foto."));
}

CardConfig employeeCard() {
    CardConfig c;
    c.objectName = QStringLiteral("TfrmDipendenti");
    c.areaTag = toQString(kEmployeesTag);
    c.areaName = QStringLiteral("Archivio Dipendenti");
    c.otherTags = {toQString(kEmployeePhotoTag)};  // the webcam brings its photo here
    c.archiveFile = std::string(kEmployeesFile);
    c.layout = &employeeLayout();
    const unsigned colour = FocusColour;
    const FieldControl edit = FieldControl::Edit;
    // read left to right, top to bottom, the fields follow the Enter ring; listed in that
    // order, they are also the Tab order
    c.fields = {
        {"txtDipendente", "Cognome e nome:", edit, colour, 0, 0, 1, kPersonal, {}},
        {"txtSesso", "Sesso:", edit, colour | UpperCase, 0, 1, 1, kPersonal, {}},
        {"txtDataNasc", "Data nascita:", edit, colour, 1, 0, 1, kPersonal, {}},
        {"txtCittadinanza", "Cittadinanza:", edit, colour, 1, 1, 1, kPersonal, {}},
        {"txtLuogoNasc", "Luogo nascita:", edit, colour, 2, 0, 2, kPersonal, {}},
        {"txtIndirizzo", "Indirizzo residenza:", edit, colour, 3, 0, 2, kPersonal, {}},
        {"txtCitta", "Città:", edit, colour, 4, 0, 1, kPersonal, {}},
        {"txtCap", "CAP:", edit, colour | DigitWidth, 4, 1, 1, kPersonal, {}},
        {"txtNazione", "Nazione:", edit, colour, 5, 0, 1, kPersonal, {}},
        {"txtCodFisc", "Codice fiscale:", edit, colour | UpperCase, 5, 1, 1, kPersonal, {}},
        {"txtCivile", "Stato civile:", edit, colour, 6, 0, 1, kPersonal, {}},
        {"txtPartitaIva", "Partita IVA:", edit, colour | DigitsOnly, 6, 1, 1, kPersonal, {}},
        {"txtStudio", "Titolo di studio:", edit, colour, 0, 0, 2, kContacts, {}},
        {"txtLingue", "Lingue conosciute:", edit, colour, 1, 0, 2, kContacts, {}},
        {"txtEmail", "E-mail:", edit, colour | TrimTyping, 2, 0, 1, kContacts, {}},
        {"txtTel", "Tel. casa:", edit, colour, 2, 1, 1, kContacts, {}},
        {"txtCel", "Tel. cellulare:", edit, colour | DigitsOnly, 3, 0, 1, kContacts, {}},
        {"txtQualifica", "Qualifica:", edit, colour, 0, 0, 1, kWork, {}},
        {"txtReparto", "Reparto:", edit, colour, 0, 1, 1, kWork, {}},
        {"txtDisponibilita", "Disponibilità:", edit, colour, 1, 0, 2, kWork, {}},
        {"txtMansioni", "Equipaggiamento in dotazione:", edit, colour, 2, 0, 2, kWork, {}},
        {"txtIban", "IBAN:", edit, colour | UpperCase, 3, 0, 1, kWork, {}},
        {"txtDataAss", "Data assunzione:", edit, colour, 3, 1, 1, kWork, {}},
        {"txtRetribuzione", "Retribuzione:", edit, colour, 4, 0, 2, kWork, {}},
        {"txtNote", "Note:", edit, colour, 0, 0, 2, kNotes, {}},
    };
    for (const QString& name : kAttachmentLabels)
        c.fields.push_back({name, "", FieldControl::Hidden, NoRule, 0, 0, 1, {}, {}});
    c.enterOrder = {"txtDipendente", "txtSesso",      "txtDataNasc",  "txtCittadinanza", "txtLuogoNasc",
                    "txtIndirizzo",  "txtCitta",      "txtCap",       "txtNazione",      "txtCodFisc",
                    "txtCivile",     "txtPartitaIva", "txtStudio",    "txtLingue",       "txtEmail",
                    "txtTel",        "txtCel",        "txtQualifica", "txtReparto",      "txtDisponibilita",
                    "txtMansioni",   "txtIban",       "txtDataAss",   "txtRetribuzione", "txtNote"};
    c.required = requiredFields(employeeSaveChecks());
    c.companions = {
        {"txtEmail", "btnEmail", CompanionKind::Picture, "email", "Invia e-mail",
         "Invia una e-mail all'indirizzo indicato.", "email"},
        checkButton(Check::TaxCode, "txtCodFisc"),
        checkButton(Check::VatNumber, "txtPartitaIva"),
        checkButton(Check::Iban, "txtIban"),
    };
    const CardButtons& b = cardButtons(CardWording::Insertion);
    const ToolbarButton slideshow{"cmdSlideshow", "slideshow", "Slide show", "Esegui lo slide show."};
    c.toolbar = toolbarWithBrowsing({b.newCard, b.duplicate, b.save, b.find, b.attach, b.preview, b.print},
                                    {slideshow, b.help, b.leave});
    c.firstField = QStringLiteral("txtDipendente");
    c.help = HelpTopic::Employees;
    return c;
}

}  // namespace

TfrmDipendenti::TfrmDipendenti(Environment& env, QWidget* parent) : CardEditor(env, employeeCard(), parent) {
    buildPhotoColumn();
    wireWindows();
}

void TfrmDipendenti::buildPhotoColumn() {
    // the photo and its buttons on the left, the header picture above the card on the right
    auto* scroll = findChild<QScrollArea*>();
    QWidget* card = scroll->takeWidget();
    auto* page = new QWidget(scroll);
    page->setObjectName(QStringLiteral("panScheda"));

    auto* photoColumn = new QVBoxLayout;
    imgFoto_ = new PhotoFrame(QStringLiteral("imgFoto"), QStringLiteral("Foto del dipendente"), page);
    imgFoto_->setFixedSize(kPhotoFrameSize);
    imgFoto_->setStyleSheet(QStringLiteral("border: 1px solid #87CEEB;"));
    photoColumn->addWidget(imgFoto_);
    auto* photoButtons = new QHBoxLayout;
    struct PhotoButton {
        const char* name;
        const char* picture;
        const char* label;
        const char* hint;
    };
    for (const PhotoButton& b : {
             PhotoButton{"btnCaricaFoto", "carica", "Carica", "Carica una foto esistente."},
             {"btnWebcam", "webcam", "Webcam", "Cattura la foto con una webcam."},
             {"btnSalvaFoto", "salva_foto", "Salva foto su disco", "Salva la foto su disco."},
             {"btnCancFoto", "gomma", "Cancella foto", "Cancella la foto."},
             {"btnZoomFoto", "zoom", "Ingrandisci foto", "Visualizza la foto nelle sue dimensioni reali."},
         }) {
        const QString name = QLatin1String(b.name);
        auto* button =
            new PictureButton(name, pictureResource(b.picture), toQString(b.label), toQString(b.hint), page);
        hintLine()->attach(button, button->hint());
        connect(button, &QToolButton::clicked, this, [this, name] { trigger(name); });
        photoButtons->addWidget(button);
    }
    photoColumn->addLayout(photoButtons);
    photoColumn->addStretch(1);

    auto* header = new QLabel(page);
    header->setObjectName(QStringLiteral("imgTitolo"));
    header->setPixmap(
        QPixmap::fromImage(builtInPicture(QStringLiteral("scheda_dipendente"), {600, 44}, Qt::transparent)));
    header->setAccessibleName(QStringLiteral("SCHEDA DIPENDENTE"));
    auto* cardColumn = new QVBoxLayout;
    cardColumn->addWidget(header, 0, Qt::AlignLeft);
    cardColumn->addWidget(card, 1);

    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(16, 8, 16, 8);
    row->addLayout(photoColumn);
    row->addSpacing(8);
    row->addLayout(cardColumn, 1);
    scroll->setWidget(page);
}

void TfrmDipendenti::wireWindows() {
    opensWindow(
        QStringLiteral("cmdTrova"), [this] { return TfrmTrovaDipendenti(env(), this); }, config().areaTag);
    opensWindow(QStringLiteral("cmdFile"),
                [this] { return TfrmAllegaCartella(env(), this, config().areaTag); });
    opensWindow(QStringLiteral("cmdStampa"),
                [this] { return TfrmStampaDipendenti(this, env(), screenValues(), photo()); });
    opensWindow(QStringLiteral("cmdAnteprima"),
                [this] { return TfrmAnteprimaDipendenti(this, env(), screenValues(), photo()); });
    opensWindow(QStringLiteral("cmdSlideshow"), [this] { return TfrmSlideshow_Dipendenti(env(), this); });
    setAction(QStringLiteral("btnCaricaFoto"), [this] { loadPhotoFromFile(); });
    opensWindow(
        QStringLiteral("btnWebcam"), [this] { return TfrmWebCam(env(), this); },
        toQString(kEmployeePhotoTag));
    setAction(QStringLiteral("btnSalvaFoto"), [this] { savePhotoToDisk(); });
    setAction(QStringLiteral("btnCancFoto"), [this] { erasePhoto(); });
    opensWindow(QStringLiteral("btnZoomFoto"), [this] { return TfrmZoom(this, photo()); });
    for (const char* wide : {"cmdAnteprima", "cmdStampa"}) {
        auto* button = static_cast<QToolButton*>(toolbarButton(QLatin1String(wide)));
        button->setText(button->accessibleName());
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setFixedWidth(button->sizeHint().width() + 8);
    }
}

QImage TfrmDipendenti::photo() const { return imgFoto_->picture(); }

void TfrmDipendenti::showPlaceholder() {
    imgFoto_->setPicture(guardPlaceholder());
    photoChanged_ = true;
}

void TfrmDipendenti::presetNew() { showPlaceholder(); }

void TfrmDipendenti::presetDuplicate() { showPlaceholder(); }

void TfrmDipendenti::recordShown(std::uint64_t index) {
    std::error_code ignored;
    std::filesystem::create_directories(photoFolder(env().folder), ignored);
    const QImage stored = readPicture(employeePhotoFile(env().folder, index + 1));
    imgFoto_->setPicture(stored.isNull() ? guardPlaceholder() : stored);
    photoChanged_ = false;
}

void TfrmDipendenti::recordSaved(std::uint64_t index, bool appended) {
    const std::filesystem::path file = employeePhotoFile(env().folder, index + 1);
    std::error_code ec;
    const bool stored = std::filesystem::exists(file, ec);
    // a photo loaded unchanged stays as it is stored, even when this screen could not read it
    if (!photoChanged_ && stored) return;
    if (writeJpeg(file, imgFoto_->picture()))
        photoChanged_ = false;
    else
        env().messages.warning(this, photoNotStored(appended, stored && !appended));
}

void TfrmDipendenti::loadPhotoFromFile() {
    const QString chosen = env().fileDialogs.openFile(
        this, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."),
        QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    if (chosen.isEmpty()) return;
    // a camera's photo comes in scaled to what the zoom and the printed card need, and that
    // copy is what Save stores, not the camera's many megapixels
    const QImage picture = readPicture(pathFromUtf8(chosen.toStdString()));
    if (picture.isNull()) return;  // the frame keeps what it shows
    imgFoto_->setPicture(picture);
    photoChanged_ = true;
}

void TfrmDipendenti::importPhoto(const QImage& picture) {
    if (picture.isNull()) return;
    imgFoto_->setPicture(picture);
    photoChanged_ = true;
}

void TfrmDipendenti::savePhotoToDisk() { custovia::savePhotoToDisk(env(), this, imgFoto_->picture()); }

void TfrmDipendenti::erasePhoto() { showPlaceholder(); }

}  // namespace custovia
