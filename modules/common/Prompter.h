#pragma once

#include <string>

// The messages and questions of a module's windows go through this interface:
// the windows answer with message boxes, tests answer in advance.
namespace vantix::modules {

class Prompter {
public:
    virtual ~Prompter() = default;
    // A message with OK and the information icon; lines separated by "\r".
    virtual void inform(const std::string& text, const std::string& caption) = 0;
    // Yes/No with the question icon; true for Yes.
    virtual bool confirm(const std::string& text, const std::string& caption) = 0;
};

}  // namespace vantix::modules
