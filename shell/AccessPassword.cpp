#include "shell/AccessPassword.h"

#include "lindrel32/QVREG.h"
#include "platform/database/Scramble.h"
#include "platform/log/Log.h"
#include "platform/text/Text.h"

namespace vantix::shell {

std::string readStoredPassword(lindrel32::IQVREG& registry) {
    return registry.GetReg(kPasswordKey, kPasswordValue);
}

bool passwordIsSet(const std::string& storedPassword) { return !unscrambledPassword(storedPassword).empty(); }

std::string unscrambledPassword(const std::string& storedPassword) {
    if (storedPassword == kNoKey) return {};
    return platform::Scramble(storedPassword);
}

bool passwordMatches(std::string_view entry, const std::string& storedPassword) {
    if (storedPassword == kNoKey) return false;
    return text::toUpperAscii(entry) == platform::Scramble(storedPassword);
}

PasswordEntryCheck checkPasswordEntry(const std::string& entry, const std::string& confirmation) {
    if (entry != confirmation || entry.size() < kPasswordMinLength || entry.size() > kPasswordMaxLength)
        return PasswordEntryCheck::WrongLengthOrMismatch;
    for (char c : entry) {
        auto code = static_cast<unsigned char>(c);
        if (code < 0x20 || code > 0x7E) return PasswordEntryCheck::NotStorable;
    }
    return PasswordEntryCheck::Valid;
}

std::string passwordEntryError(PasswordEntryCheck check) {
    if (check == PasswordEntryCheck::NotStorable)
        return "Please check your password entry!\r\rThe password contains a character that cannot be stored; "
               "use other letters, digits or punctuation.";
    return "Please check your password entry!\r\rThe password must be between 3 and 10 characters long.";
}

std::string storePassword(lindrel32::IQVREG& registry, const std::string& entry) {
    std::string scrambled = platform::Scramble(text::toUpperAscii(entry));
    if (!registry.SetReg(kPasswordKey, kPasswordValue, scrambled)) {
        log::warning("shell.password", "could not store the password: " + registry.LastError());
        return {};
    }
    return scrambled;
}

void clearPassword(lindrel32::IQVREG& registry) {
    if (!registry.DelReg(kPasswordKey, kPasswordValue))
        log::debug("shell.password", "no password to remove: " + registry.LastError());
}

}  // namespace vantix::shell
