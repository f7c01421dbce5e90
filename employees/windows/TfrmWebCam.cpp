#include "employees/windows/TfrmWebCam.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "archive/windows/FieldBehaviour.h"
#include "employees/employees.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/PhotoFrame.h"
#include "employees/windows/TfrmDipendenti.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

QPushButton* button(const char* name, const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

const QString kNoCamera = QStringLiteral("Nessuna webcam disponibile su questo computer.");

}  // namespace

TfrmWebCam::TfrmWebCam(Environment& env, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), env_(env) {
    setObjectName(QStringLiteral("TfrmWebCam"));
    setWindowTitle(QStringLiteral(" Cattura foto con webcam"));
    setModal(true);
    lblMemory_ = new QLabel(this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();
    imgCamera_ = new PhotoFrame(QStringLiteral("imgCamera"), QStringLiteral("Immagine della webcam"), this);
    imgTarget_ = new PhotoFrame(QStringLiteral("imgTarget"), QStringLiteral("Foto catturata"), this);
    for (PhotoFrame* frame : {imgCamera_, imgTarget_}) {
        frame->setFixedSize(kWebcamFrameSize);
        frame->setStyleSheet(QStringLiteral("border: 1px solid #87CEEB;"));
    }
    imgCamera_->setPicture(webcamPlaceholder());
    imgTarget_->setPicture(cameraPlaceholder());
    lblStato_ = new QLabel(this);
    lblStato_->setObjectName(QStringLiteral("lblStato"));
    lblStato_->setStyleSheet(QStringLiteral("color: #B22222; font-weight: bold;"));

    auto* btnAccendi = button("btnAccendi", QStringLiteral("Accendi webcam"), this);
    auto* btnSpegni = button("btnSpegni", QStringLiteral("Spegni webcam"), this);
    auto* btnCattura = button("btnCattura", QStringLiteral("Cattura foto"), this);
    auto* btnSalva = button("btnSalvaFotogramma", QStringLiteral("Salva foto su disco"), this);
    auto* btnImporta = button("btnImportaFoto", QStringLiteral("Importa foto in scheda"), this);
    auto* btnClose = button("btnClose", QStringLiteral("Annulla"), this);
    connect(btnAccendi, &QPushButton::clicked, this, &TfrmWebCam::switchOn);
    connect(btnSpegni, &QPushButton::clicked, this, &TfrmWebCam::switchOff);
    connect(btnCattura, &QPushButton::clicked, this, &TfrmWebCam::capture);
    connect(btnSalva, &QPushButton::clicked, this, &TfrmWebCam::saveToDisk);
    connect(btnImporta, &QPushButton::clicked, this, &TfrmWebCam::importIntoCard);
    connect(btnClose, &QPushButton::clicked, this, &TfrmWebCam::reject);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(24);
    grid->addWidget(imgCamera_, 0, 0, 1, 2);
    grid->addWidget(imgTarget_, 0, 2, 1, 2);
    grid->addWidget(btnAccendi, 1, 0);
    grid->addWidget(btnSpegni, 1, 1);
    grid->addWidget(btnCattura, 1, 2);
    grid->addWidget(btnSalva, 1, 3);
    grid->addWidget(lblStato_, 2, 0, 1, 2);
    grid->addWidget(btnImporta, 2, 2);
    grid->addWidget(btnClose, 2, 3);
    setFixedSize(sizeHint());
}

TfrmWebCam::~TfrmWebCam() {
    if (env_.camera.running()) env_.camera.stop();
}

void TfrmWebCam::setModeTag(const QString& tag) { lblMemory_->setText(tag); }

QImage TfrmWebCam::livePicture() const { return imgCamera_->picture(); }

QImage TfrmWebCam::capturedPicture() const { return imgTarget_->picture(); }

void TfrmWebCam::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreWindow(this, true);
    if (!env_.camera.available()) sayNoCamera();
}

void TfrmWebCam::sayNoCamera() { lblStato_->setText(kNoCamera); }

void TfrmWebCam::switchOn() {
    lblStato_->clear();
    const bool started = env_.camera.start([this](const QImage& frame) { imgCamera_->setPicture(frame); });
    if (!started) sayNoCamera();
}

void TfrmWebCam::switchOff() { env_.camera.stop(); }

void TfrmWebCam::capture() { imgTarget_->setPicture(imgCamera_->picture()); }

void TfrmWebCam::saveToDisk() { savePhotoToDisk(env_, this, imgTarget_->picture()); }

void TfrmWebCam::importIntoCard() {
    env_.camera.stop();
    const QString tag = lblMemory_->text();
    if (tag != toQString(kEmployeePhotoTag)) return;
    if (auto* card = env_.windows.find<TfrmDipendenti>(tag)) card->importPhoto(imgTarget_->picture());
    accept();
}

void TfrmWebCam::reject() {
    env_.camera.stop();
    QDialog::reject();
}

}  // namespace custovia
