#pragma once
// The logo window: shows the stored logo, lets the user pick another picture, go back to the
// euro-sign logo or erase the logo, and writes Logo.bmp on "Applica e chiudi" only when the
// picture was changed here.
#include <QDialog>
#include <QImage>

#include "archive/windows/Environment.h"

class QLabel;

namespace custovia {

class TfrmLogo final : public QDialog {
    Q_OBJECT
public:
    TfrmLogo(Environment& env, QWidget* parent);

    const QImage& preview() const { return picture_; }
    bool changed() const { return changed_; }

    void browse();   // "Sfoglia..."
    void useEuro();  // the euro-sign icon
    void erase();    // the eraser icon
    void apply();    // "Applica e chiudi"

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showPicture(const QImage& picture, bool changed);

    Environment& env_;
    QLabel* imgLogo_ = nullptr;
    QImage picture_;
    bool changed_ = false;
};

}  // namespace custovia
