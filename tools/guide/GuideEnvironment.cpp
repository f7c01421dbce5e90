#include "tools/guide/GuideEnvironment.h"

#include "archive/block_file.h"

namespace custovia::guide {
namespace {

class StillTimer final : public RepeatingTimer {
public:
    void start(int, std::function<void()>) override { active_ = true; }
    void stop() override { active_ = false; }
    bool active() const override { return active_; }

private:
    bool active_ = false;
};

}  // namespace

std::unique_ptr<RepeatingTimer> StillTimers::create() { return std::make_unique<StillTimer>(); }

GuideEnvironment::GuideEnvironment(std::filesystem::path folder)
    : env_{messages, fileDialogs_, printDialogs_, shell,  clock_, folder, platformFileOpener(),
           windows_, camera_,      timers_,       audio_, folder} {}  // the scratch folder delivers too

}  // namespace custovia::guide
