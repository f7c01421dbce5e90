#pragma once
// The client's consent to the processing of personal data: the firm's data kept in
// Liberatoria_Privacy.ini, and the document Modulo_Privacy.rtf built from the firm's and the
// client's data.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "archive/ini_file.h"

namespace custovia {

inline constexpr std::string_view kPrivacySettingsFile = "Liberatoria_Privacy.ini";
inline constexpr std::string_view kPrivacySection = "Modulo Privacy";
inline constexpr std::string_view kPrivacyDocumentFile = "Modulo_Privacy.rtf";

// A setting of the firm and the field of the privacy window that shows it.
using PrivacySetting = FieldSetting;

// In the order they are written when the window closes.
const std::vector<PrivacySetting>& privacySettings();

// A field's value as document text: trimmed, "\", "{" and "}" escaped so that typed text can
// never change the markup, a control character as a blank (the document is one line), and a
// character outside Windows-1252 as \uN? (UTF-16 units, signed). The result holds only
// characters of Windows-1252.
std::string rtfValue(std::string_view utf8);

// Reads a field of the privacy window by its control name.
using PrivacyValues = std::function<std::string(std::string_view control)>;

// The whole document, in Windows-1252, as one line.
std::string privacyDocument(const PrivacyValues& values);

}  // namespace custovia
