#pragma once
// Rows of padded columns (lists, the agenda, printed lists) line up only in a fixed-pitch
// face: the named family where the system has it, else the system's fixed font at the same
// size, never a proportional one.
#include <QFont>

namespace custovia {

QFont fixedPitchFont(const QString& family, qreal pointSize, bool bold = false, bool italic = false);

}  // namespace custovia
