#include "archive/windows/RealEnvironment.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QUrl>

#include "archive/windows/FieldBehaviour.h"

namespace custovia {

namespace {

const QString kFolderRights = QStringLiteral(
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

}  // namespace

QString archiveAccessMessage() {
    return QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r") +
           kFolderRights;
}

QString notStoredMessage(const QString& what) {
    return QStringLiteral("Attenzione: non è stato possibile ") + what + QStringLiteral(".\n\r\n\r") +
           kFolderRights;
}

void sendMessage(Environment& env, QWidget* parent, const OutgoingMessage& message,
                 const MessageOrigin& origin) {
    try {
        sendAndRegister(env.shell, env.clock.now(), origin, message, env.file(kMessageRegisterFile),
                        env.files);
    } catch (const ArchiveError&) {
        env.messages.warning(parent, notStoredMessage(QStringLiteral("annotare il messaggio nel registro dei "
                                                                     "messaggi inviati")));
    }
}

QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n\r\n"), QStringLiteral("\n\n"));
    shown.replace(QStringLiteral("\n\r\n\r"), QStringLiteral("\n\n"));
    return shown;
}

namespace {

void show(QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text) {
    QMessageBox box(icon, title, displayText(text), QMessageBox::NoButton, parent, fixedWindowFlags());
    // a message may quote a name or a folder as typed: "<b>" in it is shown, never obeyed
    box.setTextFormat(Qt::PlainText);
    if (icon == QMessageBox::NoIcon) {
        box.addButton(QMessageBox::Ok);
    } else {
        // the card editors' dialogs offer OK and Cancel; the answer changes nothing
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
    }
    box.exec();
}

}  // namespace

void DialogMessages::warning(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Warning, QStringLiteral("Avviso"), text);
}
void DialogMessages::information(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Information, QStringLiteral("Informazione"), text);
}
void DialogMessages::error(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, QStringLiteral("Errore"), text);
}
void DialogMessages::plain(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::NoIcon, QStringLiteral("Custovia"), text);
}
bool DialogMessages::question(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Conferma"), displayText(text),
                    QMessageBox::Yes | QMessageBox::No, parent, fixedWindowFlags());
    return box.exec() != QMessageBox::No;
}

QString SystemFileDialogs::openFile(QWidget* parent, const QString& title, const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

QString SystemFileDialogs::saveFile(QWidget* parent, const QString& title, const QString& filter,
                                    const QString& suggestedName) {
    return QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
}

QString SystemFileDialogs::saveFileWithSuffix(QWidget* parent, const QString& title, const QString& filter,
                                              const QString& suggestedName, const QString& defaultSuffix) {
    QFileDialog dialog(parent, title, QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);  // added before the dialog asks about replacing
    dialog.selectFile(suggestedName);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

QString SystemFileDialogs::chooseFolder(QWidget* parent, const QString& title) {
    return QFileDialog::getExistingDirectory(parent, title);
}

bool SystemPrintDialogs::choosePrinter(QWidget* parent, QPrinter& printer) {
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void SystemPrintDialogs::preview(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowState(Qt::WindowMaximized);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* p) { paint(*p); });
    dialog.exec();
}

QUrl shellUrl(const std::string& text) {
    QString target = QString::fromStdString(text);
    if (target.size() >= 2 && target.startsWith('"') && target.endsWith('"'))
        target = target.mid(1, target.size() - 2);
    const bool isAddress = target.startsWith(QStringLiteral("http://")) ||
                           target.startsWith(QStringLiteral("https://")) ||
                           target.startsWith(QStringLiteral("mailto:"));
    // addresses arrive already encoded; a file is its full path, spaces and all
    return isAddress ? QUrl::fromEncoded(target.toUtf8(), QUrl::StrictMode) : QUrl::fromLocalFile(target);
}

bool DesktopShell::open(const std::string& text) { return QDesktopServices::openUrl(shellUrl(text)); }

RealEnvironment::RealEnvironment(std::filesystem::path folder, std::filesystem::path delivered)
    : env_{messages_,
           fileDialogs_,
           printDialogs_,
           shell_,
           clock_,
           std::move(folder),
           platformFileOpener(),
           windows_,
           camera_,
           timers_,
           audio_,
           std::move(delivered)} {}

}  // namespace custovia
