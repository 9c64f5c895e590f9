#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "tweaks/HiddenCatalogue.h"
#include "tweaks/PageState.h"
#include "tweaks/TweakSession.h"

// The property page of one hidden function without its widgets: what it
// shows, the changed/applied state of Apply and of the restart box, the
// default button, the number box rules, and what OK and Apply write.
namespace vantix::tweaks {

inline constexpr const char* kRestartNote =
    "You must restart Windows for these changes to take effect.";

class PropertyPage {
public:
    explicit PropertyPage(TweakSession& session) : session_(session) {}

    // Loads the function (name `caption`, `helpText` as the information field
    // shows it) and reads its state, as the page does before it is shown.
    // Throws TweakError for a function without a property row.
    void load(std::int64_t itemId, const std::string& caption, const std::string& helpText);
    // Changes count only while the page is visible.
    void setVisible(bool visible) { visible_ = visible; }
    bool visible() const { return visible_; }

    // ---- what the user does
    void clickOption(int index);  // 0 the first button, 1 the second
    void moveSlider(std::int64_t position);
    void typeNumber(const std::string& text) { state_.slider.numberBox = text; }
    // The number box loses the focus: its number is clamped into the slider's
    // range, the slider follows, and the box shows the position in decimal.
    void leaveNumberBox();
    void changeText(const std::string& text);
    void pressDefault();
    void tickRestart(bool ticked) { restartTicked_ = ticked; }
    // The apply button: writes the choice; the page stays open.
    ApplyOutcome apply();
    // OK: applies unapplied changes, then asks for the restart when the box
    // is ticked. The outcome is empty when nothing was applied.
    ApplyOutcome ok();
    // The journal holds an apply of this function that undo can restore.
    bool undoAvailable() const;
    // Restores the last apply and reads the state back. By default nothing is
    // restored when anything the apply changed reads differently now: the
    // outcome lists those differences, and Force overwrites them.
    UndoOutcome undo(UndoMode mode = UndoMode::RefuseIfChanged);

    // ---- what the page shows
    // What Apply would change now, one line each; empty while unchanged.
    std::vector<std::string> changes();
    const PageState& state() const { return state_; }
    const OpenedFunction& function() const { return function_; }
    bool applyEnabled() const { return changed_; }
    bool restartBoxVisible() const { return changed_ && RestartMode != 0; }
    bool restartTicked() const { return restartTicked_; }
    // Why the last apply was refused as a whole ("" when it was not).
    const std::string& applyProblem() const { return applyProblem_; }
    ApplyRequest request() const;

    std::int64_t CurrentItemID = 0;
    int PageMode = 0;
    int RestartMode = 0;
    int RestartRequest = 0;
    std::string caption;
    std::string captionA;
    std::string captionB;
    std::string HelpText;
    std::string NotesText;

private:
    void markChanged();

    TweakSession& session_;
    OpenedFunction function_;
    PageState state_;
    bool visible_ = false;
    bool changed_ = false;
    bool restartTicked_ = false;
    std::string applyProblem_;
};

}  // namespace vantix::tweaks
