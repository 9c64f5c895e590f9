#pragma once

#include <string>
#include <string_view>

// The file-name rules of GET_Dateiname and GET_Pfadname, apart from any machine.
namespace lindrel32::filename {

// The text after the last "\", an all-capital name shown as "Readme.txt", and
// without `ext` an extension of up to three characters in the last five removed.
std::string namePart(std::string_view path, bool ext);
// The text before the last "\"; "" when there is none or it is the first character.
std::string folderPart(std::string_view path);
// `text` cut at a comma at its second character or later ("file,3" -> "file").
std::string_view withoutIconIndex(std::string_view text);
// The number after that comma, or `fallback` when there is none.
int iconIndex(std::string_view text, int fallback);

}  // namespace lindrel32::filename
