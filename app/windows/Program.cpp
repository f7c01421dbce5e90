#include "app/windows/Program.h"

#include <QApplication>
#include <QDir>
#include <QMetaObject>
#include <algorithm>

#include "app/backup.h"
#include "app/data_folder.h"
#include "app/windows/TfrmAvvio.h"
#include "app/windows/TfrmCambiaPassword.h"
#include "app/windows/TfrmCopieSicurezza.h"
#include "app/windows/TfrmPassword.h"
#include "appointments/windows/TfrmAgenda.h"
#include "appointments/windows/TfrmArchivio_Scadenze.h"
#include "archive/attachments.h"
#include "archive/file_replace.h"
#include "archive/paths.h"
#include "archive/windows/RealEnvironment.h"
#include "archive/windows/TfrmRegistroMessaggi.h"
#include "archive/windows/WorkAreaWindow.h"
#include "clients/windows/TfrmClienti.h"
#include "contracts/windows/TfrmContratto.h"
#include "emergencies/windows/TfrmInterventi.h"
#include "employees/employee_photos.h"
#include "employees/windows/TfrmDipendenti.h"

namespace custovia {

int runProgram(QApplication& app, const std::filesystem::path& folder,
               const std::filesystem::path& delivered) {
    // the program ends only through the launcher or the sign-in window's "Esci"
    QApplication::setQuitOnLastWindowClosed(false);
    RealEnvironment real(folder, delivered);
    if (!prepareDataFolder(real.env())) return 1;
    Program program(real.env());
    // exit, not quit: quitting asks every window to close first, and the sign-in window and
    // the launcher refuse a close from the title bar, so the program would never end
    QObject::connect(&program, &Program::finished, &app, [] { QCoreApplication::exit(0); });
    program.start();
    return QApplication::exec();
}

bool prepareDataFolder(Environment& env) {
    try {
        layOutDataFolder(env.folder, env.files);
        return true;
    } catch (const std::exception&) {
        const QString folder = QDir::toNativeSeparators(QString::fromStdString(pathToUtf8(env.folder)));
        env.messages.error(nullptr,
                           QStringLiteral("Attenzione: non è stato possibile preparare la cartella dei "
                                          "dati %1.\n\r\n\rAccertarsi di possedere i privilegi di "
                                          "scrittura in quella cartella oppure indicarne un'altra "
                                          "con l'opzione --folder.")
                               .arg(folder));
        return false;
    }
}

Program::Program(Environment& env) : env_(env) {
    signIn_ = std::make_unique<TfrmPassword>(env_);
    launcher_ = std::make_unique<TfrmAvvio>(env_);
    changePassword_ = std::make_unique<TfrmCambiaPassword>(env_);
    messageRegister_ = [this](QWidget* parent) { TfrmRegistroMessaggi::open(env_, parent); };

    connect(signIn_.get(), &TfrmPassword::accepted_, this, [this] {
        showLauncher();
        signIn_->hide();
    });
    connect(signIn_.get(), &TfrmPassword::changeRequested, this, [this] {
        signIn_->hide();
        changePassword_->show();
    });
    connect(signIn_.get(), &TfrmPassword::exitRequested, this, &Program::finished);
    connect(changePassword_.get(), &TfrmCambiaPassword::closed, this, [this] {
        signIn_->show();
        signIn_->resetForEntry();
    });
    connect(launcher_.get(), &TfrmAvvio::exitRequested, this, &Program::finished);
    launcher_->setAction(QStringLiteral("imgCopie"), [this] { openBackups(); });

    addWorkArea(QStringLiteral("imgApp05"), new TfrmInterventi(env_));
    addWorkArea(QStringLiteral("btnApp03"), new TfrmContratto(env_));
    // the appointment card editor has no tile: the agenda opens it, and closing it brings back
    // the launcher, not the agenda
    auto* appointments = new TfrmArchivio_Scadenze(env_);
    workAreas_.emplace_back(appointments);
    connect(appointments, &WorkAreaWindow::left, this, &Program::showLauncher);
    addWorkArea(QStringLiteral("imgApp04"), new TfrmAgenda(env_));
    addWorkArea(QStringLiteral("imgApp01"), new TfrmDipendenti(env_));
    addWorkArea(QStringLiteral("imgApp02"), new TfrmClienti(env_));
}

Program::~Program() {
    // a backup still running when the program ends is given up: nothing of it is left behind
    stopBackup_ = true;
    waitForAutomaticBackup();
}

void Program::start() {
    // temporary files a crash left behind; a recent one may be another workstation's at work
    removeStaleTemporaries({env_.folder, env_.file(kAttachmentsFolderName), env_.file(kPhotoFolderName)},
                           toTimePoint(env_.clock.now()));
    startAutomaticBackup();
    signIn_->show();
}

void Program::startAutomaticBackup() {
    if (automaticBackup_.joinable()) return;
    automaticBackup_ = std::thread([this, folder = env_.folder, now = env_.clock.now(), &files = env_.files] {
        const AutomaticBackup done =
            runAutomaticBackup(folder, now, systemZip(), files, [this] { return stopBackup_.load(); });
        if (done.kind != AutomaticBackup::Failed || stopBackup_) return;
        // told once, on the launcher's notice line; work goes on
        const QString notice =
            QStringLiteral("Attenzione: la copia di sicurezza automatica non è riuscita (%1).")
                .arg(QString::fromStdString(done.reason));
        QMetaObject::invokeMethod(
            launcher_.get(), [launcher = launcher_.get(), notice] { launcher->showNotice(notice); },
            Qt::QueuedConnection);
    });
}

void Program::waitForAutomaticBackup() {
    if (automaticBackup_.joinable()) automaticBackup_.join();
}

bool Program::workAreasHidden() const {
    return std::none_of(workAreas_.begin(), workAreas_.end(),
                        [](const std::unique_ptr<WorkAreaWindow>& w) { return w->isVisible(); });
}

void Program::openBackups() {
    BackupWindowLinks links;
    links.workAreasHidden = [this] { return workAreasHidden(); };
    links.waitForAutomaticBackup = [this] { waitForAutomaticBackup(); };
    links.messageRegister = messageRegister_;
    links.backupDone = [this] { launcher_->showNotice(QString()); };
    TfrmCopieSicurezza window(env_, launcher_.get(), std::move(links));
    window.exec();
}

void Program::showLauncher() { launcher_->showMaximized(); }

void Program::addWorkArea(const QString& tile, WorkAreaWindow* window) {
    workAreas_.emplace_back(window);
    launcher_->setAction(tile, [this, window] {
        window->showMaximized();
        launcher_->hide();
    });
    connect(window, &WorkAreaWindow::left, this, &Program::showLauncher);
}

}  // namespace custovia
