#include "archive/windows/SystemTimers.h"

#include <QTimer>

namespace custovia {
namespace {

class QtRepeatingTimer final : public RepeatingTimer {
public:
    void start(int intervalMs, std::function<void()> tick) override {
        timer_.disconnect();
        QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(tick));
        timer_.start(intervalMs);
    }
    void stop() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }

private:
    QTimer timer_;
};

}  // namespace

std::unique_ptr<RepeatingTimer> SystemTimers::create() { return std::make_unique<QtRepeatingTimer>(); }

}  // namespace custovia
