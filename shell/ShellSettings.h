#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/SettingsAccess.h"

// The settings of section "Settings\MainWindow": the in-memory record the shell
// keeps (ShellState::Settings), the values applied straight to the main
// window's controls, and the stored window rectangle.
namespace vantix::shell {

inline constexpr std::int16_t kButtonStyleFlat = 1;    // Windows 95 style
inline constexpr std::int16_t kButtonStyleActive = 3;

struct SettingsRecord {
    bool DropDown_Ani = true;
    bool Sicherheit = true;
    bool Sound = false;
    std::string LastCtrl;
    bool SetBackPic = true;
    bool SaveLastWinPos = true;
    std::int16_t ButtonStyle = kButtonStyleFlat;
    std::int32_t SideBarBackColor = 0x808080;
    std::string LastHiddenWork;
    bool ViewHiddenStruktur = true;
    bool OnlyRightMaus = false;
    bool OnlyDubbleClick = false;
    bool ViewLogo = true;
};

// List view, tree, sidebar captions, sliders and info field: read at start-up
// into the controls, written at shutdown from the controls' current state.
struct ViewSettings {
    bool ListViewSort = false;
    std::int16_t ListViewArrange = 2;  // 0 none, 1 left edge, 2 top
    bool LabelWrap = false;
    std::int16_t ListViewView = 0;     // 0 large icons, 1 small icons, 2 list, 3 report
    bool TreeViewSort = false;
    std::int32_t CaptionBackColor = static_cast<std::int32_t>(0x8000000Fu);  // system colour: button face
    std::int32_t CaptionForeColor = static_cast<std::int32_t>(0x80000012u);  // system colour: button text
    std::int16_t HiddenNodeDiff = 320;  // twips
    std::int16_t HelpFont = 8;
    bool HelpFontBold = true;
};

// The window rectangle as stored (twips); absent keys stay empty.
struct StoredWindowRect {
    std::optional<std::int32_t> Width;
    std::optional<std::int32_t> Height;
    std::optional<float> Left;
    std::optional<float> Top;
};

// "ViewLogo", read by start-up before anything else.
bool readViewLogo(SettingsAccess& store);
// Every other value of the section in the order start-up reads them.
void readMainWindowSettings(SettingsAccess& store, SettingsRecord& settings, ViewSettings& view,
                            StoredWindowRect& rect);
// "FirstStart" of section "Settings" (default False).
bool readFirstStart(SettingsAccess& store);

struct WindowRectTwips {
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
};

// Shutdown: "Left", "Top", "Width", "Height" when `rect` is given, then the
// other values in their fixed order. Nothing can stop the close, so failed
// writes are only logged.
void writeShutdownSettings(SettingsAccess& store, const SettingsRecord& settings, const ViewSettings& view,
                           const std::optional<WindowRectTwips>& rect);

}  // namespace vantix::shell
