#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Keys of the sidebar and the lists: a folder is "<ID>GID", a group "<ID>CID",
// a group's icon image "<ID as eight digits><icon file>". None of them is stored.
namespace vantix::catalogue {

std::string folderKey(std::int64_t id);
std::string groupKey(std::int64_t id);
std::string imageKey(std::int64_t id, std::string_view iconFile);
// The icon file of an image key: everything after the eight digits.
std::string iconFileOfImageKey(std::string_view imageKey);

// The leading decimal number of a key or text ("12CID" -> 12, "00012 /X" -> 12,
// " 7" -> 7); 0 when it starts with no digit. Digits beyond the range of a
// 32-bit ID give 0 instead of wrapping round onto another group.
std::int64_t leadingNumber(std::string_view text);

// True when `text` as a whole is a number in the sense of the platform's numeric
// test: "123", "1.5", " -2 ", "1E3", "&H1F"; "Tool 2" and "" are not.
bool isWholeNumber(std::string_view text);

// "&&" displays as one ampersand in captions.
std::string displayCaption(std::string_view caption);

// Number of characters (code points) of UTF-8 text.
std::size_t characterCount(std::string_view utf8);
// The first `count` characters of UTF-8 text.
std::string firstCharacters(std::string_view utf8, std::size_t count);

}  // namespace vantix::catalogue
