#pragma once
// The backups window, opened from the launcher: the backups in the backups' folder (date, size,
// cards per archive), "Esegui ora", "Ripristina…", the folder check, where the backups go and
// how many of the program's own to keep.
#include <QDialog>
#include <functional>

#include "app/zip_file.h"
#include "archive/windows/Environment.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace custovia {

class GridModel;
struct BackupInfo;

// What the window needs from the running program.
struct BackupWindowLinks {
    // True while every work-area window is hidden: only then may a restore run.
    std::function<bool()> workAreasHidden;
    // Waits for the automatic backup that may be under way, before the window reads or writes.
    std::function<void()> waitForAutomaticBackup;
    // Opens the register of the messages shown; unset: "Registro messaggi" is disabled.
    std::function<void(QWidget* parent)> messageRegister;
    // Told after a backup was written or restored (the launcher's notice then goes).
    std::function<void()> backupDone;
};

class TfrmCopieSicurezza final : public QDialog {
    Q_OBJECT
public:
    TfrmCopieSicurezza(Environment& env, QWidget* parent, BackupWindowLinks links = {},
                       ZipFormat& zip = systemZip());

    void backupNow();     // "Esegui ora"
    void restore();       // "Ripristina…": the backup chosen in the list, else one chosen from a file
    void check();         // "Verifica"
    void chooseFolder();  // "Sfoglia..."
    void refresh();       // the list, from the backups' folder

private:
    void storeKeep();
    void storeFolder(const QString& folder);
    void restoreFrom(const std::filesystem::path& zipFile);
    void waitForAutomaticBackup();
    void setStatus(const QString& text);

    Environment& env_;
    BackupWindowLinks links_;
    ZipFormat& zip_;
    std::vector<std::filesystem::path> listed_;  // the list's files, row by row
    QLineEdit* txtCartella_ = nullptr;
    QLineEdit* txtConserva_ = nullptr;
    QTableView* lstCopie_ = nullptr;
    GridModel* model_ = nullptr;
    QPlainTextEdit* txtEsito_ = nullptr;
    QLabel* lblStato_ = nullptr;
};

}  // namespace custovia
