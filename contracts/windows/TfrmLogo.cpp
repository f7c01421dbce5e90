#include "contracts/windows/TfrmLogo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "archive/paths.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "contracts/contract_card.h"
#include "contracts/windows/ContractLogo.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

const QString kBrowseTitle = QStringLiteral("Selezionare il logo della Ditta in formato Jpeg o Bitmap.");
const QString kBrowseFilter = QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)");
constexpr QSize kLogoSize(297, 184);

QWidget* titlePicture(QWidget* parent) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("imgTitolo"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setStyleSheet(
        QStringLiteral("#imgTitolo { background: #1F4FA8; border-radius: 4px; }"
                       "#imgTitolo QLabel { color: white; }"));
    auto* title = new QLabel(QStringLiteral("IMPOSTAZIONE LOGO"), panel);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 3);
    title->setFont(bold);
    auto* text = new QLabel(
        QStringLiteral(
            "Caricare il proprio logo in formato Jpeg o Bitmap con dimensioni uguali a 297x184 pixel."),
        panel);
    text->setWordWrap(true);
    auto* column = new QVBoxLayout(panel);
    column->addWidget(title);
    column->addWidget(text);
    return panel;
}

}  // namespace

TfrmLogo::TfrmLogo(Environment& env, QWidget* parent) : QDialog(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmLogo"));
    setWindowTitle(QStringLiteral(" Impostazione logo"));

    imgLogo_ = new QLabel(this);
    imgLogo_->setObjectName(QStringLiteral("imgLogo"));
    imgLogo_->setFixedSize(kLogoSize);
    imgLogo_->setAlignment(Qt::AlignCenter);
    imgLogo_->setFrameShape(QFrame::Box);
    imgLogo_->setStyleSheet(QStringLiteral("background: white;"));
    imgLogo_->setAccessibleName(QStringLiteral("Anteprima del logo"));

    auto* imgEuro = new PictureButton(QStringLiteral("imgEuro"), pictureResource("logo_euro"),
                                      QStringLiteral("Logo predefinito"),
                                      QStringLiteral("Ripristina il logo predefinito."), this, QSize(40, 25));
    auto* btnCancLogo = new PictureButton(QStringLiteral("btnCancLogo"), pictureResource("gomma"),
                                          QStringLiteral("Cancella logo"), QStringLiteral("Elimina il logo."),
                                          this, QSize(25, 25));
    auto* annulla = new QPushButton(QStringLiteral("Annulla"), this);
    annulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* sfoglia = new QPushButton(QStringLiteral("Sfoglia..."), this);
    sfoglia->setObjectName(QStringLiteral("btnSfoglia"));
    auto* applica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    applica->setObjectName(QStringLiteral("btnApplica"));

    auto* icons = new QHBoxLayout;
    icons->addWidget(imgEuro);
    icons->addStretch();
    icons->addWidget(btnCancLogo);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(annulla);
    buttons->addStretch();
    buttons->addWidget(sfoglia);
    buttons->addWidget(applica);
    auto* column = new QVBoxLayout(this);
    column->addWidget(titlePicture(this));
    column->addWidget(imgLogo_, 0, Qt::AlignHCenter);
    auto* iconRow = new QWidget(this);
    iconRow->setFixedWidth(kLogoSize.width());
    iconRow->setLayout(icons);
    icons->setContentsMargins(0, 0, 0, 0);
    column->addWidget(iconRow, 0, Qt::AlignHCenter);
    column->addLayout(buttons);
    makeFixedWindow(this, QSize(380, 400), true);

    connect(imgEuro, &QToolButton::clicked, this, &TfrmLogo::useEuro);
    connect(btnCancLogo, &QToolButton::clicked, this, &TfrmLogo::erase);
    connect(sfoglia, &QPushButton::clicked, this, &TfrmLogo::browse);
    connect(applica, &QPushButton::clicked, this, &TfrmLogo::apply);
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmLogo::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous()) return;
    showPicture(loadContractLogo(env_.file(kLogoFile)), false);
}

void TfrmLogo::showPicture(const QImage& picture, bool changed) {
    picture_ = picture;
    changed_ = changed;
    imgLogo_->setPixmap(
        QPixmap::fromImage(picture_).scaled(kLogoSize, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TfrmLogo::browse() {
    const QString chosen = env_.fileDialogs.openFile(this, kBrowseTitle, kBrowseFilter);
    if (chosen.isEmpty()) return;
    const QImage loaded = readLogoPicture(pathFromUtf8(chosen.toStdString()));
    // a picture that does not load shows the euro-sign logo and replaces nothing stored
    if (loaded.isNull())
        showPicture(defaultContractLogo(), false);
    else
        showPicture(loaded, true);
}

void TfrmLogo::useEuro() { showPicture(defaultContractLogo(), true); }

void TfrmLogo::erase() { showPicture(blankContractLogo(), true); }

void TfrmLogo::apply() {
    if (changed_ && !storeContractLogo(picture_, env_.file(kLogoFile), env_.files))
        env_.messages.warning(this, notStoredMessage(QStringLiteral("salvare il logo")));
    accept();
}

}  // namespace custovia
