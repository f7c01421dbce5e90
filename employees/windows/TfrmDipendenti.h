#pragma once
// "Archivio Dipendenti": the employee card editor, with the employee's photo beside the card.
// The photo is kept as a JPEG file named after the card's record number; the frame shows it
// after every navigation or recall, and Save stores it.
#include "archive/windows/CardEditor.h"

namespace custovia {

class PhotoFrame;

class TfrmDipendenti final : public CardEditor {
    Q_OBJECT
public:
    explicit TfrmDipendenti(Environment& env, QWidget* parent = nullptr);

    // A photo taken with the webcam: shown now, stored at the next Save. A null picture
    // changes nothing.
    void importPhoto(const QImage& picture);
    QImage photo() const;

    // The photo actions, as the buttons run them.
    void loadPhotoFromFile();
    void savePhotoToDisk();
    void erasePhoto();

protected:
    void presetNew() override;
    void presetDuplicate() override;
    // the photo of the card shown, after browsing or a recall
    void recordShown(std::uint64_t index) override;
    // the photo stored with the record just saved
    void recordSaved(std::uint64_t index, bool appended) override;

private:
    void buildPhotoColumn();
    void wireWindows();
    void showPlaceholder();

    PhotoFrame* imgFoto_ = nullptr;
    // The picture was set on this card (New, Duplicate, Carica, webcam, erase) and not yet
    // stored: only then does Save replace a photo file that is there.
    bool photoChanged_ = false;
};

}  // namespace custovia
