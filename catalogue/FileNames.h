#pragma once

#include <string>
#include <string_view>

// Name and folder parts of Windows-form paths, as the catalogue's lists show them.
namespace vantix::catalogue {

// The name after the last "\" (or "/"); a name without lower-case letters is
// shown capitalised ("NOTEPAD.EXE" -> "Notepad.exe"). Without `withExtension`
// an extension of up to three characters is dropped ("Notepad").
std::string fileTitle(std::string_view path, bool withExtension);
// The name after the last separator with its extension of up to three characters dropped, case kept.
std::string baseName(std::string_view path);
// The folder before the last separator, without it; "" when there is none.
std::string folderOf(std::string_view path);

}  // namespace vantix::catalogue
