#include "employees/windows/TfrmSlideshow_Dipendenti.h"

#include <QLabel>
#include <QShowEvent>

#include "archive/archive.h"
#include "archive/card_navigation.h"
#include "employees/employee_photos.h"
#include "employees/employees.h"
#include "employees/windows/EmployeePictures.h"
#include "employees/windows/PhotoFrame.h"
#include "employees/windows/TfrmZoom.h"

namespace custovia {

TfrmSlideshow_Dipendenti::TfrmSlideshow_Dipendenti(Environment& env, QWidget* parent)
    : QDialog(parent), env_(env), timer_(env.timers.create()) {
    setObjectName(QStringLiteral("TfrmSlideshow_Dipendenti"));
    setWindowTitle(QStringLiteral(" Slide show foto dipendenti"));
    setWindowState(Qt::WindowMaximized);
    setStyleSheet(QStringLiteral("QDialog { background: black; }"));
    lblPosizione_ = new QLabel(this);
    lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
    lblPosizione_->hide();
    imgFoto_ = new PhotoFrame(QStringLiteral("imgFoto"), QStringLiteral("Foto del dipendente"), this);
    connect(imgFoto_, &PhotoFrame::clicked, this, &QDialog::accept);
    centreFullScreenPicture(this, imgFoto_);
}

TfrmSlideshow_Dipendenti::~TfrmSlideshow_Dipendenti() = default;

QImage TfrmSlideshow_Dipendenti::picture() const { return imgFoto_->picture(); }

void TfrmSlideshow_Dipendenti::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    sizeFullScreenPicture(this, imgFoto_);
    if (event->spontaneous()) return;
    // every opening starts again from the first card
    lblPosizione_->clear();
    imgFoto_->setPicture(waitingPicture());
    timer_->start(kIntervalMs, [this] { tick(); });
}

void TfrmSlideshow_Dipendenti::tick() {
    std::uint64_t count = 0;
    try {
        Archive file(env_.file(kEmployeesFile), employeeLayout(), env_.files);
        count = file.count();
    } catch (const ArchiveError&) {
        // the next tick tries again
        env_.messages.error(this, archiveAccessMessage());
        return;
    }
    const SlideStep step =
        slideShowStep(positionNumber(lblPosizione_->text().toStdString()).value_or(0), count);
    switch (step.kind) {
        case SlideStep::EmptyArchive:
            timer_->stop();
            env_.messages.information(this, QStringLiteral("L'archivio non contiene nessuna scheda."));
            reject();
            return;
        case SlideStep::ShowPhoto: {
            const QImage photo = readPicture(employeePhotoFile(env_.folder, step.shown));
            imgFoto_->setPicture(photo.isNull() ? waitingPicture() : photo);
            break;
        }
        case SlideStep::Hold:
            break;
    }
    lblPosizione_->setText(QString::number(step.shown));
}

void TfrmSlideshow_Dipendenti::mousePressEvent(QMouseEvent* event) {
    QDialog::mousePressEvent(event);
    accept();
}

void TfrmSlideshow_Dipendenti::done(int result) {
    timer_->stop();  // the show ends with its window
    QDialog::done(result);
}

}  // namespace custovia
