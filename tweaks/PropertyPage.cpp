#include "tweaks/PropertyPage.h"

#include <algorithm>

#include "platform/text/Text.h"
#include "tweaks/ChangeText.h"
#include "tweaks/Numbers.h"

namespace vantix::tweaks {

void PropertyPage::load(std::int64_t itemId, const std::string& pageCaption,
                        const std::string& helpText) {
    HelpText.clear();
    NotesText.clear();
    function_ = session_.open(itemId);
    visible_ = false;
    changed_ = false;
    restartTicked_ = false;
    applyProblem_.clear();
    CurrentItemID = itemId;
    caption = pageCaption;
    state_ = session_.state(function_);
    const Presentation presentation = presentationFromText(function_.property.presentation);
    PageMode = pageModeOf(presentation);
    captionA = function_.property.captionA;
    captionB = presentation == Presentation::Text ? std::string() : function_.property.captionB;
    RestartMode = function_.property.restart;
    RestartRequest = 0;
    HelpText = helpText;
    if (RestartMode != 0) NotesText = std::string(kRestartNote) + "\r\n";
    if (function_.property.remarks != "#") NotesText += function_.property.remarks;
}

void PropertyPage::markChanged() {
    if (visible_) changed_ = true;
}

void PropertyPage::clickOption(int index) {
    const int option = index + 1;
    if (PageMode != 1 || (option != 1 && option != 2) || state_.selectedOption == option) return;
    state_.selectedOption = option;
    state_.ChoiceLetter = option == 1 ? "A" : "B";
    markChanged();
}

void PropertyPage::moveSlider(std::int64_t position) {
    SliderState& slider = state_.slider;
    position = std::clamp<std::int64_t>(
        position, std::min<std::int64_t>(slider.minimum, slider.maximum), slider.maximum);
    slider.numberBox = std::to_string(position);
    if (position == slider.position) return;
    slider.position = position;
    markChanged();
}

void PropertyPage::leaveNumberBox() {
    SliderState& slider = state_.slider;
    if (text::trim(slider.numberBox).empty()) {
        moveSlider(slider.minimum);
        return;
    }
    const double number = std::clamp<double>(leadingNumber(slider.numberBox), slider.minimum,
                                             std::max<double>(slider.minimum, slider.maximum));
    moveSlider(roundHalfEven(number));
}

void PropertyPage::changeText(const std::string& text) {
    if (text == state_.text) return;
    state_.text = text;
    markChanged();
}

void PropertyPage::pressDefault() {
    switch (PageMode) {
        case 1: {
            const double option = std::get<double>(state_.DefaultValue);
            if (option == 1)
                clickOption(0);
            else if (option == 2)
                clickOption(1);
            break;
        }
        case 2:
            moveSlider(roundHalfEven(std::get<double>(state_.DefaultValue)));
            break;
        case 3:
            changeText(std::get<std::string>(state_.DefaultValue));
            break;
        default:
            break;
    }
}

ApplyRequest PropertyPage::request() const {
    ApplyRequest request;
    request.itemId = CurrentItemID;
    request.letter = state_.ChoiceLetter;
    if (PageMode == 2)
        request.value = std::to_string(state_.slider.position);
    else if (PageMode == 3)
        request.value = state_.text;
    return request;
}

ApplyOutcome PropertyPage::apply() {
    ApplyOutcome outcome = session_.apply(request());
    state_.ChoiceLetter = outcome.letter;
    applyProblem_ = outcome.registryProblem;
    // A refused apply changed nothing: the page keeps its changes for another try.
    if (applyProblem_.empty()) changed_ = false;
    return outcome;
}

ApplyOutcome PropertyPage::ok() {
    ApplyOutcome outcome;
    if (changed_) outcome = apply();
    if (restartTicked_ && applyProblem_.empty()) RestartRequest = RestartMode;
    return outcome;
}

bool PropertyPage::undoAvailable() const {
    return session_.journal().last(CurrentItemID).has_value();
}

UndoOutcome PropertyPage::undo(UndoMode mode) {
    auto outcome = session_.undo(CurrentItemID, mode);
    state_ = session_.state(function_);
    changed_ = false;
    return outcome;
}

std::vector<std::string> PropertyPage::changes() {
    if (!changed_) return {};
    try {
        return describeChanges(session_.preview(request()).changes);
    } catch (const TweakError& error) {
        return {error.what()};
    }
}

}  // namespace vantix::tweaks
