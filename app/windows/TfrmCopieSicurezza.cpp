#include "app/windows/TfrmCopieSicurezza.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/backup.h"
#include "app/folder_check.h"
#include "app/restore.h"
#include "archive/attachments.h"
#include "archive/paths.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/WaitCursor.h"
#include "archive/windows/GridModel.h"
#include "employees/employee_photos.h"

namespace custovia {
namespace {

QString qt(const std::string& text) { return QString::fromStdString(text); }
QString qt(const std::filesystem::path& path) { return QString::fromStdString(pathToUtf8(path)); }

const QString kSettingsNotStored = QStringLiteral(
    "Attenzione: non è stato possibile memorizzare le impostazioni delle copie di sicurezza.\r\n\r\n"
    "Accertarsi di possedere i privilegi di scrittura nella cartella di installazione del programma.");

QPushButton* button(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    return b;
}

QLabel* caption(QWidget* parent, const char* name, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setBuddy(buddy);
    return label;
}

// True when `inner` is `outer` or lies inside it.
bool within(const std::filesystem::path& inner, const std::filesystem::path& outer) {
    std::error_code error;
    const auto a = std::filesystem::weakly_canonical(inner, error);
    const auto b = std::filesystem::weakly_canonical(outer, error);
    const auto rel = a.lexically_relative(b);
    return !rel.empty() && *rel.begin() != "..";
}

}  // namespace

TfrmCopieSicurezza::TfrmCopieSicurezza(Environment& env, QWidget* parent, BackupWindowLinks links,
                                       ZipFormat& zip)
    : QDialog(parent), env_(env), links_(std::move(links)), zip_(zip) {
    setObjectName(QStringLiteral("TfrmCopieSicurezza"));
    setWindowTitle(QStringLiteral(" Copie di sicurezza"));

    txtCartella_ = new QLineEdit(this);
    txtCartella_->setObjectName(QStringLiteral("txtCartella"));
    txtCartella_->setReadOnly(true);
    auto* btnSfoglia = button(this, "btnSfoglia", QStringLiteral("Sfoglia..."));
    auto* btnPredefinita = button(this, "btnPredefinita", QStringLiteral("Predefinita"));
    btnPredefinita->setToolTip(QStringLiteral("Le copie nella cartella Backup del programma"));
    txtConserva_ = new QLineEdit(this);
    txtConserva_->setObjectName(QStringLiteral("txtConserva"));
    txtConserva_->setMaxLength(3);
    txtConserva_->setFixedWidth(editWidth(txtConserva_, 3, Glyphs::Digits));
    txtConserva_->setAlignment(Qt::AlignRight);
    makeDigitsOnly(txtConserva_);
    onLeave(txtConserva_, [this] { storeKeep(); });
    onEnter(txtConserva_, [this] { storeKeep(); });

    // the cards per archive, the longest text, last: the column takes the room left
    model_ = new GridModel({QStringLiteral("Data"), QStringLiteral("Dimensione"), QStringLiteral("File"),
                            QStringLiteral("Schede per archivio")},
                           {QStringLiteral("colData"), QStringLiteral("colDimensione"),
                            QStringLiteral("colFile"), QStringLiteral("colSchede")},
                           this);
    lstCopie_ = new QTableView(this);
    lstCopie_->setObjectName(QStringLiteral("lstCopie"));
    lstCopie_->setModel(model_);
    lstCopie_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstCopie_->setSelectionMode(QAbstractItemView::SingleSelection);
    lstCopie_->verticalHeader()->hide();
    lstCopie_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    lstCopie_->verticalHeader()->setDefaultSectionSize(22);
    lstCopie_->horizontalHeader()->setStretchLastSection(true);
    lstCopie_->setColumnWidth(0, 130);
    lstCopie_->setColumnWidth(1, 90);
    lstCopie_->setColumnWidth(2, 200);
    lstCopie_->setAlternatingRowColors(true);
    lstCopie_->setTabKeyNavigation(false);  // Tab moves on to the buttons

    txtEsito_ = new QPlainTextEdit(this);
    txtEsito_->setObjectName(QStringLiteral("txtEsito"));
    txtEsito_->setReadOnly(true);
    QFont fixed(QStringLiteral("Courier New"), 9);
    fixed.setStyleHint(QFont::Monospace);
    txtEsito_->setFont(fixed);
    txtEsito_->setPlaceholderText(
        QStringLiteral("Premere Verifica per controllare archivi, impostazioni, "
                       "allegati e foto senza modificarli."));

    lblStato_ = new QLabel(this);
    lblStato_->setObjectName(QStringLiteral("lblStato"));
    lblStato_->setTextFormat(Qt::PlainText);  // it names folders and files as they are
    lblStato_->setFrameShape(QFrame::StyledPanel);
    lblStato_->setMinimumHeight(24);
    lblStato_->setIndent(6);
    lblStato_->setAccessibleName(QStringLiteral("Stato"));

    auto* btnEsegui = button(this, "btnEsegui", QStringLiteral("Esegui ora"));
    auto* btnRipristina = button(this, "btnRipristina", QStringLiteral("Ripristina…"));
    auto* btnVerifica = button(this, "btnVerifica", QStringLiteral("Verifica"));
    auto* btnRegistro = button(this, "btnRegistro", QStringLiteral("Registro messaggi"));
    auto* btnChiudi = button(this, "btnChiudi", QStringLiteral("Chiudi"));
    btnEsegui->setToolTip(QStringLiteral("Scrive adesso una copia di sicurezza nella cartella delle copie"));
    btnRipristina->setToolTip(
        QStringLiteral("Ripristina la copia scelta nell'elenco, o un'altra copia da scegliere"));
    btnVerifica->setToolTip(
        QStringLiteral("Controlla archivi, impostazioni, allegati e foto senza modificarli"));
    btnRegistro->setEnabled(bool(links_.messageRegister));

    auto* settings = new QGridLayout;
    settings->addWidget(caption(this, "lblCartella", QStringLiteral("Cartella delle copie:"), txtCartella_),
                        0, 0);
    settings->addWidget(txtCartella_, 0, 1);
    settings->addWidget(btnSfoglia, 0, 2);
    settings->addWidget(btnPredefinita, 0, 3);
    auto* keep = new QHBoxLayout;
    keep->addWidget(txtConserva_);
    keep->addWidget(
        new QLabel(QStringLiteral("(le più vecchie vengono eliminate; le altre copie restano)"), this));
    keep->addStretch();
    settings->addWidget(
        caption(this, "lblConserva", QStringLiteral("Copie automatiche da conservare:"), txtConserva_), 1, 0);
    settings->addLayout(keep, 1, 1, 1, 3);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {btnEsegui, btnRipristina, btnVerifica, btnRegistro}) buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(btnChiudi);

