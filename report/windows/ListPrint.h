#pragma once
// Printing the rows of a search window or summary list on the list template, through the
// print dialog. A failure is reported by the report engine's own message.
#include <QString>
#include <string>
#include <vector>

#include "archive/windows/Environment.h"

namespace custovia::report {

// True when the list went to the printer; false when the print dialog was cancelled or the
// print failed (the failure already reported).
bool printList(QWidget* parent, Environment& env, const QString& title, const std::vector<std::string>& rows);

}  // namespace custovia::report
