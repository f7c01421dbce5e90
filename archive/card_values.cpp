#include "archive/card_values.h"

#include "archive/text.h"

namespace custovia {

const RequiredText* firstMissing(const std::vector<RequiredText>& checks, const CardValues& card) {
    for (const RequiredText& check : checks)
        if (trimView(card(check.field)).empty()) return &check;
    return nullptr;
}

}  // namespace custovia
