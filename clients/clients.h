#pragma once
// The client register: one card per client in Contatti.pro.
#include <string_view>

#include "archive/record.h"

namespace custovia {

inline constexpr std::string_view kClientsFile = "Contatti.pro";
inline constexpr std::string_view kClientsTag = "clienti";

// 3372 bytes, 36 fields, in this order. Each field is named after the screen control that
// shows it, also where the control's caption changed meaning over the years (txtFax holds the
// PEC address, txtProdotti the legal representative, txtEstremi the payment method).
const RecordLayout& clientLayout();

}  // namespace custovia
