#include "archive/windows/CardEditor.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/windows/TfrmGuida.h"
#include "archive/shell.h"
#include "archive/text.h"
#include "archive/windows/FieldBehaviour.h"
#include "archive/windows/TfrmCalendario.h"
#include "archive/windows/qt_text.h"
#include "clients/checks.h"
#include "clients/windows/CheckWindow.h"

namespace custovia {
namespace {

std::string toStd(const QString& text) { return text.toStdString(); }

// The card's readable width: wider screens leave margins on both sides.
constexpr int kCardMaxWidth = 1180;

QGridLayout* newFieldGrid(QWidget* parent) {
    auto* grid = new QGridLayout(parent);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);
    return grid;
}

const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");

// Backspace or Delete empties the read-only date, Enter passes on, any other key asks the
// calendar; a key that types goes on into the calendar as the first of a typed date. Commands
// stay commands: Escape, the Ctrl shortcuts (copying the date), Home, End, Left and Right.
class DateKeys final : public QObject {
public:
    DateKeys(QLineEdit* date, std::function<void(const QString&)> openCalendar)
        : QObject(date), date_(date), openCalendar_(std::move(openCalendar)) {
        date->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        if (press->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
        switch (press->key()) {
            case Qt::Key_Backspace:
            case Qt::Key_Delete:
                date_->clear();
                return true;
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Tab:
            case Qt::Key_Backtab:
            case Qt::Key_Escape:
            case Qt::Key_Home:
            case Qt::Key_End:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_Shift:
            case Qt::Key_Control:
            case Qt::Key_Alt:
            case Qt::Key_AltGr:
            case Qt::Key_Meta:
                return false;
            default:
                openCalendar_(press->text());
                return true;
        }
    }

private:
    QLineEdit* date_;
    std::function<void(const QString&)> openCalendar_;
};

}  // namespace

std::vector<RequiredField> requiredFields(const std::vector<RequiredText>& table) {
    std::vector<RequiredField> fields;
    for (const RequiredText& r : table) fields.push_back({toQString(r.field), toQString(r.warning)});
    return fields;
}

namespace {

// A button's caption and hint.
struct Words {
    const char* caption = nullptr;
    const char* hint = nullptr;
};

CardButtons wordedButtons(CardWording wording) {
    // objectName and picture, the words of a card that registers, then those of a card that
    // inserts (none where they read the same)
    const auto button = [wording](const char* name, const char* picture, Words registering,
                                  Words inserting = {}) {
        const Words& w = wording == CardWording::Insertion && inserting.caption ? inserting : registering;
        return ToolbarButton{name, picture, w.caption, w.hint};
    };
    return {
        .newCard = button("cmdNuovo", "nuovo",
                          {"Nuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
                          {"Nuova scheda", "Prepara la schermata per l'inserimento di una nuova scheda."}),
        .duplicate = button("cmdDuplica", "duplica",
                            {"Duplica",
                             "Prepara la schermata per la registrazione di una nuova scheda "
                             "duplicando i dati correnti."},
                            {"Duplica scheda",
                             "Prepara la schermata per l'inserimento di una nuova scheda "
                             "duplicando i dati correnti."}),
        .save = button("cmdSalva", "salva", {"Salva", "Salva la scheda corrente in archivio."},
                       {"Salva", "Salva la scheda in archivio."}),
        .find = button("cmdTrova", "trova", {"Trova", "Trova una scheda in archivio."}),
        .attach = button("cmdFile", "allega", {"Allega file", "Allega file alla scheda corrente."},
                         {"Allega file", "Allega file alla scheda."}),
        .preview = button("cmdAnteprima", "anteprima",
                          {"Anteprima", "Visualizza l'anteprima di stampa della scheda corrente."},
                          {"Anteprima", "Visualizza l'anteprima di stampa della scheda."}),
        .print = button("cmdStampa", "stampa", {"Stampa", "Stampa la scheda corrente."},
                        {"Stampa", "Stampa la scheda."}),
        .exportAll =
            button("cmdEsporta", "esporta",
                   {"Esporta archivio", "Esporta le schede in archivio in un file di Microsoft Excel."},
                   {"Esporta", "Esporta archivio in Excel."}),
        .help = button("cmdGuida", "guida", {"Guida", "Visualizza la guida in linea."},
                       {"Guida", "Visualizza la guida."}),
        .leave = button("cmdEsci", "esci", {"Esci", "Esci dalla schermata di lavoro corrente."},
                        {"Esci", "Esci da questa schermata di lavoro."}),
    };
}

}  // namespace

const CardButtons& cardButtons(CardWording wording) {
    static const CardButtons registering = wordedButtons(CardWording::Registration);
    static const CardButtons inserting = wordedButtons(CardWording::Insertion);
    return wording == CardWording::Insertion ? inserting : registering;
}

const BrowsingButtons& cardBrowsing() {
    static const BrowsingButtons arrows{
        {"cmdPrimo", "primo", "Prima scheda", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "indietro", "Scheda precedente", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "avanti", "Scheda successiva", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "ultimo", "Ultima scheda", "Visualizza l'ultima scheda in archivio."},
    };
    return arrows;
}

std::vector<ToolbarButton> toolbarWithBrowsing(std::vector<ToolbarButton> before,
                                               const std::vector<ToolbarButton>& after,
                                               const BrowsingButtons& arrows) {
    const ToolbarButton position{"lblPosizione", "", "", ""};
    before.insert(before.end(), {arrows.first, arrows.previous, position, arrows.next, arrows.last});
    before.insert(before.end(), after.begin(), after.end());
    return before;
}

CardEditor::CardEditor(Environment& env, CardConfig config, QWidget* parent)
    : WorkAreaWindow(parent), env_(env), config_(std::move(config)) {
    setObjectName(config_.objectName);
    setWindowTitle(workAreaCaption(config_.areaName));
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* column = new QVBoxLayout(central);
    buildToolbar(column);
    auto* scroll = new QScrollArea(central);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* card = new QWidget(scroll);
    card->setObjectName(QStringLiteral("card"));
    card->setMaximumWidth(kCardMaxWidth);
    grid_ = newFieldGrid(card);
    grid_->setContentsMargins(24, 16, 24, 16);
    scroll->setWidget(card);
    scroll->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    column->addWidget(scroll, 1);
    panInfo_ = new HintLine(config_.initialHint, central);
    column->addWidget(panInfo_);
    for (QWidget* button : buttons_) panInfo_->attach(button, button->property("hint").toString());
    buildFields();
    buildCompanions();

    std::vector<QWidget*> ring;
    for (const QString& name : config_.enterOrder) ring.push_back(controls_.value(name));
    installEnterRing(ring);

    for (const char* nav : {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo"}) {
        static const QHash<QString, NavigationButton> kind = {{"cmdPrimo", NavigationButton::First},
                                                              {"cmdIndietro", NavigationButton::Previous},
                                                              {"cmdAvanti", NavigationButton::Next},
                                                              {"cmdUltimo", NavigationButton::Last}};
        const QString name = QLatin1String(nav);
        setAction(name, [this, button = kind.value(name)] { navigate(button); });
    }
    setAction(QStringLiteral("cmdNuovo"), [this] { newCard(); });
    setAction(QStringLiteral("cmdSalva"), [this] { save(); });
    setAction(QStringLiteral("cmdDuplica"), [this] { duplicate(); });
    setAction(QStringLiteral("cmdEsci"), [this] { close(); });
    if (config_.help)
        setAction(QStringLiteral("cmdGuida"), [this] { TfrmGuida::open(env_, this, *config_.help); });

    if (!config_.areaTag.isEmpty()) env_.windows.add(config_.areaTag, this);
    if (!config_.calendarTag.isEmpty()) env_.windows.add(config_.calendarTag, this);
    for (const QString& tag : config_.otherTags) env_.windows.add(tag, this);
}

void CardEditor::buildToolbar(QLayout* into) {
    auto* bar = new QHBoxLayout;
    bar->setSpacing(2);
    for (const ToolbarButton& def : config_.toolbar) {
        if (def.name == QLatin1String("lblPosizione")) {
            lblPosizione_ = new QLabel(centralWidget());
            lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
            lblPosizione_->setAlignment(Qt::AlignCenter);
            lblPosizione_->setMinimumWidth(70);
            lblPosizione_->setFrameShape(QFrame::Panel);
            lblPosizione_->setFrameShadow(QFrame::Sunken);
            lblPosizione_->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
            lblPosizione_->setAccessibleName(QStringLiteral("Numero della scheda: nuova scheda"));
            lblPosizione_->setFocusPolicy(Qt::TabFocus);
            bar->addWidget(lblPosizione_);
            continue;
        }
        auto* button =
            new PictureButton(def.name, pictureResource(def.picture), def.label, def.hint, centralWidget());
        button->setProperty("hint", def.hint);
        buttons_.insert(def.name, button);
        connect(button, &QToolButton::clicked, this, [this, name = def.name] { trigger(name); });
        bar->addWidget(button);
    }
    bar->addStretch();
    if (!lblPosizione_) {  // every card editor has one, shown or not
        lblPosizione_ = new QLabel(centralWidget());
        lblPosizione_->setObjectName(QStringLiteral("lblPosizione"));
        lblPosizione_->hide();
    }
    static_cast<QBoxLayout*>(into)->addLayout(bar);
}

QGridLayout* CardEditor::gridFor(const CardField& field) {
    if (field.section.isEmpty()) return grid_;
    if (QGridLayout* grid = sections_.value(field.section)) return grid;
    auto* frame = new QGroupBox(field.section, grid_->parentWidget());
    frame->setObjectName(QStringLiteral("section%1").arg(sections_.size() + 1));
    QGridLayout* grid = newFieldGrid(frame);
    // the frame takes the whole width of the card, below what is already there
    grid_->addWidget(frame, grid_->rowCount(), 0, 1, -1);
    sections_.insert(field.section, grid);
    return grid;
}

void CardEditor::placeField(const CardField& field, QWidget* control) {
    QGridLayout* grid = gridFor(field);
    QWidget* parent = grid->parentWidget();
    // fields on the card's own grid sit in the rows after the sections made so far
    const int row = field.row;
    if (field.control != FieldControl::Check && !field.caption.isEmpty()) {
        auto* caption = new QLabel(field.caption, parent);
        caption->setBuddy(control);
        grid->addWidget(caption, row, field.column * 2, Qt::AlignRight | Qt::AlignVCenter);
    }
    // the control keeps its own width and its companions follow it; the rest of the cell is
    // empty, so the next caption sits right after the widest control of its column
    auto* cell = new QHBoxLayout;
    cell->setSpacing(4);
    cell->addWidget(control);
    cell->addStretch(1);
    cells_.insert(field.name, cell);
    grid->addLayout(cell, row, field.column * 2 + 1, 1, field.span * 2 - 1);
}

void CardEditor::buildFields() {
    for (const CardField& field : config_.fields) {
        QWidget* control = makeControl(field);
        control->setObjectName(field.name);
        controls_.insert(field.name, control);
        if (field.control == FieldControl::Hidden) {
            control->hide();
            continue;
        }
        if (field.control == FieldControl::Check)
            panInfo_->attach(control, control->property("hint").toString());
        setCaption(control, field.caption);
        placeField(field, control);
        applyRules(field, control);
        if (field.control == FieldControl::Date && !config_.calendarTag.isEmpty()) {
            auto* impData = new PictureButton(
                QStringLiteral("impData"), pictureResource(QStringLiteral("calendario")),
                QStringLiteral("Calendario"), config_.calendarHint, control->parentWidget(), QSize(24, 24));
            connect(impData, &QToolButton::clicked, this, [this] { openCalendar(); });
            addBeside(field.name, impData);
        }
    }
    // the last column of every grid takes what is left, so the fields keep to the left
    grid_->setColumnStretch(grid_->columnCount(), 1);
    for (QGridLayout* grid : std::as_const(sections_)) grid->setColumnStretch(grid->columnCount(), 1);
    grid_->setRowStretch(grid_->rowCount(), 1);
}

void CardEditor::buildCompanions() {
    for (const Companion& companion : config_.companions) {
        auto* button = new PictureButton(companion.name, pictureResource(companion.picture),
                                         companion.caption, companion.hint,
                                         controls_.value(companion.field)->parentWidget(), companion.size);
        if (companion.kind == CompanionKind::Captioned) {
            button->setText(companion.caption);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        connect(button, &QToolButton::clicked, this, [this, &companion] { runCompanion(companion); });
        addBeside(companion.field, button);
    }
}

void CardEditor::runCompanion(const Companion& companion) {
    if (actions_.contains(companion.action)) {
        trigger(companion.action);
    } else if (companion.action == QLatin1String("email")) {
        sendMessage(emailMessage(toStd(fieldText(companion.field))));
    } else if (const std::optional<Check> check = checkNamed(toStd(companion.action))) {
        openCheck(env_, this, *check, fieldText(companion.field));
    }
}

QWidget* CardEditor::makeControl(const CardField& field) {
    QWidget* card = grid_->parentWidget();
    const std::size_t index = config_.layout->indexOf(toStd(field.name));
    const int capacity = config_.layout->field(index).capacity;
    switch (field.control) {
        case FieldControl::Check: {
            auto* box = new QCheckBox(field.caption, card);
            box->setCursor(Qt::PointingHandCursor);
            return box;
        }
        case FieldControl::Hour:
        case FieldControl::Minute: {
            auto* combo = new QComboBox(card);
            makeTimeList(combo, field.control == FieldControl::Hour ? 24 : 60,
                         (field.rules & ListedOnly) ? QString() : QStringLiteral("00"));
            combo->lineEdit()->setMaxLength(capacity);
            combo->setFixedWidth(editWidth(combo, 2) + 28);  // room for the arrow
            return combo;
        }
        case FieldControl::Province: {
            auto* combo = new QComboBox(card);
            makeProvinceList(combo);
            combo->lineEdit()->setMaxLength(std::min(capacity, 2));
            combo->setFixedWidth(editWidth(combo, 2) + 28);
            return combo;
        }
        case FieldControl::Choice: {
            auto* combo = new QComboBox(card);
            makeChoiceList(combo, field.choices);
            combo->lineEdit()->setMaxLength(capacity);
            combo->setFixedWidth(editWidth(combo, capacity));
            return combo;
        }
        case FieldControl::Hidden:
            return new QLabel(card);
        case FieldControl::Date: {
            auto* edit = new QLineEdit(card);
            edit->setMaxLength(capacity);
            edit->setReadOnly(true);
            makeSingleLine(edit);
            edit->setFixedWidth(editWidth(edit, capacity, Glyphs::Digits));  // "dd/mm/yyyy"
            new DateKeys(edit, [this](const QString& typed) { openCalendar(typed); });
            return edit;
        }
        case FieldControl::Edit:
            break;
    }
    auto* edit = new QLineEdit(card);
    edit->setMaxLength(capacity);
    makeSingleLine(edit);
    const Glyphs glyphs = (field.rules & UpperCase)                   ? Glyphs::Capitals
                          : (field.rules & (DigitsOnly | DigitWidth)) ? Glyphs::Digits
                                                                      : Glyphs::Average;
    edit->setFixedWidth(editWidth(edit, capacity, glyphs));
    return edit;
}

void CardEditor::applyRules(const CardField& field, QWidget* control) {
    auto* edit = qobject_cast<QLineEdit*>(control);
    if (field.leave)
        onLeave(control, [this, name = field.name, leave = field.leave] {
            const QString text = fieldText(name);
            const QString left = leave(text);
            if (left != text) setFieldText(name, left);
        });
    if (field.rules & FocusColour) applyFocusColouring(control);
    if (field.rules & Highlight) addHighlightFrame(control, QStringLiteral("eff") + field.name.mid(3));
    if (!edit) return;
    if (field.rules & DigitsOnly) makeDigitsOnly(edit);
    if (field.rules & UpperCase) makeUpperTrimmed(edit);
    if (field.rules & TrimTyping) makeTrimmed(edit);
}

void CardEditor::addBeside(const QString& field, QWidget* widget) {
    // right after the control and its earlier companions, before the cell's closing stretch
    if (QHBoxLayout* cell = cells_.value(field)) cell->insertWidget(cell->count() - 1, widget);
    if (auto* button = qobject_cast<PictureButton*>(widget)) panInfo_->attach(button, button->hint());
}

QWidget* CardEditor::toolbarButton(const QString& name) const { return buttons_.value(name); }

void CardEditor::setAction(const QString& button, std::function<void()> action) {
    actions_.insert(button, std::move(action));
}

void CardEditor::trigger(const QString& button) {
    if (const auto it = actions_.find(button); it != actions_.end()) it.value()();
}

QString CardEditor::fieldText(const QString& name) const {
    QWidget* c = controls_.value(name);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) return edit->text();
    if (auto* combo = qobject_cast<QComboBox*>(c)) return combo->currentText();
    if (auto* box = qobject_cast<QCheckBox*>(c))
        return toQString(std::string(box->isChecked() ? kFlagYes : kFlagNo));
    if (auto* label = qobject_cast<QLabel*>(c)) return label->text();
    return {};
}

void CardEditor::setFieldText(const QString& name, const QString& text) {
    QWidget* c = controls_.value(name);
    if (auto* edit = qobject_cast<QLineEdit*>(c)) {
        edit->setText(text);
        edit->setCursorPosition(0);
    } else if (auto* combo = qobject_cast<QComboBox*>(c)) {
        combo->setEditText(text);
    } else if (auto* box = qobject_cast<QCheckBox*>(c)) {
        if (text == toQString(kFlagYes)) box->setChecked(true);
        if (text == toQString(kFlagNo)) box->setChecked(false);
    } else if (auto* label = qobject_cast<QLabel*>(c)) {
        label->setText(text);
    }
}

void CardEditor::clearField(const QString& name) {
    QWidget* c = controls_.value(name);
    if (auto* box = qobject_cast<QCheckBox*>(c))
        box->setChecked(false);
    else
        setFieldText(name, QString());
}

Archive CardEditor::archive() const {
    return Archive(env_.file(config_.archiveFile), *config_.layout, env_.files);
}

void CardEditor::showRecord(std::uint64_t index, const Record& record) {
    {
        const QScopedValueRollback showing(showingRecord_, true);
        for (std::size_t i = 0; i < record.layout().fieldCount(); ++i) {
            const QString name = toQString(record.layout().field(i).name);
            if (controls_.contains(name)) setFieldText(name, toQString(record.get(i)));
        }
    }
    setPosition(QString::number(index + 1));
    recordShown(index);
}

CardValues CardEditor::screenValues() const {
    return [this](std::string_view field) { return toStd(fieldText(toQString(field))); };
}

Record CardEditor::screenRecord() const {
    Record record(*config_.layout);
    for (std::size_t i = 0; i < config_.layout->fieldCount(); ++i) {
        const QString name = toQString(config_.layout->field(i).name);
        record.set(i, toStd(fieldText(name)));
    }
    return record;
}

void CardEditor::focusField(const QString& name) {
    if (QWidget* c = controls_.value(name)) c->setFocus(Qt::OtherFocusReason);
}

void CardEditor::showEvent(QShowEvent* event) {
    WorkAreaWindow::showEvent(event);
    if (!event->spontaneous()) prepareShow();
}

void CardEditor::newCard() {
    for (const CardField& field : config_.fields)
        if (!keptOnNew(field.name)) clearField(field.name);
    setPosition({});
    presetNew();
    focusField(config_.firstField);
}

void CardEditor::showArchiveError() { env_.messages.error(this, archiveAccessMessage()); }

void CardEditor::navigate(NavigationButton button) {
    try {
        Archive file = archive();
        const NavigationStep step = navigationStep(button, toStd(lblPosizione_->text()), file.count());
        switch (step.kind) {
            case NavigationStep::Load:
                showRecord(step.index, file.load(step.index));
                break;
            case NavigationStep::EmptyAndClear:
                setPosition({});
                env_.messages.information(this, kEmptyArchive);
                break;
            case NavigationStep::EmptyArchive:
                env_.messages.information(this, kEmptyArchive);
                break;
            case NavigationStep::Nothing:
                break;
        }
    } catch (const ArchiveError&) {
        showArchiveError();
    }
}

bool CardEditor::requireFilled(const std::vector<RequiredField>& fields) {
    for (const RequiredField& field : fields) {
        if (trimView(toStd(fieldText(field.name))).empty()) {
            env_.messages.warning(this, field.warning);
            focusField(field.name);
            return false;
        }
    }
    return true;
}

void CardEditor::sendMessage(const OutgoingMessage& message) {
    custovia::sendMessage(env_, this, message, {config_.areaName.toStdString(), position().toStdString()});
}

void CardEditor::setPosition(const QString& number) {
    lblPosizione_->setText(number);
    // a screen reader announces the number itself, not only what the label is
    lblPosizione_->setAccessibleName(number.isEmpty() ? QStringLiteral("Numero della scheda: nuova scheda")
                                                      : QStringLiteral("Numero della scheda: ") + number);
}

void CardEditor::commitEditing() { custovia::commitEditing(this); }

void CardEditor::save() {
    commitEditing();
    if (!requireFilled(config_.required) || !acceptsSave()) return;
    computeDerived();
    std::uint64_t index = 0;
    bool updated = false;
    try {
        Archive file = archive();
        const Record record = screenRecord();
        if (const auto p = positionNumber(toStd(lblPosizione_->text()))) {
            index = *p - 1;
            file.update(index, record);
            updated = true;
        } else {
            // the number the append really took, whatever other workstations did meanwhile
            index = file.append(record);
        }
    } catch (const ArchiveError&) {
        showArchiveError();
        return;
    }
    setPosition(QString::number(index + 1));
    env_.messages.information(
        this, updated ? QStringLiteral(
                            "Le modifiche apportate alla scheda corrente sono state salvate in archivio.")
                      : QStringLiteral("La scheda corrente è stata inserita in archivio."));
    recordSaved(index, !updated);
}

void CardEditor::duplicate() {
    if (!positionNumber(toStd(lblPosizione_->text()))) {
        env_.messages.warning(this, config_.duplicateRefused);
        return;
    }
    // from here on the card is a copy: whatever happens next, Save appends it
    setPosition({});
    if (config_.duplicateReachesArchive) {
        try {
            archive().count();
        } catch (const ArchiveError&) {
            showArchiveError();
            return;
        }
    }
    presetDuplicate();
    if (!config_.duplicateKeepsAttachments)
        for (const QString& name : kAttachmentLabels) clearField(name);
    focusField(config_.firstField);
    env_.messages.information(this, config_.duplicateReady);
}

void CardEditor::openCalendar(const QString& typed) {
    TfrmCalendario calendar(env_, this, config_.calendarTag, typed);
    calendar.exec();
}

}  // namespace custovia
