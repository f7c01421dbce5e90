#include "archive/card_navigation.h"

#include <charconv>

#include "archive/text.h"

namespace custovia {

std::optional<std::uint64_t> positionNumber(const std::string& label) {
    const std::string_view t = trimView(label);
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(t.data(), t.data() + t.size(), n);
    if (t.empty() || ec != std::errc() || end != t.data() + t.size() || n == 0) return std::nullopt;
    return n;
}

NavigationStep navigationStep(NavigationButton button, const std::string& positionLabel,
                              std::uint64_t count) {
    const std::optional<std::uint64_t> p = positionNumber(positionLabel);
    switch (button) {
        case NavigationButton::First:
            if (count == 0) return {NavigationStep::EmptyArchive};
            return {NavigationStep::Load, 0};
        case NavigationButton::Last:
            if (count == 0) return {NavigationStep::EmptyArchive};
            return {NavigationStep::Load, count - 1};
        case NavigationButton::Next: {
            // a new card counts as standing before card 1
            const std::uint64_t at = p.value_or(0);
            if (count == 0) return {NavigationStep::EmptyAndClear};
            if (at < count) return {NavigationStep::Load, at};
            return {NavigationStep::Nothing};
        }
        case NavigationButton::Previous:
            if (p == 1u) return {NavigationStep::Nothing};
            if (count == 0) return {NavigationStep::EmptyArchive};
            if (!p) return {NavigationStep::Load, 0};
            // a card numbered past the end (another workstation's view) steps to the last one
            return {NavigationStep::Load, std::min(*p - 2, count - 1)};
    }
    return {NavigationStep::Nothing};
}

}  // namespace custovia
