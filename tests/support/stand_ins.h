#pragma once
// Stand-ins for the seams that reach outside the program (the shell, the camera, the timers,
// the sound), free of the test framework: the window tests script and read them, and the
// guide's builder hands them to the windows it pictures, which then never wait for anything.
#include <QImage>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "archive/windows/Environment.h"
#include "tests/support/fake_shell.h"

namespace custovia::test {

// A camera that hands the window the frames a test scripts, one per yieldFrame().
class FakeCamera final : public Camera {
public:
    bool available() override { return present; }
    bool start(std::function<void(const QImage&)> onFrame) override;
    void stop() override;
    bool running() const override { return running_; }

    void script(std::initializer_list<QImage> frames) { frames_.insert(frames_.end(), frames); }
    // Hands the next scripted frame to the window, as the camera would; false when the camera
    // is off or no frame is left.
    bool yieldFrame();

    bool present = true;  // false: a machine without a camera
    int starts = 0, stops = 0;

private:
    bool running_ = false;
    std::function<void(const QImage&)> onFrame_;
    std::deque<QImage> frames_;
};

// Timers that tick only when the test says so.
class FakeTimers final : public Timers {
public:
    std::unique_ptr<RepeatingTimer> create() override;
    // Ticks the running timer made last, as if its interval had passed; false when none runs.
    bool tick();
    // The interval of the timer made last (0 before any start).
    int interval() const;
    bool running() const;

    struct State {
        bool alive = true, active = false;
        int interval = 0;
        std::function<void()> tick;
    };

private:
    std::vector<std::shared_ptr<State>> states_;
};

// Records every sound asked for and every stop; a file plays when it exists, as with the real
// player, unless the test says the player cannot load anything.
class FakeAudioPlayer final : public AudioPlayer {
public:
    bool play(const std::filesystem::path& file) override;
    void stop() override { events.push_back("stop"); }

    // "play NAME" for each sound played (NAME: the file's name), "stop" for each stop.
    std::vector<std::string> events;
    bool loads = true;
};

}  // namespace custovia::test
