#include "archive/windows/TfrmAllegaCartella.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>

#include "archive/attachments.h"
#include "archive/paths.h"
#include "archive/text.h"
#include "archive/windows/CardEditor.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/qt_text.h"

namespace custovia {
namespace {

constexpr int kDescriptionLength = 250;

// "01", "02", "03" and "1°", "2°", "3°" for the slot of that index.
QString suffix(int index) { return QStringLiteral("0%1").arg(index + 1); }
QString ordinal(int index) { return QStringLiteral("%1°").arg(index + 1); }

QLabel* captionFor(QLineEdit* edit, const QString& text) {
    auto* caption = new QLabel(text, edit->parentWidget());
    caption->setBuddy(edit);
    setCaption(edit, text);
    return caption;
}

}  // namespace

TfrmAllegaCartella::TfrmAllegaCartella(Environment& env, QWidget* parent, const QString& modeTag)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), env_(env) {
    setObjectName(QStringLiteral("TfrmAllegaCartella"));
    setWindowTitle(QStringLiteral(" Allega file"));
    lblMemory_ = new QLabel(modeTag, this);
    lblMemory_->setObjectName(QStringLiteral("lblMemory"));
    lblMemory_->hide();

    auto* picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("imgAllegati"));
    picture->setPixmap(QIcon(pictureResource("attachments")).pixmap(96, 96));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(16, 16, 16, 16);
    grid->setHorizontalSpacing(12);
    grid->addWidget(picture, 0, 0, 4 * kSlots, 1, Qt::AlignTop);
    for (int i = 0; i < kSlots; ++i) buildSlot(i, grid, 4 * i);

    auto* btnApplica = new QPushButton(QStringLiteral("Applica e chiudi"), this);
    btnApplica->setObjectName(QStringLiteral("btnApplica"));
    auto* btnAnnulla = new QPushButton(QStringLiteral("Annulla"), this);
    btnAnnulla->setObjectName(QStringLiteral("btnAnnulla"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnApplica);
    buttons->addWidget(btnAnnulla);
    grid->setRowMinimumHeight(4 * kSlots, 12);
    grid->addLayout(buttons, 4 * kSlots + 1, 0, 1, 2);
    connect(btnApplica, &QPushButton::clicked, this, &TfrmAllegaCartella::apply);
    connect(btnAnnulla, &QPushButton::clicked, this, &QDialog::reject);

    // Enter in a name or description field presses nothing: no button is a default button
    removeDefaultButtons(this);
    loadFromEditor();
    makeFixedWindow(this, sizeHint());
}

void TfrmAllegaCartella::buildSlot(int index, QGridLayout* grid, int row) {
    Slot& slot = slots_[index];
    slot.name = new QLineEdit(this);
    makeSingleLine(slot.name);
    slot.name->setObjectName(QStringLiteral("txtFile") + suffix(index));
    slot.name->setReadOnly(true);
    slot.name->setMinimumWidth(360);
    slot.description = new QLineEdit(this);
    makeSingleLine(slot.description);
    slot.description->setObjectName(QStringLiteral("txtDesc") + suffix(index));
    slot.description->setMaxLength(kDescriptionLength);
    auto* browse = new QPushButton(QStringLiteral("Sfoglia..."), this);
    browse->setObjectName(QStringLiteral("btnSfoglia") + suffix(index));
    slot.open = new QPushButton(QStringLiteral("Apri"), this);
    slot.open->setObjectName(QStringLiteral("btnApri") + suffix(index));
    slot.open->setEnabled(false);
    auto* remove = new PictureButton(
        QStringLiteral("imgCancella") + suffix(index), pictureResource("cancella"),
        QStringLiteral("Rimuovi %1 file allegato").arg(ordinal(index)),
        QStringLiteral("Toglie il %1 file allegato dalla scheda: il file resta nella cartella dei documenti "
                       "allegati.")
            .arg(ordinal(index)),
        this, QSize(20, 20));

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(slot.name, 1);
    nameRow->addWidget(browse);
    nameRow->addWidget(slot.open);
    nameRow->addWidget(remove);
    auto* nameCaption = captionFor(slot.name, QStringLiteral("Nome %1 file allegato:").arg(ordinal(index)));
    if (index > 0) nameCaption->setContentsMargins(0, 10, 0, 0);  // a gap between slots
    grid->addWidget(nameCaption, row, 1);
    grid->addLayout(nameRow, row + 1, 1);
    grid->addWidget(
        captionFor(slot.description, QStringLiteral("Descrizione %1 file allegato:").arg(ordinal(index))),
        row + 2, 1);
    grid->addWidget(slot.description, row + 3, 1);

    connect(slot.name, &QLineEdit::textChanged, slot.open,
            [open = slot.open](const QString& text) { open->setEnabled(!trimmedText(text).isEmpty()); });
    connect(browse, &QPushButton::clicked, this, [this, index] { this->browse(slots_[index]); });
    connect(slot.open, &QPushButton::clicked, this, [this, index] { open(slots_[index]); });
    connect(remove, &QToolButton::clicked, slot.name, &QLineEdit::clear);
}

void TfrmAllegaCartella::loadFromEditor() {
    const auto* editor = env_.windows.find<CardEditor>(lblMemory_->text());
    if (!editor) return;
    for (int i = 0; i < kSlots; ++i) {
        slots_[i].name->setText(trimmedText(editor->fieldText(QStringLiteral("lblFile") + suffix(i))));
        slots_[i].description->setText(trimmedText(editor->fieldText(QStringLiteral("lblDesc") + suffix(i))));
    }
}

void TfrmAllegaCartella::browse(const Slot& slot) {
    const QString chosen = env_.fileDialogs.openFile(this, QStringLiteral("Selezionare il file da allegare:"),
                                                     QStringLiteral("Tutti i file (*.*)"));
    if (chosen.isEmpty()) return;
    // the copy takes the name the card can hold, so "Apri" finds it again
    const std::optional<std::string> name = attachmentNameFor(bareName(chosen.toStdString()));
    if (!name) {
        env_.messages.warning(this, toQString(kAttachmentNameTooLong));
        return;
    }
    slot.name->setText(toQString(*name));
    // failures are silent: the name stays and refers to whatever the folder holds
    copyIntoAttachments(env_.folder, pathFromUtf8(chosen.toStdString()), *name, [this] {
        return env_.messages.question(this, toQString(kAttachmentOverwriteQuestion));
    });
}

void TfrmAllegaCartella::open(const Slot& slot) {
    // a name that is not a bare file name never opens anything outside the folder
    const auto path = attachmentPath(env_.folder, trimmedText(slot.name->text()).toStdString());
    if (path) env_.shell.open(quotedPath(*path));
}

void TfrmAllegaCartella::apply() {
    if (auto* editor = env_.windows.find<CardEditor>(lblMemory_->text())) {
        for (int i = 0; i < kSlots; ++i) {
            editor->setFieldText(QStringLiteral("lblFile") + suffix(i), trimmedText(slots_[i].name->text()));
            editor->setFieldText(QStringLiteral("lblDesc") + suffix(i),
                                 trimmedText(slots_[i].description->text()));
        }
    }
    accept();
}

}  // namespace custovia
