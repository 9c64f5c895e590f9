#pragma once

#include <string>

// What the taskbar module needs of the tray program: the DDE conversation,
// starting it, finding its window, and the desktop's autostart entry.
namespace vantix::traskel {

class TrayLink {
public:
    virtual ~TrayLink() = default;
    // One conversation: link, one execute command, close. False when no tray answered.
    virtual bool execute(const std::string& command) = 0;
    // Starts the tray program with "/START"; false when it could not be started.
    virtual bool startTray() = 0;
    // True when a top-level window with the tray's caption exists.
    virtual bool trayWindowExists() = 0;
    // Keeps (or removes) the desktop's login entry that starts the tray on this image.
    virtual void setAutostart(bool on) = 0;
};

}  // namespace vantix::traskel
