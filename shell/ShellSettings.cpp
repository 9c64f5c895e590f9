#include "shell/ShellSettings.h"

#include "platform/log/Log.h"
#include "shell/SettingValue.h"

namespace vantix::shell {
namespace {

// Sentinel that tells an absent value from a stored one; no stored setting can
// carry a NUL byte.
const std::string kAbsent(1, '\0');

std::string text(SettingsAccess& store, const char* key, const std::string& fallback) {
    return store.get(kMainWindowSection, key, fallback);
}

bool boolean(SettingsAccess& store, const char* key, bool fallback) {
    return toBoolean(text(store, key, fromBoolean(fallback)));
}

std::int16_t integer(SettingsAccess& store, const char* key, std::int16_t fallback) {
    return toInteger(text(store, key, fromLong(fallback)));
}

std::int32_t longValue(SettingsAccess& store, const char* key, const std::string& fallback) {
    return toLong(text(store, key, fallback));
}

void put(SettingsAccess& store, const char* key, const std::string& value) {
    if (!store.save(kMainWindowSection, key, value))
        log::warning("shell.settings", std::string("could not save ") + key);
}

}  // namespace

bool readViewLogo(SettingsAccess& store) { return boolean(store, "ViewLogo", true); }

void readMainWindowSettings(SettingsAccess& store, SettingsRecord& s, ViewSettings& v, StoredWindowRect& rect) {
    s.DropDown_Ani = boolean(store, "DropDown_Ani", true);
    s.Sicherheit = boolean(store, "Sicherheit", true);
    s.Sound = boolean(store, "Sound", false);
    s.LastCtrl = text(store, "LastCtrl", "");
    s.SetBackPic = boolean(store, "SetBackPic", true);
    s.SaveLastWinPos = boolean(store, "SaveLastWinPos", true);
    s.ButtonStyle = integer(store, "ButtonStyle", kButtonStyleFlat);
    s.SideBarBackColor = longValue(store, "SideBarBackColor", "8421504");
    s.LastHiddenWork = text(store, "LastHiddenWork", "");
    s.ViewHiddenStruktur = boolean(store, "ViewHiddenStruktur", true);
    s.OnlyRightMaus = boolean(store, "OnlyRightMaus", false);
    s.OnlyDubbleClick = boolean(store, "OnlyDubbleClick", false);
    v.ListViewSort = boolean(store, "ListViewSort", false);
    v.ListViewArrange = integer(store, "ListViewArrange", 2);
    v.LabelWrap = boolean(store, "LabelWrap", false);
    v.ListViewView = integer(store, "ListViewView", 0);
    v.TreeViewSort = boolean(store, "TreeViewSort", false);
    v.CaptionBackColor = longValue(store, "CaptionBackColor", "&H8000000F&");
    v.CaptionForeColor = longValue(store, "CaptionForeColor", "&H80000012&");
    v.HiddenNodeDiff = integer(store, "HiddenNodeDiff", 320);
    v.HelpFont = integer(store, "HelpFont", 8);
    v.HelpFontBold = boolean(store, "HelpFontBold", true);

    rect = {};
    if (auto w = text(store, "Width", kAbsent); w != kAbsent) rect.Width = toLong(w);
    if (auto h = text(store, "Height", kAbsent); h != kAbsent) rect.Height = toLong(h);
    if (auto l = text(store, "Left", kAbsent); l != kAbsent) rect.Left = toSingle(l);
    if (auto t = text(store, "Top", kAbsent); t != kAbsent) rect.Top = toSingle(t);
}

bool readFirstStart(SettingsAccess& store) {
    return toBoolean(store.get(kSettingsSection, kFirstStartKey, fromBoolean(false)));
}

void writeShutdownSettings(SettingsAccess& store, const SettingsRecord& s, const ViewSettings& v,
                           const std::optional<WindowRectTwips>& rect) {
    if (rect) {
        put(store, "Left", fromSingle(rect->Left));
        put(store, "Top", fromSingle(rect->Top));
        put(store, "Width", fromSingle(rect->Width));
        put(store, "Height", fromSingle(rect->Height));
    }
    put(store, "DropDown_Ani", fromBoolean(s.DropDown_Ani));
    put(store, "Sicherheit", fromBoolean(s.Sicherheit));
    put(store, "Sound", fromBoolean(s.Sound));
    put(store, "SetBackPic", fromBoolean(s.SetBackPic));
    put(store, "SaveLastWinPos", fromBoolean(s.SaveLastWinPos));
    put(store, "ButtonStyle", fromLong(s.ButtonStyle));
    put(store, "SideBarBackColor", fromLong(s.SideBarBackColor));
    put(store, "CaptionBackColor", fromLong(v.CaptionBackColor));
    put(store, "CaptionForeColor", fromLong(v.CaptionForeColor));
    put(store, "ListViewSort", fromBoolean(v.ListViewSort));
    put(store, "ListViewArrange", fromLong(v.ListViewArrange));
    put(store, "ListViewView", fromLong(v.ListViewView));
    put(store, "LabelWrap", fromBoolean(v.LabelWrap));
    put(store, "TreeViewSort", fromBoolean(v.TreeViewSort));
    put(store, "ViewLogo", fromBoolean(s.ViewLogo));
    put(store, "LastHiddenWork", s.LastHiddenWork);
    put(store, "ViewHiddenStruktur", fromBoolean(s.ViewHiddenStruktur));
    put(store, "OnlyRightMaus", fromBoolean(s.OnlyRightMaus));
    put(store, "OnlyDubbleClick", fromBoolean(s.OnlyDubbleClick));
    put(store, "HelpFont", fromLong(v.HelpFont));
    put(store, "HelpFontBold", fromBoolean(v.HelpFontBold));
    put(store, "LastCtrl", s.LastCtrl);
    put(store, "HiddenNodeDiff", fromLong(v.HiddenNodeDiff));
}

}  // namespace vantix::shell
