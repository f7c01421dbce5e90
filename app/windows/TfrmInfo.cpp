#include "app/windows/TfrmInfo.h"

#include <QDir>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "archive/paths.h"
#include "archive/shell.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

QLabel* picture(QWidget* parent, const char* name, const char* file, QSize size, const QString& description) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(QIcon(pictureResource(file)).pixmap(size));
    label->setAlignment(Qt::AlignCenter);
    label->setAccessibleName(description);
    return label;
}

}  // namespace

TfrmInfo::TfrmInfo(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmInfo"));
    setWindowTitle(QStringLiteral(" Informazioni su Custovia"));
    setStyleSheet(QStringLiteral("#TfrmInfo { background-color: white; }"));

    const QString email = toQString(kMakerEmail);
    const QString hint = QStringLiteral("Scrivi un'e-mail all'assistenza di Custovia.");
    QLabel* imgLogo = picture(this, "imgLogo", "logo", {300, 120}, QStringLiteral("Custovia"));
    QLabel* imgInfo =
        picture(this, "imgInformazioni", "informazioni", {420, 300},
                QStringLiteral("Custovia, il gestionale per gli istituti di vigilanza privata"));
    auto* imgEmail = new PictureButton(QStringLiteral("imgEmail"), pictureResource("email"),
                                       QStringLiteral("E-mail"), hint, this, QSize(32, 32));
    auto* lnkWeb = new LinkLabel(QStringLiteral("lnkWeb"), email, this);
    lnkWeb->setToolTip(hint);
    lnkWeb->setFont(QFont(QStringLiteral("Verdana"), 11, QFont::Bold));
    // where the archives are: the folder to copy for a backup, or to share between workstations
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(pathToUtf8(env_.folder)));
    auto* lblCartellaDati = new QLabel(this);
    lblCartellaDati->setObjectName(QStringLiteral("lblCartellaDati"));
    lblCartellaDati->setTextFormat(Qt::PlainText);  // a folder's name may hold "<" and "&"
    lblCartellaDati->setFont(QFont(QStringLiteral("Verdana"), 8));
    lblCartellaDati->setAlignment(Qt::AlignCenter);
    lblCartellaDati->setToolTip(folder);
    auto* btnChiudi = new QPushButton(QStringLiteral("Chiudi"), this);
    btnChiudi->setObjectName(QStringLiteral("btnChiudi"));
    btnChiudi->setMinimumWidth(100);
    connect(imgEmail, &QToolButton::clicked, this, &TfrmInfo::writeToMaker);
    connect(lnkWeb, &LinkLabel::clicked, this, &TfrmInfo::writeToMaker);
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    auto* link = new QHBoxLayout;
    link->addStretch();
    link->addWidget(imgEmail);
    link->addWidget(lnkWeb);
    link->addStretch();
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 16, 20, 16);
    column->addWidget(imgLogo);
    column->addWidget(imgInfo, 1);
    column->addLayout(link);
    column->addWidget(lblCartellaDati);
    column->addSpacing(8);
    column->addWidget(btnChiudi, 0, Qt::AlignHCenter);
    makeFixedWindow(this, QSize(473, 579));
    // a long path (a shared disk) keeps its start and its end in the fixed width
    const int width = 473 - column->contentsMargins().left() - column->contentsMargins().right();
    lblCartellaDati->setText(lblCartellaDati->fontMetrics().elidedText(
        QStringLiteral("Cartella dei dati: ") + folder, Qt::ElideMiddle, width));
    btnChiudi->setFocus();
}

void TfrmInfo::writeToMaker() { sendMessage(env_, this, emailMessage(kMakerEmail), {"Informazioni", ""}); }

}  // namespace custovia
