#pragma once
// The attachments window: edits the three attached files (names and descriptions) of the
// card on screen in the card editor named by its mode tag. The card editor's save stores
// them; this window writes nothing to the archive.
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

#include "archive/windows/Environment.h"

class QGridLayout;

namespace custovia {

class TfrmAllegaCartella final : public QDialog {
    Q_OBJECT
public:
    TfrmAllegaCartella(Environment& env, QWidget* parent, const QString& modeTag);

private:
    struct Slot {
        QLineEdit* name = nullptr;
        QLineEdit* description = nullptr;
        QPushButton* open = nullptr;
    };
    static constexpr int kSlots = 3;

    void buildSlot(int index, QGridLayout* grid, int row);
    void loadFromEditor();
    void browse(const Slot& slot);
    void open(const Slot& slot);
    void apply();

    Environment& env_;
    QLabel* lblMemory_;
    std::array<Slot, kSlots> slots_;
};

}  // namespace custovia
