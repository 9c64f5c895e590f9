#pragma once

// The fixed texts the catalogue shows, exactly as users know them.
namespace vantix::catalogue::msg {

inline constexpr const char* kErrorTitle = "Error!";
inline constexpr const char* kShortcutGoneTitle = "Start shortcut!";
inline constexpr const char* kShortcutGone = "The selected shortcut no longer exists!";
inline constexpr const char* kNameMissing = "You must enter a name!";
inline constexpr const char* kNameNumeric = "Names cannot contain numbers!";
inline constexpr const char* kFileNotExecutable = "File not found or not executable!";
inline constexpr const char* kCaptionTooLongTitle = "Description too long";
inline constexpr const char* kCaptionTooLong = " Max 30 characters for icon descriptions \r";
inline constexpr const char* kRemoveTitle = "Remove Objects";
inline constexpr const char* kRemoveQuestion = "Remove all the selected objects from the group?";
inline constexpr const char* kSelectFileTitle = "Select File";
inline constexpr const char* kToolHeading = "Please enter properties.";

}  // namespace vantix::catalogue::msg
