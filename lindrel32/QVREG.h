#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "lindrel32/Export.h"
#include "lindrel32/Interfaces.h"

namespace vantix::platform {
class Machine;
class Registry;
struct RegStatus;
}  // namespace vantix::platform

namespace lindrel32 {

// Registry access in the system's textual form: a path "ROOT\sub\key", a value
// name, and a one-letter type ("D" DWORD as signed decimal, "B" binary as hex
// digit pairs, anything else a string). Absence reads as "NO Key". Stateless:
// each call opens what it needs on the machine image.
class LINDREL32_API QVREG : public OwnedObject<IQVREG> {
public:
    QVREG();  // works on platform::currentMachine()
    explicit QVREG(vantix::platform::Machine& machine);

    // The value as text, or "NO Key". Throws std::invalid_argument for a path without "\".
    [[nodiscard]] std::string GetReg(const std::string& MainSubKey, const std::string& Value,
                                     const std::string& VarTyp = "") override;
    // Number of direct subkeys; 0 when the key cannot be opened.
    [[nodiscard]] std::int32_t GetSubKeyAnzahl(const std::string& MainSubKey) override;
    // Fills ExPfade (never resized) with subkey names; index of the last one stored, -1 for none.
    [[nodiscard]] std::int16_t GetPfad(const std::string& MainSubKey,
                                       std::vector<std::string>& ExPfade) override;
    // As GetPfad for values: names into ExPfade, type codes into ExType.
    [[nodiscard]] std::int16_t GetPfadValue(const std::string& MainSubKey,
                                            std::vector<std::string>& ExPfade,
                                            std::vector<std::int32_t>& ExType) override;
    // Deletes a value, or the whole key when ValueKey is "%ROOT%" (leaf first, at
    // most 1000 keys, saved as one change). A root key itself is never deleted.
    bool DelReg(const std::string& MainSubKey, const std::string& ValueKey) override;
    // Writes a value, creating missing keys. Throws std::invalid_argument for a path
    // without "\" or text that cannot be converted for "D" or "B".
    bool SetReg(const std::string& MainSubKey, const std::string& ValueKey, const std::string& Wert,
                const std::string& VarTyp = "") override;
    // Copies a value to a new name and deletes the old one; false (nothing written)
    // when the old value is absent. A new name that differs only in case renames
    // the value in place.
    bool RenameReg(const std::string& MainSubKey, const std::string& OldValueKey,
                   const std::string& NewValueKey, const std::string& VarTyp = "") override;

    // Below the interface: tells an absent value from one whose text is "NO Key".
    [[nodiscard]] bool ValueExists(const std::string& MainSubKey,
                                   const std::string& Value) override;
    // Why the last call failed, for logs and the command line ("" after success).
    [[nodiscard]] const std::string& LastError() const override { return lastError_; }
    // Whether it failed on its input (an unknown root, a name the registry
    // cannot hold, a root key to delete) rather than on the registry.
    [[nodiscard]] bool LastErrorIsBadInput() const override { return badInput_; }

private:
    vantix::platform::Registry& registry();
    // The value in the text form of `VarTyp`; nullopt (with the reason kept) when absent.
    std::optional<std::string> read(const std::string& MainSubKey, const std::string& Value,
                                    const std::string& VarTyp);
    void clear();
    bool fail(std::string reason, bool badInput = false);
    bool fail(const vantix::platform::RegStatus& status);

    vantix::platform::Machine* machine_ = nullptr;  // nullptr: the current machine at each call
    std::string lastError_;
    bool badInput_ = false;
};

}  // namespace lindrel32
