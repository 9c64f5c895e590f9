#pragma once

#include <optional>
#include <string>

#include "modules/regalto/RegistryFinder.h"

// Every question the editor asks goes through this interface: the windows
// answer with dialogs, tests answer in advance.
namespace vantix::regalto {

inline constexpr const char* kCancelled = "ABBRUCH";  // the string and binary editor's cancel result

enum class NewValueKind { None = 0, String = 1, Binary = 2, Dword = 3 };

struct NewValueRequest {
    std::string name;  // empty: cancelled
    NewValueKind kind = NewValueKind::None;
};

class Prompter {
public:
    virtual ~Prompter() = default;
    // "Insert new key": the name, "" when cancelled.
    virtual std::string askKeyName() = 0;
    // "Insert new value": name and kind, empty and None when cancelled.
    virtual NewValueRequest askNewValue() = 0;
    // The DWORD editor opened with `decimal`: the decimal result, "" when cancelled.
    virtual std::string editDword(const std::string& valueName, const std::string& decimal) = 0;
    // The string/binary editor with `caption`: the text, kCancelled when cancelled.
    virtual std::string editText(const std::string& caption, const std::string& valueName,
                                 const std::string& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool confirm(const std::string& text, const std::string& caption) = 0;
    // An information message with OK.
    virtual void inform(const std::string& text) = 0;
    // A file to export the selected key to, or to import; nullopt when cancelled.
    virtual std::optional<std::string> chooseExportFile(const std::string& suggestedName) = 0;
    virtual std::optional<std::string> chooseImportFile() = 0;
    // A failure the user asked for an operation to report (export, import).
    virtual void warn(const std::string& text) = 0;
    // What to find, starting from the last search's options; nullopt when cancelled.
    virtual std::optional<FindOptions> askFind(const FindOptions& last) = 0;
};

// The dialogs' result rule: a name containing "\" counts as cancelled.
inline std::string acceptedName(const std::string& typed) {
    return typed.find('\\') == std::string::npos ? typed : std::string();
}

}  // namespace vantix::regalto
