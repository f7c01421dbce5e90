#pragma once
// Taking a photo with the webcam: the live frame, the captured frame and the buttons to turn
// the camera on and off, capture, save the capture to disk, import it into the employee card
// or cancel. The camera runs only between "Accendi webcam" and "Spegni webcam", the import
// or the cancel; on a machine without a camera the window says so and the other buttons work
// on the pictures the frames hold.
#include <QDialog>

#include "archive/windows/Environment.h"

class QLabel;

namespace custovia {

class PhotoFrame;

class TfrmWebCam final : public QDialog {
    Q_OBJECT
public:
    TfrmWebCam(Environment& env, QWidget* parent);
    ~TfrmWebCam() override;

    // Written by the opener before the window is shown: "euro_01" for the employee card.
    void setModeTag(const QString& tag);

    QImage livePicture() const;
    QImage capturedPicture() const;

    void switchOn();         // "Accendi webcam"
    void switchOff();        // "Spegni webcam"
    void capture();          // "Cattura foto"
    void saveToDisk();       // "Salva foto su disco"
    void importIntoCard();   // "Importa foto in scheda"
    void reject() override;  // "Annulla", Esc

protected:
    void showEvent(QShowEvent* event) override;

private:
    void sayNoCamera();

    Environment& env_;
    QLabel* lblMemory_;
    QLabel* lblStato_;
    PhotoFrame* imgCamera_;
    PhotoFrame* imgTarget_;
};

}  // namespace custovia
