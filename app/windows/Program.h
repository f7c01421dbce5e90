#pragma once
// The running program: the single-instance windows, created once at start, and the
// way between them (sign-in, launcher, work areas).
#include <QObject>
#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <thread>

#include "archive/windows/Environment.h"

class QApplication;

namespace custovia {

// Runs the program over the data folder, with the delivered files found in their own
// folder, until the user ends it; the exit status.
int runProgram(QApplication& app, const std::filesystem::path& folder,
               const std::filesystem::path& delivered);

// Lays out a new data folder (the folder and the password store with the first password);
// false, after an error message that names the folder, when it cannot be done.
bool prepareDataFolder(Environment& env);

class TfrmPassword;
class TfrmCambiaPassword;
class TfrmAvvio;
class WorkAreaWindow;

class Program final : public QObject {
    Q_OBJECT
public:
    explicit Program(Environment& env);
    ~Program() override;

    void start();  // clears what a crash left behind, starts the day's automatic backup when due and
                   // shows the sign-in window
    TfrmPassword* signIn() const { return signIn_.get(); }
    TfrmCambiaPassword* changePassword() const { return changePassword_.get(); }
    TfrmAvvio* launcher() const { return launcher_.get(); }

    // True while no work-area window is on screen: a restore may then replace the archives.
    bool workAreasHidden() const;
    // Waits until the automatic backup started at start() has ended (at once when none runs).
    void waitForAutomaticBackup();

signals:
    void finished();  // the program ends

private:
    void addWorkArea(const QString& tile, WorkAreaWindow* window);
    void showLauncher();
    void startAutomaticBackup();
    void openBackups();

    Environment& env_;
    std::unique_ptr<TfrmPassword> signIn_;
    std::unique_ptr<TfrmAvvio> launcher_;
    std::unique_ptr<TfrmCambiaPassword> changePassword_;
    std::vector<std::unique_ptr<WorkAreaWindow>> workAreas_;
    std::function<void(QWidget*)> messageRegister_;  // what "Registro messaggi" of the backups window opens
    // the automatic backup runs beside the windows, so that a large folder never holds up work
    std::thread automaticBackup_;
    std::atomic<bool> stopBackup_{false};
};

}  // namespace custovia
