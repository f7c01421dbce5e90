#pragma once
// The slide show: every stored employee photo full screen, one every six seconds, in record
// order; a missing or unreadable photo shows the waiting picture, the last photo stays one
// interval more and the show starts again from the first card. A click closes it.
#include <QDialog>
#include <memory>

#include "archive/windows/Environment.h"

class QLabel;

namespace custovia {

class PhotoFrame;

class TfrmSlideshow_Dipendenti final : public QDialog {
    Q_OBJECT
public:
    TfrmSlideshow_Dipendenti(Environment& env, QWidget* parent);
    ~TfrmSlideshow_Dipendenti() override;

    static constexpr int kIntervalMs = 6000;

    QImage picture() const;
    // One interval has passed: the next photo.
    void tick();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void done(int result) override;

private:
    Environment& env_;
    QLabel* lblPosizione_;
    PhotoFrame* imgFoto_;
    std::unique_ptr<RepeatingTimer> timer_;
};

}  // namespace custovia
