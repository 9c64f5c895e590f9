#pragma once

namespace vantix::tweaks {

class TweakHost;

// What a function's Neustart asks for once its page has closed: 1 starts
// RESTART.EXE, 2 restarts the machine image (through Wine when it is
// installed; nothing otherwise). Any other mode does nothing. Best effort:
// returns whether something was started, and never fails.
bool RestartSystem(TweakHost& host, int mode);

}  // namespace vantix::tweaks
