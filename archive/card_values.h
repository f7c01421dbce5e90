#pragma once
// A card as its logic reads it, field by field, and the fields a card must have filled before
// it is saved or sent: shared by every work area's card.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace custovia {

// Reads a field of the card on screen by its control name.
using CardValues = std::function<std::string(std::string_view field)>;

// A field that must not be empty, and the warning shown when it is.
struct RequiredText {
    std::string_view field;
    std::string_view warning;
};

// The first required field that is empty (after trimming), or nullptr.
const RequiredText* firstMissing(const std::vector<RequiredText>& checks, const CardValues& card);

}  // namespace custovia
