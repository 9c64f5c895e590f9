#pragma once

#include <optional>

// The logo window's gauge: every 40 ms tick after access is granted adds 20 to
// a counter; up to 100 the gauge shows the counter, at exactly 160 the window closes.
namespace vantix::shell {

inline constexpr int kGaugeIntervalMs = 40;

class LogoGauge {
public:
    struct Tick {
        std::optional<int> percent;  // the percentage to draw, if any
        bool close = false;
    };
    // One timer tick; nothing happens until access is granted and the window shows.
    Tick tick(bool windowVisible, bool accessGranted);
    int counter() const { return counter_; }

private:
    int counter_ = 0;
};

// The width of the gauge's bar for `percent` of `width` (0 below 1 per cent).
int gaugeBarWidth(int width, int percent);

}  // namespace vantix::shell
