#pragma once

#include <deque>
#include <string>
#include <utility>
#include <vector>

#include "modules/common/Prompter.h"

// Answers a module window's questions from a queue (No when it is empty) and
// records every message and question as text and caption.
class QueuedPrompter : public vantix::modules::Prompter {
public:
    void inform(const std::string& text, const std::string& caption) override {
        shown.emplace_back(text, caption);
    }
    bool confirm(const std::string& text, const std::string& caption) override {
        asked.emplace_back(text, caption);
        if (answers.empty()) return false;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<bool> answers;
    std::vector<std::pair<std::string, std::string>> shown;
    std::vector<std::pair<std::string, std::string>> asked;
};
