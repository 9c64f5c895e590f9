#include "shell/LogoGauge.h"

namespace vantix::shell {

LogoGauge::Tick LogoGauge::tick(bool windowVisible, bool accessGranted) {
    Tick result;
    if (!windowVisible || !accessGranted) return result;
    counter_ += 20;
    if (counter_ <= 100) result.percent = counter_;
    result.close = counter_ == 160;
    return result;
}

int gaugeBarWidth(int width, int percent) {
    if (percent < 1 || width <= 0) return 0;
    return static_cast<int>(static_cast<long long>(width) * percent / 100);
}

}  // namespace vantix::shell
