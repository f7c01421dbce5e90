#include "tools/guide/WindowPictures.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QScrollArea>
#include <QTimer>
#include <functional>
#include <memory>
#include <stdexcept>

#include "app/help.h"
#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmCambiaPassword.h"
#include "app/windows/TfrmGuida.h"
#include "app/windows/TfrmPassword.h"
#include "appointments/windows/TfrmAgenda.h"
#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "archive/windows/CardEditor.h"
#include "archive/windows/ListWindow.h"
#include "clients/windows/TfrmClienti.h"
#include "contracts/windows/TfrmContratto.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "employees/windows/TfrmDipendenti.h"

namespace custovia::guide {
namespace {

// The size a work area's window is pictured at, in screen points; a card editor is then made
// as tall as its card, so that the picture shows the whole card and no empty screen below it.
const QSize kWorkAreaSize(1080, 800);

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

// The window as the screen shows it: its content with a plain title bar carrying its caption.
WindowPicture framed(QWidget* window) {
    settle();
    const QPixmap content = window->grab();
    const qreal ratio = content.devicePixelRatio();
    const QSize inner = content.deviceIndependentSize().toSize();
    const int bar = 26;
    QImage image(QSize(inner.width() + 2, inner.height() + bar + 1) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(QColor(0x7A, 0x86, 0x94));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient shade(0, 0, 0, bar);
    shade.setColorAt(0, QColor(0x5F, 0x86, 0xB8));
    shade.setColorAt(1, QColor(0x3C, 0x63, 0x95));
    p.fillRect(QRectF(1, 1, inner.width(), bar - 1), shade);
    QFont caption = QApplication::font();
    caption.setBold(true);
    caption.setPointSizeF(9.5);
    p.setFont(caption);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 1, inner.width(), bar - 1), Qt::AlignCenter, window->windowTitle().trimmed());
    p.drawPixmap(QPointF(1, bar), content);
    p.end();
    return {window->windowTitle().trimmed(), image};
}

// A window whose card scrolls made as large as the card, within a large screen.
void fitToCard(QWidget* window) {
    auto* scroll = window->findChild<QScrollArea*>();
    if (!scroll || !scroll->widget()) return;
    settle();
    const QSize card = scroll->widget()->sizeHint();
    const QSize view = scroll->viewport()->size();
    const int wider = std::max(0, card.width() - view.width());
    window->resize(std::min(window->width() + wider + 2, 1400),
                   std::min(window->height() + card.height() - view.height() + 2, 1060));
    settle();
}

// Shows a single-instance window at the size it is pictured at.
template <typename Window>
std::unique_ptr<Window> opened(Environment& env, QSize size = kWorkAreaSize) {
    auto window = std::make_unique<Window>(env);
    if (size.isValid()) window->resize(size);
    window->show();
    QApplication::setActiveWindow(window.get());
    settle();
    if (size.isValid()) fitToCard(window.get());
    return window;
}

// Runs `open`, which opens a per-use window modally, lets `prepare` set it in the state the
// guide needs, grabs it and closes it.
WindowPicture grabOpened(const QString& what, const std::function<void()>& open,
                         const std::function<void(QDialog*)>& prepare = {}) {
    WindowPicture picture;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!window) return;
        if (prepare) prepare(window);
        picture = framed(window);
        window->reject();
    });
    open();
    if (picture.image.isNull()) throw std::runtime_error("guide: " + what.toStdString() + " did not open");
    return picture;
}

QAbstractButton* button(QWidget* window, const char* name) {
    auto* found = window->findChild<QAbstractButton*>(QLatin1String(name));
    if (!found) throw std::runtime_error(std::string("guide: no button ") + name);
    return found;
}

void type(QWidget* window, const char* field, const QString& text) {
    auto* edit = window->findChild<QLineEdit*>(QLatin1String(field));
    if (!edit) throw std::runtime_error(std::string("guide: no field ") + field);
    edit->setText(text);
}

// A search window with its filters typed, after "Cerca".
std::function<void(QDialog*)> searched(std::vector<std::pair<const char*, QString>> filters) {
    return [filters](QDialog* window) {
        for (const auto& [field, text] : filters) type(window, field, text);
        if (auto* list = qobject_cast<ListWindow*>(window)) list->search();
    };
}

void select(QListView* list, int row) {
    list->setFocus();
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0),
                                            QItemSelectionModel::ClearAndSelect);
}

// A card editor showing the archive's card `number` (1-based), browsed to as a user would.
void browseTo(CardEditor& card, int number) {
    card.navigate(NavigationButton::First);
    for (int i = 1; i < number; ++i) card.navigate(NavigationButton::Next);
    settle();
}

void startingPictures(Environment& env, WindowPictures& out) {
    {
        auto signIn = opened<TfrmPassword>(env, QSize());
        signIn->adjustSize();
        type(signIn.get(), "txtPassword", QStringLiteral("guardianottura"));
        out["accesso"] = framed(signIn.get());
        signIn->hide();
    }
    {
        auto change = opened<TfrmCambiaPassword>(env, QSize());
        change->adjustSize();
        type(change.get(), "txtPasswordOld", QStringLiteral("guardianottura"));
        type(change.get(), "txtPasswordNew", QStringLiteral("nuovapassword"));
        type(change.get(), "txtConferma", QStringLiteral("nuovapassword"));
        out["cambia_password"] = framed(change.get());
        change->hide();
    }
    {
        auto launcher = opened<TfrmAvvio>(env, QSize(1080, 720));
        out["avvio"] = framed(launcher.get());
        out["guida"] = grabOpened(QStringLiteral("the launcher's help"),
                                  [&] { button(launcher.get(), "imgGuida")->click(); });
        launcher->hide();
    }
}

