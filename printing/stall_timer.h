#pragma once

#include <chrono>

namespace printing {

// How long to wait before asking again a device that is busy but says it
// is ready (the Linux lp driver; a Windows write that completes empty).
inline constexpr std::chrono::milliseconds busyBackoff{5};

// Measures how long a device has taken no byte. A port fails the ticket once
// the stall timeout has passed without progress.
class StallTimer {
public:
    using Clock = std::chrono::steady_clock;

    explicit StallTimer(std::chrono::milliseconds limit)
        : limit_(limit), lastProgress_(Clock::now()) {}

    // The device took bytes: the wait starts again.
    void progress() { lastProgress_ = Clock::now(); }

    // Time left before the device counts as stalled; zero or less once it does.
    std::chrono::milliseconds left() const
    {
        return limit_ - std::chrono::duration_cast<std::chrono::milliseconds>(
                            Clock::now() - lastProgress_);
    }

private:
    std::chrono::milliseconds limit_;
    Clock::time_point lastProgress_;
};

} // namespace printing
