#pragma once

#include <string>
#include <vector>

#include "modules/traskel/TrayLink.h"

// A tray link that records what the module asked of it; `answers` decides
// whether a tray seems to be running.
struct RecordingTray : vantix::traskel::TrayLink {
    bool execute(const std::string& command) override {
        commands.push_back(command);
        return answers;
    }
    bool startTray() override {
        ++starts;
        return true;
    }
    bool trayWindowExists() override { return answers; }
    void setAutostart(bool on) override { autostart.push_back(on); }

    bool answers = false;
    int starts = 0;
    std::vector<std::string> commands;
    std::vector<bool> autostart;
};