void interventionPictures(Environment& env, WindowPictures& out) {
    auto card = opened<TfrmInterventi>(env);
    browseTo(*card, 4);
    out["interventi_scheda"] = framed(card.get());
    out["calendario"] =
        grabOpened(QStringLiteral("the calendar"), [&] { button(card.get(), "impData")->click(); });
    out["interventi_in_corso"] = grabOpened(QStringLiteral("the interventions in progress"),
                                            [&] { card->trigger(QStringLiteral("cmdPendenti")); });
    out["interventi_trova"] = grabOpened(
        QStringLiteral("the intervention search"), [&] { card->trigger(QStringLiteral("cmdTrova")); },
        searched({{"txtUtente", QStringLiteral("bertolini")}}));
    card->hide();
}

void clientPictures(Environment& env, WindowPictures& out) {
    auto card = opened<TfrmClienti>(env);
    browseTo(*card, 1);
    out["clienti_scheda"] = framed(card.get());
    out["allegati"] =
        grabOpened(QStringLiteral("the attachments"), [&] { card->trigger(QStringLiteral("cmdFile")); });
    out["clienti_servizi"] =
        grabOpened(QStringLiteral("the services"), [&] { button(card.get(), "btnProve")->click(); });
    out["clienti_privacy"] =
        grabOpened(QStringLiteral("the privacy form"), [&] { button(card.get(), "btnPrivacy")->click(); });
    out["clienti_codfisc"] =
        grabOpened(QStringLiteral("the tax code check"), [&] { button(card.get(), "btnCodFisc")->click(); });
    out["clienti_filtri"] = grabOpened(
        QStringLiteral("the client search"), [&] { card->trigger(QStringLiteral("cmdTrova")); },
        [](QDialog* w) { type(w, "txtComuneRes", QStringLiteral("parma")); });
    out["clienti_trova"] = grabOpened(
        QStringLiteral("the client search"), [&] { card->trigger(QStringLiteral("cmdTrova")); },
        searched({{"txtComuneRes", QStringLiteral("parma")}}));
    out["clienti_ricontattare"] = grabOpened(QStringLiteral("the clients to call back"),
                                             [&] { card->trigger(QStringLiteral("cmdRicontatta")); });
    out["esporta"] =
        grabOpened(QStringLiteral("the client export"), [&] { card->trigger(QStringLiteral("cmdEsporta")); });
    card->hide();
}

void employeePictures(Environment& env, WindowPictures& out) {
    auto card = opened<TfrmDipendenti>(env);
    browseTo(*card, 1);
    out["dipendenti_scheda"] = framed(card.get());
    out["dipendenti_trova"] = grabOpened(
        QStringLiteral("the employee search"), [&] { card->trigger(QStringLiteral("cmdTrova")); },
        searched({{"txtQualifica", QStringLiteral("guardia")}}));
    card->hide();
}

void appointmentPictures(Environment& env, WindowPictures& out) {
    {
        auto agenda = opened<TfrmAgenda>(env, QSize(1400, 760));
        select(agenda->list(), 0);
        out["agenda"] = framed(agenda.get());
        out["agenda_whatsapp"] =
            grabOpened(QStringLiteral("the reminder"), [&] { button(agenda.get(), "btnWhatsApp")->click(); });
        agenda->hide();
    }
    auto card = opened<TfrmArchivio_Scadenze>(env);
    browseTo(*card, 4);
    out["appuntamenti_scheda"] = framed(card.get());
    out["appuntamenti_da_assolvere"] = grabOpened(QStringLiteral("the appointments to keep"),
                                                  [&] { card->trigger(QStringLiteral("cmdDaAssolvere")); });
    out["appuntamenti_trova"] = grabOpened(
        QStringLiteral("the appointment search"), [&] { card->trigger(QStringLiteral("cmdTrova")); },
        searched({{"txtTipologia", QStringLiteral("barbieri")}}));
    card->hide();
}

void contractPictures(Environment& env, WindowPictures& out) {
    auto card = opened<TfrmContratto>(env);
    browseTo(*card, 1);
    out["contratti_scheda"] = framed(card.get());
    out["contratti_logo"] =
        grabOpened(QStringLiteral("the logo"), [&] { button(card.get(), "cmdLogo")->click(); });
    out["contratti_numerazione"] =
        grabOpened(QStringLiteral("the numbering"), [&] { card->trigger(QStringLiteral("cmdNumerazione")); });
    out["contratti_stampa"] =
        grabOpened(QStringLiteral("the contract print"), [&] { card->trigger(QStringLiteral("cmdStampa")); });
    card->hide();
}

}  // namespace

WindowPictures takeWindowPictures(GuideEnvironment& guide) {
    Environment& env = guide.env();
    WindowPictures out;
    startingPictures(env, out);
    interventionPictures(env, out);
    clientPictures(env, out);
    employeePictures(env, out);
    appointmentPictures(env, out);
    contractPictures(env, out);
    return out;
}

}  // namespace custovia::guide
