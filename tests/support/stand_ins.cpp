#include "tests/support/stand_ins.h"

namespace custovia::test {

bool FakeCamera::start(std::function<void(const QImage&)> onFrame) {
    ++starts;
    if (!present) return false;
    running_ = true;
    onFrame_ = std::move(onFrame);
    return true;
}

void FakeCamera::stop() {
    ++stops;
    running_ = false;
    onFrame_ = nullptr;
}

bool FakeCamera::yieldFrame() {
    if (!running_ || frames_.empty()) return false;
    const QImage frame = frames_.front();
    frames_.pop_front();
    onFrame_(frame);
    return true;
}

namespace {

class FakeTimer final : public RepeatingTimer {
public:
    explicit FakeTimer(std::shared_ptr<FakeTimers::State> state) : state_(std::move(state)) {}
    ~FakeTimer() override { state_->alive = false; }
    void start(int intervalMs, std::function<void()> tick) override {
        state_->interval = intervalMs;
        state_->tick = std::move(tick);
        state_->active = true;
    }
    void stop() override { state_->active = false; }
    bool active() const override { return state_->active; }

private:
    std::shared_ptr<FakeTimers::State> state_;
};

}  // namespace

std::unique_ptr<RepeatingTimer> FakeTimers::create() {
    states_.push_back(std::make_shared<State>());
    return std::make_unique<FakeTimer>(states_.back());
}

bool FakeTimers::tick() {
    for (auto it = states_.rbegin(); it != states_.rend(); ++it) {
        const std::shared_ptr<State> state = *it;  // the tick may destroy its timer
        if (!state->alive || !state->active) continue;
        const std::function<void()> action = state->tick;
        action();
        return true;
    }
    return false;
}

int FakeTimers::interval() const { return states_.empty() ? 0 : states_.back()->interval; }

bool FakeTimers::running() const {
    for (const auto& state : states_)
        if (state->alive && state->active) return true;
    return false;
}

bool FakeAudioPlayer::play(const std::filesystem::path& file) {
    if (!loads || !std::filesystem::is_regular_file(file)) return false;
    events.push_back("play " + file.filename().string());
    return true;
}

}  // namespace custovia::test
