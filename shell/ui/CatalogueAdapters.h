#pragma once

#include "catalogue/Prompter.h"
#include "catalogue/ui/Choosers.h"

class QWidget;

// The catalogue's prompts and choosers, answered through the shell's dialog wrapper.
namespace vantix::shell {

class DialogPrompter final : public catalogue::Prompter {
public:
    explicit DialogPrompter(QWidget*& owner) : owner_(owner) {}
    void message(catalogue::MessageIcon icon, const std::string& title, const std::string& text) override;
    bool askYesNo(const std::string& title, const std::string& text) override;

private:
    QWidget*& owner_;
};

class DialogChoosers final : public catalogue::ui::Choosers {
public:
    QString chooseFile(QWidget* owner, const QString& title, const QString& startFolder) override;
    QString chooseIconFile(QWidget* owner, const QString& currentFile) override;
    std::optional<std::int32_t> chooseColor(QWidget* owner) override;
};

}  // namespace vantix::shell