    auto* column = new QVBoxLayout(this);
    column->addLayout(settings);
    column->addWidget(caption(this, "lblCopie", QStringLiteral("Copie presenti nella cartella:"), lstCopie_));
    column->addWidget(lstCopie_, 3);
    column->addLayout(buttons);
    column->addWidget(caption(this, "lblEsito", QStringLiteral("Esito della verifica:"), txtEsito_));
    column->addWidget(txtEsito_, 2);
    column->addWidget(lblStato_);
    makeFixedWindow(this, QSize(980, 620), true);
    removeDefaultButtons(this);
    // Tab goes down the window as it reads: settings, the list, its buttons, the check's outcome
    const QList<QWidget*> order{txtCartella_, btnSfoglia, btnPredefinita, txtConserva_,
                                lstCopie_,    btnEsegui,  btnRipristina,  btnVerifica,
                                btnRegistro,  btnChiudi,  txtEsito_};
    for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);

    connect(btnSfoglia, &QPushButton::clicked, this, &TfrmCopieSicurezza::chooseFolder);
    connect(btnPredefinita, &QPushButton::clicked, this, [this] { storeFolder(QString()); });
    connect(btnEsegui, &QPushButton::clicked, this, &TfrmCopieSicurezza::backupNow);
    connect(btnRipristina, &QPushButton::clicked, this, &TfrmCopieSicurezza::restore);
    connect(btnVerifica, &QPushButton::clicked, this, &TfrmCopieSicurezza::check);
    connect(btnRegistro, &QPushButton::clicked, this, [this] {
        if (links_.messageRegister) links_.messageRegister(this);
    });
    connect(btnChiudi, &QPushButton::clicked, this, &QDialog::reject);

    const BackupSettings stored = readBackupSettings(env_.folder);
    txtConserva_->setText(QString::number(stored.keep));
    refresh();
    btnEsegui->setFocus();
}

void TfrmCopieSicurezza::waitForAutomaticBackup() {
    if (links_.waitForAutomaticBackup) links_.waitForAutomaticBackup();
}

void TfrmCopieSicurezza::setStatus(const QString& text) { lblStato_->setText(text); }

void TfrmCopieSicurezza::refresh() {
    waitForAutomaticBackup();
    const BackupSettings settings = readBackupSettings(env_.folder);
    const std::filesystem::path folder = backupFolder(env_.folder, settings);
    txtCartella_->setText(qt(folder));
    GridRows rows(4);
    listed_.clear();
    for (const BackupInfo& info : listBackups(folder, zip_)) {
        const std::string cards = info.error.empty() ? cardsText(info) : "copia illeggibile: " + info.error;
        rows.addRow(
            {dateTimeText(info.taken), sizeText(info.bytes), pathToUtf8(info.file.filename()), cards});
        listed_.push_back(info.file);
    }
    model_->setRows(std::move(rows));
}

void TfrmCopieSicurezza::storeKeep() {
    const int keep = keptCount(txtConserva_->text().toStdString());
    txtConserva_->setText(QString::number(keep));
    BackupSettings settings = readBackupSettings(env_.folder);
    if (settings.keep == keep) return;
    settings.keep = keep;
    try {
        writeBackupSettings(env_.folder, settings, env_.files);
    } catch (const ArchiveError&) {
        env_.messages.warning(this, kSettingsNotStored);
    }
}

