#include "archive/shell.h"

#include "archive/text.h"

namespace custovia {

std::string percentEncode(std::string_view utf8) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (const char c : utf8) {
        const auto b = static_cast<unsigned char>(c);
        const bool unreserved = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
                                b == '-' || b == '.' || b == '_' || b == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += hex[b >> 4];
            out += hex[b & 15];
        }
    }
    return out;
}

std::string whatsAppAddress(std::string_view phone, std::string_view message) {
    return std::string(kWhatsAppSendAddress) + "?phone=" + percentEncode(trimView(phone)) +
           "&text=" + percentEncode(message);
}

std::string quotedPath(const std::filesystem::path& path) {
    const std::u8string utf8 = path.u8string();  // the path's own characters, on every system
    std::string quoted(1, '"');
    quoted.append(utf8.begin(), utf8.end());
    quoted += '"';
    return quoted;
}

std::string mailtoLink(std::string_view address) {
    // every character but "@" and the unreserved ones is encoded, so a typed "?", "#", "&" or
    // "," can never add a recipient or a subject to the message
    std::string encoded;
    for (const std::string_view rest = trimView(address); const char c : rest)
        encoded += c == '@' ? std::string(1, c) : percentEncode(std::string_view(&c, 1));
    return "\"mailto:" + encoded + "\"";
}

OutgoingMessage whatsAppMessage(std::string_view phone, std::string text) {
    return {MessageKind::WhatsApp, trim(phone), std::move(text)};
}

OutgoingMessage emailMessage(std::string_view address) { return {MessageKind::Email, trim(address), {}}; }

std::string shellText(const OutgoingMessage& message) {
    return message.kind == MessageKind::WhatsApp ? whatsAppAddress(message.recipient, message.text)
                                                 : mailtoLink(message.recipient);
}

}  // namespace custovia
