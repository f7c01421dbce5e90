#pragma once
// The program's timers: Qt timers on the user-interface thread.
#include "archive/windows/Environment.h"

namespace custovia {

class SystemTimers final : public Timers {
public:
    std::unique_ptr<RepeatingTimer> create() override;
};

}  // namespace custovia