void TfrmCopieSicurezza::storeFolder(const QString& folder) {
    BackupSettings settings = readBackupSettings(env_.folder);
    settings.folder = folder.toStdString();
    try {
        writeBackupSettings(env_.folder, settings, env_.files);
    } catch (const ArchiveError&) {
        env_.messages.warning(this, kSettingsNotStored);
    }
    refresh();
}

void TfrmCopieSicurezza::chooseFolder() {
    const QString chosen = env_.fileDialogs.chooseFolder(
        this, QStringLiteral("Selezionare la cartella delle copie di sicurezza:"));
    if (chosen.isEmpty()) return;
    const std::filesystem::path path = pathFromUtf8(chosen.toStdString());
    // the backups would then be copied into every later backup
    if (within(path, attachmentsFolder(env_.folder)) || within(path, photoFolder(env_.folder))) {
        env_.messages.warning(
            this, QStringLiteral("Attenzione: le copie di sicurezza non possono stare nella cartella "
                                 "degli allegati o in quella delle foto.\r\n\r\n"
                                 "Scegliere un'altra cartella."));
        return;
    }
    storeFolder(chosen);
}

void TfrmCopieSicurezza::backupNow() {
    waitForAutomaticBackup();
    try {
        const WaitCursor busy;
        const BackupSummary done = custovia::backupNow(env_.folder, env_.clock.now(), zip_, env_.files);
        setStatus(QStringLiteral("Copia eseguita: %1 (%2 file, %3).")
                      .arg(qt(done.file), QString::number(done.files), qt(sizeText(done.bytes))));
        if (links_.backupDone) links_.backupDone();
    } catch (const BackupError& e) {
        setStatus(QStringLiteral("Copia non eseguita."));
        env_.messages.error(
            this, QStringLiteral("Attenzione: la copia di sicurezza non è stata eseguita.\r\n\r\n") +
                      qt(std::string(e.what())) + ".");
    }
    refresh();
}

void TfrmCopieSicurezza::restore() {
    if (links_.workAreasHidden && !links_.workAreasHidden()) {
        env_.messages.warning(
            this, QStringLiteral("Attenzione: per ripristinare una copia di sicurezza è necessario "
                                 "chiudere prima tutte le finestre di lavoro."));
        return;
    }
    const QModelIndexList chosen = lstCopie_->selectionModel()->selectedRows();
    if (!chosen.isEmpty() && std::size_t(chosen.front().row()) < listed_.size()) {
        restoreFrom(listed_[std::size_t(chosen.front().row())]);
        return;
    }
    const QString file =
        env_.fileDialogs.openFile(this, QStringLiteral("Selezionare la copia di sicurezza da ripristinare:"),
                                  QStringLiteral("Copie di sicurezza (*.zip)"));
    if (!file.isEmpty()) restoreFrom(pathFromUtf8(file.toStdString()));
}

void TfrmCopieSicurezza::restoreFrom(const std::filesystem::path& zipFile) {
    waitForAutomaticBackup();
    try {
        RestoreOutcome done;
        {
            const WaitCursor busy;
            done = restoreBackup(
                env_.folder, zipFile, env_.clock.now(), zip_, [this](const RestoreDates& dates) {
                    QApplication::restoreOverrideCursor();
                    const bool yes = env_.messages.question(this, qt(restoreQuestion(dates)));
                    QApplication::setOverrideCursor(Qt::WaitCursor);
                    return yes;
                });
        }
        if (!done.restored) {
            setStatus(QStringLiteral("Ripristino annullato: la cartella è rimasta com'era."));
            return;
        }
        if (links_.backupDone) links_.backupDone();
        const QString kept =
            done.replaced.empty()
                ? QString()
                : QStringLiteral("\r\n\r\nI file sostituiti sono conservati nella cartella %1.")
                      .arg(qt(done.replaced));
        setStatus(QStringLiteral("Copia ripristinata: %1 file.").arg(done.files));
        env_.messages.information(
            this, QStringLiteral("Ripristino completato: %1 file ripristinati.").arg(done.files) + kept);
    } catch (const BackupError& e) {
        setStatus(QStringLiteral("Ripristino non eseguito."));
        env_.messages.error(this, QStringLiteral("Attenzione: il ripristino non è stato eseguito.\r\n\r\n") +
                                      qt(std::string(e.what())) + ".");
    }
    refresh();
}

void TfrmCopieSicurezza::check() {
    waitForAutomaticBackup();
    try {
        const WaitCursor busy;
        const FolderCheck result = checkFolder(env_.folder);
        txtEsito_->setPlainText(qt(checkReportText(result)));
        setStatus(result.clean() ? QStringLiteral("Verifica completata: nessun problema.")
                                 : QStringLiteral("Verifica completata: sono stati trovati dei problemi."));
    } catch (const BackupError& e) {
        txtEsito_->setPlainText(qt(std::string(e.what())));
        setStatus(QStringLiteral("Verifica non eseguita."));
    }
}

}  // namespace custovia
