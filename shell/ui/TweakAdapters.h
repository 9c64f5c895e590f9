#pragma once

#include "tweaks/ui/HiddenContext.h"

namespace vantix::platform {
class Machine;
}

// The property page's choosers, answered through the shell's dialog wrapper.
// The page speaks the image's Windows paths; the choosers show host folders.
namespace vantix::shell {

class DialogPageChoosers final : public tweaks::ui::PageChoosers {
public:
    explicit DialogPageChoosers(platform::Machine& machine) : machine_(machine) {}
    QString chooseFile(QWidget* owner, const QString& title, const QString& start) override;
    QString chooseFolder(QWidget* owner) override;

private:
    // A chosen host path in the image's Windows form; outside the image's drives as it is.
    QString systemPath(const QString& host) const;

    platform::Machine& machine_;
};

}  // namespace vantix::shell
