#pragma once
// What First, Previous, Next and Last do, given the position label and the record count.
#include <cstdint>
#include <optional>
#include <string>

namespace custovia {

enum class NavigationButton { First, Previous, Next, Last };

struct NavigationStep {
    enum Kind {
        Load,           // load the record at index and show index + 1
        EmptyArchive,   // "L'archivio non contiene nessuna scheda."
        EmptyAndClear,  // the same message after emptying the position label (Next)
        Nothing,        // no change and no message
    } kind;
    std::uint64_t index = 0;
};

// The position label's number, or nothing for a new card (an empty or unreadable label).
std::optional<std::uint64_t> positionNumber(const std::string& label);

NavigationStep navigationStep(NavigationButton button, const std::string& positionLabel, std::uint64_t count);

}  // namespace custovia
