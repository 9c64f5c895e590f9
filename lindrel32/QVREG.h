#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "lindrel32/Export.h"

namespace vantix::platform {
class Machine;
}

namespace lindrel32 {

// Registry access in the system's textual form: a path "ROOT\sub\key", a value
// name, and a one-letter type ("D" DWORD as signed decimal, "B" binary as hex
// digit pairs, anything else a string). Absence reads as "NO Key". Stateless:
// each call opens what it needs on the machine image.
class LINDREL32_API QVREG {
public:
    QVREG();  // works on platform::currentMachine()
    explicit QVREG(vantix::platform::Machine& machine);

    // The value as text, or "NO Key". Throws std::invalid_argument for a path without "\".
    std::string GetReg(const std::string& MainSubKey, const std::string& Value, const std::string& VarTyp = "");
    // Number of direct subkeys; 0 when the key cannot be opened.
    std::int32_t GetSubKeyAnzahl(const std::string& MainSubKey);
    // Fills ExPfade (never resized) with subkey names; index of the last one stored, -1 for none.
    std::int16_t GetPfad(const std::string& MainSubKey, std::vector<std::string>& ExPfade);
    // As GetPfad for values: names into ExPfade, type codes into ExType.
    std::int16_t GetPfadValue(const std::string& MainSubKey, std::vector<std::string>& ExPfade,
                              std::vector<std::int32_t>& ExType);
    // Deletes a value, or the whole key when ValueKey is "%ROOT%".
    bool DelReg(const std::string& MainSubKey, const std::string& ValueKey);
    // Writes a value, creating missing keys. Throws std::invalid_argument for a path
    // without "\" or text that cannot be converted for "D" or "B".
    bool SetReg(const std::string& MainSubKey, const std::string& ValueKey, const std::string& Wert,
                const std::string& VarTyp = "");
    // Copies a value to a new name and deletes the old one; false (nothing written)
    // when the old value is absent.
    bool RenameReg(const std::string& MainSubKey, const std::string& OldValueKey, const std::string& NewValueKey,
                   const std::string& VarTyp = "");

    // Below the interface: tells an absent value from one whose text is "NO Key".
    bool ValueExists(const std::string& MainSubKey, const std::string& Value);
    // Why the last call failed, for logs and the command line ("" after success).
    const std::string& LastError() const { return lastError_; }

private:
    vantix::platform::Machine* machine_ = nullptr;
    std::string lastError_;
};

}  // namespace lindrel32
