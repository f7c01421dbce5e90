#pragma once
// The splash window: the product logo and the maker's website as a link.
#include <QDialog>

#include "archive/windows/Environment.h"

namespace custovia {

class TfrmSplash final : public QDialog {
    Q_OBJECT
public:
    explicit TfrmSplash(Environment& env, QWidget* parent = nullptr);

    // lnkWeb: the maker's website, through the shell.
    void openWebsite();

private:
    Environment& env_;
};

}  // namespace custovia
