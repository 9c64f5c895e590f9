#pragma once

#include "modules/common/Prompter.h"

class QWidget;

namespace vantix::modules::ui {

// Asks with real message boxes, parented to a module's window.
class MessagePrompter : public Prompter {
public:
    explicit MessagePrompter(QWidget* parent) : parent_(parent) {}
    void inform(const std::string& text, const std::string& caption) override;
    bool confirm(const std::string& text, const std::string& caption) override;

private:
    QWidget* parent_;
};

}  // namespace vantix::modules::ui
