#include "app/windows/TfrmSplash.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/shell.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {

TfrmSplash::TfrmSplash(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmSplash"));
    setWindowTitle(QStringLiteral("Custovia - Copyright © Custovia. Tutti i diritti riservati."));
    setStyleSheet(QStringLiteral("#TfrmSplash { background-color: white; }"));

    // the address as people write it; the link opens it whole
    const QString website = toQString(kMakerWebsite).remove(QStringLiteral("https://"));
    const QString hint = QStringLiteral("Visita il sito web di Custovia.");
    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setPixmap(QIcon(pictureResource("splash")).pixmap(QSize(620, 340)));
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setAccessibleName(
        QStringLiteral("Custovia, il gestionale per gli istituti di vigilanza privata"));
    auto* imgWeb = new PictureButton(QStringLiteral("imgWeb"), pictureResource("web"),
                                     QStringLiteral("Sito web"), hint, this, QSize(32, 32));
    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), website, this);
    lnkWeb->setToolTip(hint);
    lnkWeb->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumWidth(100);
    connect(imgWeb, &QToolButton::clicked, this, &TfrmSplash::openWebsite);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmSplash::openWebsite);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(imgWeb);
    bottom->addWidget(lnkWeb);
    bottom->addStretch();
    bottom->addWidget(btnChiudi);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(16, 16, 16, 12);
    column->addWidget(imgLogo, 1);
    column->addLayout(bottom);
    makeFixedWindow(this, QSize(661, 467), true);
    btnChiudi->setFocus();
}

void TfrmSplash::openWebsite() { env_.shell.open(std::string(kMakerWebsite)); }

}  // namespace custovia
