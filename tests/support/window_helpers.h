#pragma once
// Helpers the window tests share: opening the per-use window a button shows, and a card
// editor with no window of its own around it.
#include <QAbstractButton>
#include <QDialog>
#include <QString>
#include <functional>
#include <string>

#include "archive/windows/CardEditor.h"

namespace custovia::test {

// Clicks the button, which must open a modal window, and hands that window to look(); the window
// is closed afterwards if look() left it open. A click that opens no modal window fails the test.
void openModalFrom(QAbstractButton* button, const std::function<void(QDialog*)>& look);

// A card editor over a layout with every field a plain control (a check box for a flag, hidden
// for the attachment labels), registered under the tag, with only the position label on its
// toolbar.
CardConfig bareCardEditor(const QString& objectName, const QString& tag, const std::string& archiveFile,
                          const RecordLayout& layout);

}  // namespace custovia::test
