#include "app/windows/TfrmAvvio.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/windows/TfrmGuida.h"
#include "app/windows/TfrmInfo.h"
#include "app/windows/TfrmSplash.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

struct LauncherControl {
    const char* name;
    const char* picture;
    const char* label;  // accessible name: the tile's label, or the icon's action
    QSize size;
};

const LauncherControl kTiles[] = {
    {"imgApp01", "tile_dipendenti", "Archivio Dipendenti", {240, 180}},
    {"imgApp02", "tile_clienti", "Clienti e Servizi", {240, 180}},
    {"btnApp03", "tile_contratti", "Stesura Contratti", {240, 180}},
    {"imgApp04", "tile_agenda", "Agenda Appuntamenti", {240, 180}},
    {"imgApp05", "tile_emergenze", "Coordinamento Emergenze", {240, 180}},
};

const LauncherControl kIcons[] = {
    {"imgCopie", "icon_copie", "Copie di sicurezza", {48, 48}},
    {"imgInfo", "icon_info", "Informazioni", {48, 48}},
    {"imgGuida", "icon_guida", "Guida", {48, 48}},
    {"imgCopyright", "icon_copyright", "Presentazione", {48, 48}},
    {"imgEsci", "icon_esci", "Esci", {48, 48}},
};

}  // namespace

TfrmAvvio::TfrmAvvio(Environment& env, QWidget* parent) : QMainWindow(parent), env_(env) {
    setObjectName(QStringLiteral("TfrmAvvio"));
    setWindowTitle(QStringLiteral(" Custovia"));
    auto* central = new QWidget(this);
    central->setStyleSheet(QStringLiteral("background-color: white;"));
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);

    // the notice line takes the room left of the icons, which stay at the window's right edge
    auto* icons = new QHBoxLayout;
    lblMessaggio_ = new QLabel(central);
    lblMessaggio_->setObjectName(QStringLiteral("lblMessaggio"));
    lblMessaggio_->setTextFormat(Qt::PlainText);
    lblMessaggio_->setAccessibleName(QStringLiteral("Messaggio"));
    lblMessaggio_->setStyleSheet(QStringLiteral("color: #A12A22;"));
    lblMessaggio_->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    lblMessaggio_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    lblMessaggio_->setIndent(12);
    icons->addWidget(lblMessaggio_, 1);
    for (const auto& icon : kIcons) {
        auto* button =
            new PictureButton(QLatin1String(icon.name), pictureResource(icon.picture),
                              QLatin1String(icon.label), QLatin1String(icon.label), central, icon.size);
        icons->addWidget(button);
        connect(button, &QToolButton::clicked, this,
                [this, name = QString::fromLatin1(icon.name)] { trigger(name); });
    }
    column->addLayout(icons);
    column->addStretch();

    // three tiles a row, each row centred, so a shorter last row sits in the middle
    auto* tiles = new QVBoxLayout;
    tiles->setSpacing(24);
    QHBoxLayout* row = nullptr;
    int at = 0;
    for (const auto& tile : kTiles) {
        if (at++ % 3 == 0) {
            row = new QHBoxLayout;
            row->setSpacing(24);
            row->addStretch();
            tiles->addLayout(row);
        }
        auto* button =
            new PictureButton(QLatin1String(tile.name), pictureResource(tile.picture),
                              QLatin1String(tile.label), QLatin1String(tile.label), central, tile.size);
        row->addWidget(button);
        if (at % 3 == 0 || at == int(std::size(kTiles))) row->addStretch();
        connect(button, &QToolButton::clicked, this,
                [this, name = QString::fromLatin1(tile.name)] { trigger(name); });
    }
    column->addLayout(tiles);
    column->addStretch();

    auto* banner =
        new PictureButton(QStringLiteral("imgSito"), pictureResource("banner"), QStringLiteral("Sito web"),
                          toQString(kMakerWebsite), central, QSize(900, 110));
    column->addWidget(banner, 0, Qt::AlignHCenter);
    connect(banner, &QToolButton::clicked, this, [this] { trigger(QStringLiteral("imgSito")); });

    setAction(QStringLiteral("imgSito"), [this] { env_.shell.open(std::string(kMakerWebsite)); });
    setAction(QStringLiteral("imgEsci"), [this] { emit exitRequested(); });
    setAction(QStringLiteral("imgGuida"), [this] { TfrmGuida::open(env_, this, HelpTopic::General); });
    setAction(QStringLiteral("imgInfo"), [this] {
        TfrmInfo window(env_, this);
        window.exec();
    });
    setAction(QStringLiteral("imgCopyright"), [this] {
        TfrmSplash window(env_, this);
        window.exec();
    });
}

void TfrmAvvio::showNotice(const QString& text) {
    lblMessaggio_->setText(text);
    lblMessaggio_->setToolTip(text);
}

QString TfrmAvvio::notice() const { return lblMessaggio_->text(); }

void TfrmAvvio::setAction(const QString& control, std::function<void()> action) {
    actions_.insert(control, std::move(action));
}

void TfrmAvvio::trigger(const QString& control) {
    if (const auto it = actions_.find(control); it != actions_.end()) it.value()();
}

void TfrmAvvio::closeEvent(QCloseEvent* event) {
    event->accept();
    emit exitRequested();
}

}  // namespace custovia
