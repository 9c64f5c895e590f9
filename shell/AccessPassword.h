#pragma once

#include <string>
#include <string_view>

namespace lindrel32 {
class IQVREG;
}

// The access password: upper case, 3 to 10 characters, stored scrambled as the
// string value "QVPW" in the machine-wide registry.
namespace vantix::shell {

inline constexpr const char* kPasswordKey = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr const char* kPasswordValue = "QVPW";
inline constexpr const char* kNoKey = "NO Key";
inline constexpr std::size_t kPasswordMinLength = 3;
inline constexpr std::size_t kPasswordMaxLength = 10;

// The stored (scrambled) password, or "NO Key" when none is set.
std::string readStoredPassword(lindrel32::IQVREG& registry);
// The password in clear, "" when none is set.
std::string unscrambledPassword(const std::string& storedPassword);
bool passwordIsSet(const std::string& storedPassword);

// True when the typed entry, compared without regard to case, is the stored password.
bool passwordMatches(std::string_view entry, const std::string& storedPassword);

enum class PasswordEntryCheck { Valid, WrongLengthOrMismatch, NotStorable };

// The options dialog's check: both entries equal, 3 to 10 characters, and every
// character one that survives the scramble and the registry (printable ASCII
// whose scrambled code is not NUL: a NUL would cut the stored value short and
// lock the user out for good).
PasswordEntryCheck checkPasswordEntry(const std::string& entry, const std::string& confirmation);
// The message shown for a failed check (lines separated by carriage returns).
std::string passwordEntryError(PasswordEntryCheck check);

// Writes the entry upper-cased and scrambled; returns what was stored (the new
// StoredPassword) or "" when the write failed.
std::string storePassword(lindrel32::IQVREG& registry, const std::string& entry);
// Removes the value; the new StoredPassword is "NO Key".
void clearPassword(lindrel32::IQVREG& registry);

}  // namespace vantix::shell
