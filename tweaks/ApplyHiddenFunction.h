#pragma once

#include <cstdint>
#include <string>

namespace vantix::platform {
class Database;
}

namespace vantix::tweaks {

class TweakHost;

// What the user put on the page: its mode (1 OPTION, 2 SLIDER, 3 TEXT), the
// slider's position and the text box.
struct PageInput {
    int pageMode = 1;
    std::int64_t sliderPosition = 0;
    std::string text;
};

// Runs the commands of function `itemId` whose Kennung equals `letter`, in the
// order the database returns them, best effort: a failing command leaves its
// change undone and the others still run. An emptied TEXT page turns the
// letter into "B" when the function has "B" commands; the caller keeps it.
void ApplyHiddenFunction(platform::Database& database, TweakHost& host, std::int64_t itemId,
                         const PageInput& input, std::string& letter);

// Executes one command. File, name and value are expanded in place.
void RunHiddenCommand(TweakHost& host, const std::string& kind, std::string& file,
                      const std::string& path, std::string& name, const std::string& typeLetter,
                      std::string& value);

}  // namespace vantix::tweaks
