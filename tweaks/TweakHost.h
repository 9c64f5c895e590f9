#pragma once

#include <string>

#include "tweaks/Placeholders.h"

// What the tweak engine needs from the system it tunes: the registry and INI
// calls of the standard functions library, the file operations, and the two
// ways to restart. Results follow the library's conventions ("NO Key" for an
// absent value, false for a refused write); the engine itself ignores them.
namespace vantix::tweaks {

class TweakHost {
public:
    virtual ~TweakHost() = default;

    virtual std::string GetReg(const std::string& path, const std::string& name,
                               const std::string& type) = 0;
    virtual bool SetReg(const std::string& path, const std::string& name, const std::string& value,
                        const std::string& type) = 0;
    // A name of "%ROOT%" deletes the key with everything below it.
    virtual bool DelReg(const std::string& path, const std::string& name) = 0;

    virtual std::string GET_Ini(const std::string& file, const std::string& section,
                                const std::string& key) = 0;
    virtual bool SET_Ini(const std::string& file, const std::string& section,
                         const std::string& key, const std::string& value) = 0;

    // Clears read-only, hidden, system and archive.
    virtual bool setNormalAttributes(const std::string& file) = 0;
    virtual void FILE_Copy(const std::string& source, const std::string& target) = 0;
    virtual void FILE_Delete(const std::string& file) = 0;
    virtual bool renameFile(const std::string& source, const std::string& target) = 0;

    // Starts a program by name (RESTART.EXE); false when it did not start.
    virtual bool ShellExec(const std::string& file) = 0;
    // Restarts the system; false when there is nothing that could do it.
    virtual bool restartMachine() = 0;
    // Lets pending window events run (the engine does this between file steps).
    virtual void doEvents() {}

    virtual PlaceholderDirectories directories() = 0;

    // Expands the placeholders of `text` in place and returns it. The
    // directories are asked for only when it holds one: reading them reads
    // the machine's hive, which a command on the user's settings never names.
    std::string expand(std::string& text) {
        return HasPlaceholders(text) ? ExpandPlaceholders(text, directories()) : text;
    }
};

}  // namespace vantix::tweaks
