#pragma once
// The card editor every work area is built on: one card of an archive on screen, with
// navigation, New, Save, Duplicate, the position label, the required-field chain, the
// Enter ring, key filters, focus colouring, the date from the calendar, the hint line and
// the messages. A work area supplies a configuration (tables) and a few hooks.
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <functional>
#include <optional>
#include <vector>

#include "app/help.h"
#include "archive/archive.h"
#include "archive/card_values.h"
#include "archive/card_navigation.h"
#include "archive/windows/Environment.h"
#include "archive/windows/PictureButton.h"
#include "archive/windows/WorkAreaWindow.h"

namespace custovia {

// How a field is shown and typed.
enum class FieldControl {
    Edit,      // a line edit
    Date,      // read-only date filled from the calendar
    Hour,      // "00"-"23" list
    Minute,    // "00"-"59" list
    Check,     // a flag's check box
    Hidden,    // a hidden label (derived fields, attachments)
    Province,  // combo edit offering the province codes; any two characters are accepted
    Choice,    // combo edit offering the field's choices; any text is accepted
};

enum FieldRule : unsigned {
    NoRule = 0,
    DigitsOnly = 1,   // mobile numbers
    UpperCase = 2,    // number plates: trimmed and upper-cased while typing
    FocusColour = 4,  // alice blue, yellow while focused
    TrimTyping = 8,   // trimmed while typing
    Highlight = 16,   // the yellow highlight frame while focused, instead of colouring
    ListedOnly = 32,  // hour and minute lists: a value not in the list becomes empty, not "00"
    DigitWidth = 64,  // holds digits by nature (postal codes, amounts): as wide as its digits
};

struct CardField {
    QString name;     // the record field and the control's objectName
    QString caption;  // shown beside the control; empty for none
    FieldControl control = FieldControl::Edit;
    unsigned rules = NoRule;
    int row = 0, column = 0;  // grid cell of the caption; the control follows it
    int span = 1;             // grid columns taken by the control
    // The framed section (a titled frame) the field sits in; fields naming the same section
    // share it and their row and column count inside it. Sections follow one another in the
    // order of their first field; an empty name puts the field on the card's own grid.
    QString section{};
    // The leaving rule: the text the field takes when it loses the focus and before Save
    // (amounts normalised, say); none leaves the text as it is.
    std::function<QString(const QString&)> leave{};
    // What a Choice field offers in its list.
    QStringList choices{};
};

// A field that must not be empty at Save, and the warning shown when it is.
struct RequiredField {
    QString name;
    QString warning;
};
// A work area's table of required fields, as the window shows them.
std::vector<RequiredField> requiredFields(const std::vector<RequiredText>& table);

// How a field's companion button shows.
enum class CompanionKind {
    Picture,    // the picture alone
    Captioned,  // the picture with its caption written beside it
};

// A button that follows a field on the card: a check, an import, a message.
struct Companion {
    QString field;  // the field it follows
    QString name;   // objectName
    CompanionKind kind = CompanionKind::Picture;
    QString picture;  // picture file name under templates/pictures
    QString caption;  // accessible name, written beside a captioned picture
    QString hint;     // hint line, tooltip and accessible description
    // What a click does, by name: an action the card set (setAction), "email" (an e-mail to the
    // field's address) or the check of the field's text ("checkTaxCode", "checkVatNumber",
    // "checkPaymentCard", "checkIban").
    QString action;
    QSize size{24, 24};  // of the picture
};

struct ToolbarButton {
    QString name;     // objectName, e.g. "cmdSalva"
    QString picture;  // picture file name under templates/pictures, e.g. "salva"
    QString label;    // accessible name
    QString hint;     // hint line, tooltip and accessible description
};

struct CardConfig {
    QString objectName;   // "TfrmInterventi"
    QString areaTag;      // the mode tag that names this editor ("interventi")
    QString areaName;     // the work area's name, in the caption and the message register
    QString calendarTag;  // the calendar's tag for the date field ("data"); empty: none
    // Further tags under which per-use windows find this card to write into it (the webcam's
    // photo, the client chosen for a contract).
    std::vector<QString> otherTags;
    std::string archiveFile;  // "Archivio_Interventi.pro"
    const RecordLayout* layout = nullptr;
    std::vector<CardField> fields;
    std::vector<QString> enterOrder;
    // Checked in this order at Save.
    std::vector<RequiredField> required;
    std::vector<Companion> companions;
    std::vector<ToolbarButton> toolbar;
    QString firstField;  // focused on New and Duplicate
    QString initialHint = QStringLiteral("Pronto per archiviare una nuova scheda...");
    QString dateField;     // the read-only date field served by the calendar
    QString calendarHint;  // hint of the calendar icon beside the date field
    // The help cmdGuida opens; none: the button does nothing.
    std::optional<HelpTopic> help;
    // Duplicate first opens the archive (creating it when missing) and closes it again: when it
    // cannot be reached the archive access message says why, and the card on screen is already
    // a new card, so that no Save overwrites the card it was copied from.
    bool duplicateReachesArchive = false;
    // The copy keeps the attachments of its original (a renewed contract refers to the same files).
    bool duplicateKeepsAttachments = false;
    // Duplicate on a card never stored, and the message of a copy ready to be changed.
    QString duplicateRefused = QStringLiteral(
        "Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è stata "
        "inserita in archivio.");
    QString duplicateReady = QStringLiteral(
        "E' ora possibile apportare le proprie modifiche alla scheda corrente.\n\r\n\rAl termine premere "
        "Salva per inserire la scheda in archivio.");
};

// How a card's toolbar words its buttons: the clients' and appointments' cards speak of the
// registration of a new card and of the card "corrente", the interventions' and employees'
// cards of the insertion of a new card and of "la scheda".
enum class CardWording { Registration, Insertion };

// The buttons most cards have, in one wording. A card lists the ones it shows, in its order,
// among its own.
struct CardButtons {
    ToolbarButton newCard;    // cmdNuovo
    ToolbarButton duplicate;  // cmdDuplica
    ToolbarButton save;       // cmdSalva
    ToolbarButton find;       // cmdTrova
    ToolbarButton attach;     // cmdFile
    ToolbarButton preview;    // cmdAnteprima
    ToolbarButton print;      // cmdStampa
    ToolbarButton exportAll;  // cmdEsporta
    ToolbarButton help;       // cmdGuida
    ToolbarButton leave;      // cmdEsci
};
const CardButtons& cardButtons(CardWording wording);

// The browse arrows, on either side of the position label.
struct BrowsingButtons {
    ToolbarButton first, previous, next, last;
};
// The arrows in the cards' words: "Prima scheda", "Scheda precedente", ...
const BrowsingButtons& cardBrowsing();

// A card's toolbar: its own buttons, then the browse arrows around the position label, then
// any buttons that follow them.
std::vector<ToolbarButton> toolbarWithBrowsing(std::vector<ToolbarButton> before,
                                               const std::vector<ToolbarButton>& after = {},
                                               const BrowsingButtons& arrows = cardBrowsing());

inline const QStringList kAttachmentLabels = {"lblFile01", "lblFile02", "lblFile03",
                                              "lblDesc01", "lblDesc02", "lblDesc03"};

class CardEditor : public WorkAreaWindow {
    Q_OBJECT
public:
    CardEditor(Environment& env, CardConfig config, QWidget* parent = nullptr);

