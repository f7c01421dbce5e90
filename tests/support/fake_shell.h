#pragma once
// A shell that records every text handed to it, for the logic and window tests alike.
#include <string>
#include <vector>

#include "archive/shell.h"

namespace custovia::test {

class FakeShell final : public Shell {
public:
    bool open(const std::string& text) override {
        opened.push_back(text);
        return !refuses;
    }
    std::vector<std::string> opened;
    bool refuses = false;  // a system with no program to open the text with
};

}  // namespace custovia::test
