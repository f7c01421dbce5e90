#pragma once
// Handing a web address, a "mailto:" link or a file to the system shell.
#include <filesystem>
#include <string>
#include <string_view>

namespace custovia {

class Shell {
public:
    virtual ~Shell() = default;
    // Asks the system to open the text; false when the system could not take it (no program
    // to open it with). The user is told nothing beyond what the system shows.
    virtual bool open(const std::string& text) = 0;
};

inline constexpr std::string_view kWhatsAppSendAddress = "https://web.whatsapp.com/send";
inline constexpr std::string_view kMakerWebsite = "https://www.custovia.it";
inline constexpr std::string_view kMakerEmail = "assistenza@custovia.it";

// Percent-encodes a query value (RFC 3986 unreserved characters stay as they are).
std::string percentEncode(std::string_view utf8);
// The WhatsApp Web send address with the number and the message as query values,
// encoded so that "&", "#", "+" and "%" in the message arrive whole.
std::string whatsAppAddress(std::string_view phone, std::string_view message);
// A file path in double quotes, as the shell expects it.
std::string quotedPath(const std::filesystem::path& path);
// A "mailto:" link to the trimmed address, percent-encoded but for "@", in double quotes.
std::string mailtoLink(std::string_view address);

// A message the program hands to the system: a WhatsApp message or an e-mail link. Windows
// send it through sendMessage (archive/windows/Environment.h), which notes it in the message
// register, never by opening its address themselves.
enum class MessageKind { WhatsApp, Email };
struct OutgoingMessage {
    MessageKind kind = MessageKind::WhatsApp;
    std::string recipient;  // the mobile number or the e-mail address, trimmed (UTF-8)
    std::string text;       // the WhatsApp message as sent; empty for an e-mail link
    bool operator==(const OutgoingMessage&) const = default;
};
OutgoingMessage whatsAppMessage(std::string_view phone, std::string text);
OutgoingMessage emailMessage(std::string_view address);
// What the shell is handed: the WhatsApp Web send address or the "mailto:" link.
std::string shellText(const OutgoingMessage& message);

}  // namespace custovia