    // The text of a field on screen (check boxes give "Sì" or "No"); setting a check box
    // follows the flag rule: "Sì" checks, "No" clears, anything else leaves it.
    QString fieldText(const QString& name) const;
    void setFieldText(const QString& name, const QString& text);
    QWidget* control(const QString& name) const { return controls_.value(name); }
    QString position() const { return lblPosizione_->text(); }

    // Loads a record onto the screen and shows its 1-based number.
    void showRecord(std::uint64_t index, const Record& record);
    // The screen as a record (each field trimmed, flags "Sì"/"No").
    Record screenRecord() const;
    // Reads the card on screen, field by field, at the moment it is asked.
    CardValues screenValues() const;

    // Runs the leaving rules of the field being edited, so that what Save stores is what
    // those rules make of it; the field keeps the focus.
    void commitEditing();
    // The position label: empty for a new card, else the card's 1-based number.
    void setPosition(const QString& number);

    // Sends a WhatsApp message or an e-mail link from the card on screen (see sendMessage in
    // Environment.h): the register names this work area and the card's number.
    void sendMessage(const OutgoingMessage& message);

    // Toolbar actions beyond the shared ones (cmdTrova, cmdStampa, ...).
    void setAction(const QString& button, std::function<void()> action);
    void trigger(const QString& button);
    // The button opens a modal window, which `make` builds at each click from the card as it is
    // then: `[this] { return TfrmStampaX(this, env(), screenValues()); }`. A search window given
    // a mode tag brings its choice back to the card of that tag.
    template <typename Make>
    void opensWindow(const QString& button, Make make, const QString& modeTag = {}) {
        setAction(button, [make = std::move(make), modeTag] {
            auto window = make();
            if constexpr (requires { window.setModeTag(modeTag); })
                if (!modeTag.isEmpty()) window.setModeTag(modeTag);
            window.exec();
        });
    }

