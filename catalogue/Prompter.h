#pragma once

#include <string>

// The message boxes the catalogue shows. The shell implements this through its
// dialog wrapper (which tests answer in advance); lines are separated by "\r".
namespace vantix::catalogue {

enum class MessageIcon { Information, Exclamation };

class Prompter {
public:
    virtual ~Prompter() = default;
    virtual void message(MessageIcon icon, const std::string& title, const std::string& text) = 0;
    // A Yes/No question with the question icon; true only for Yes.
    virtual bool askYesNo(const std::string& title, const std::string& text) = 0;
};

}  // namespace vantix::catalogue
