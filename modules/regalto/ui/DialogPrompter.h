#pragma once

#include "modules/regalto/Prompter.h"

class QWidget;

namespace vantix::regalto::ui {

// Asks the editor's questions with the real dialogs and message boxes.
class DialogPrompter : public Prompter {
public:
    explicit DialogPrompter(QWidget* parent) : parent_(parent) {}

    std::string askKeyName() override;
    NewValueRequest askNewValue() override;
    std::string editDword(const std::string& valueName, const std::string& decimal) override;
    std::string editText(const std::string& caption, const std::string& valueName,
                         const std::string& text) override;
    bool confirm(const std::string& text, const std::string& caption) override;
    void inform(const std::string& text) override;
    std::optional<FindOptions> askFind(const FindOptions& last) override;
    std::optional<std::string> chooseExportFile(const std::string& suggestedName) override;
    std::optional<std::string> chooseImportFile() override;
    void warn(const std::string& text) override;

private:
    QWidget* parent_;
};

}  // namespace vantix::regalto::ui