    void newCard();
    void save();
    void duplicate();
    void navigate(NavigationButton button);

    Environment& env() const { return env_; }
    const CardConfig& config() const { return config_; }
    Archive archive() const;
    HintLine* hintLine() const { return panInfo_; }

protected:
    // Fields set on New besides emptying (the intervention: date, time); also on show.
    virtual void presetNew() {}
    // Fields reset on Duplicate (the intervention: date and time, the finished box).
    virtual void presetDuplicate() {}
    // Checks of Save beyond the required chain, after it: false stops the Save, having said why.
    virtual bool acceptsSave() { return true; }
    // Derived fields computed at Save, after the checks.
    virtual void computeDerived() {}
    // Fields kept by New (the intervention keeps the operator).
    virtual bool keptOnNew(const QString&) const { return false; }
    // Each time the window is shown it starts on a new card.
    virtual void prepareShow() { newCard(); }
    // After a record of the archive came on screen (browsing, a recall): what the card shows
    // beside the record (an employee's photo) follows it.
    virtual void recordShown(std::uint64_t /*index*/) {}
    // After Save stored the screen as record `index` and said so; `appended` when the card was
    // new and Save added it to the archive.
    virtual void recordSaved(std::uint64_t /*index*/, bool /*appended*/) {}

    void showEvent(QShowEvent* event) override;
    // True while a record of the archive is being put on screen: the changes the fields see
    // then are the record's, not the user's.
    bool showingRecord() const { return showingRecord_; }
    // A widget in the cell of a field, after it (icons such as the calendar or an import).
    void addBeside(const QString& field, QWidget* widget);
    void focusField(const QString& name);
    // True when every field of the checks is filled; else the first empty one's warning is shown
    // and the focus goes to it.
    bool requireFilled(const std::vector<RequiredField>& fields);
    QGridLayout* cardGrid() const { return grid_; }
    // The grid of a framed section (created with the section's first field).
    QGridLayout* sectionGrid(const QString& section) const { return sections_.value(section); }
    QWidget* toolbarButton(const QString& name) const;
    // The calendar for the date field; `typed`: the key that opened it, when it types.
    void openCalendar(const QString& typed = {});

private:
    void buildToolbar(QLayout* into);
    void buildFields();
    void buildCompanions();
    void runCompanion(const Companion& companion);
    QWidget* makeControl(const CardField& field);
    QGridLayout* gridFor(const CardField& field);
    void placeField(const CardField& field, QWidget* control);
    void applyRules(const CardField& field, QWidget* control);
    void clearField(const QString& name);
    void showArchiveError();

    Environment& env_;
    CardConfig config_;
    QHash<QString, QWidget*> controls_;
    QHash<QString, QHBoxLayout*> cells_;
    QHash<QString, std::function<void()>> actions_;
    QHash<QString, QWidget*> buttons_;
    QLabel* lblPosizione_ = nullptr;
    HintLine* panInfo_ = nullptr;
    QGridLayout* grid_ = nullptr;
    QHash<QString, QGridLayout*> sections_;
    bool showingRecord_ = false;
};

}  // namespace custovia
