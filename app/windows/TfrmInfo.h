#pragma once
// The information window: the product logo, what the program is, the maker's e-mail address
// as a link, and where the data folder is.
#include <QDialog>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmInfo final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmInfo(Environment& env, QWidget* parent = nullptr);

    // lnkWeb: a new message to the maker, through the shell.
    void writeToMaker();

private:
    Environment& env_;
};

}  // namespace custovia
