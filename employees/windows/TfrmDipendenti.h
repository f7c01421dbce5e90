#pragma once
// "Archivio Dipendenti": the employee card editor, with the employee's photo beside the card.
// The photo is kept as a JPEG file named after the card's record number; the frame shows it
// after every navigation or recall, and Save stores it.
#include "archive/windows/CardEditor.h"
#include "emergencies/intervention_card.h"

namespace custovia {

class PhotoFrame;

class TfrmDipendenti final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmDipendenti(Environment& env, QWidget* parent = nullptr);

    // Loads an employee found by the search window, then the photo of that card.
    void showEmployee(std::uint64_t index, const Record& record);
    // A photo taken with the webcam: shown now, stored at the next Save. A null picture
    // changes nothing.
    void importPhoto(const QImage& picture);
    QImage photo() const;
    // Reads the card on screen, field by field, at the moment it is asked.
    CardValues screenValues() const;

    // The toolbar and photo actions, as the buttons run them.
    void saveWithPhoto();
    void browse(NavigationButton button);
    void loadPhotoFromFile();
    void savePhotoToDisk();
    void erasePhoto();

protected:
    void presetNew() override;
    void presetDuplicate() override;

private:
    void buildPhotoColumn();
    void addFieldButtons();
    void wireWindows();
    void showPlaceholder();
    void loadPhoto();
    bool recordStored(std::uint64_t number);
    void storePhoto(std::uint64_t number);
    void openTaxCodeCheck();

    PhotoFrame* imgFoto_ = nullptr;
    // The picture was set on this card (New, Duplicate, Carica, webcam, erase) and not yet
    // stored: only then does Save replace a photo file that is there.
    bool photoChanged_ = false;
};

}  // namespace custovia
