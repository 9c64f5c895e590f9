#include "tweaks/Profile.h"

#include <set>

#include "platform/text/Text.h"
#include "tweaks/Numbers.h"

namespace vantix::tweaks {

namespace {

std::optional<std::int64_t> parseId(std::string_view text) {
    if (text.empty() || text.size() > 18) return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9') return std::nullopt;
    return std::stoll(std::string(text));
}

// The request that brings the function to the state it reads now; nullopt
// when the page shows no choice.
std::optional<ProfileEntry> entryOf(const OpenedFunction& function, const PageState& state) {
    ProfileEntry entry;
    entry.id = function.function.id;
    entry.name = function.function.name;
    switch (state.presentation) {
        case Presentation::Option:
            if (state.selectedOption == 0) return std::nullopt;
            entry.letter = state.ChoiceLetter;
            return entry;
        case Presentation::Slider:
            entry.value = state.slider.numberBox;
            return entry;
        case Presentation::Text:
            entry.value = state.text;
            return entry;
        default:
            return std::nullopt;
    }
}

bool readable(const OpenedFunction& function) {
    return function.property.kind == "REG" || function.property.kind == "INI";
}

// Whether the state read shows the entry's request. Compared by the state and
// not by an empty preview: some functions rewrite a file (a backup copy, an
// INI line) even when the value stays.
bool readsAs(const PageState& state, const ProfileEntry& entry) {
    const auto current = entryOf({}, state);
    if (!current) return false;
    if (state.presentation == Presentation::Option) return current->letter == entry.letter;
    if (state.presentation == Presentation::Slider) {
        try {
            return entry.value && std::stoll(*entry.value) == std::stoll(state.slider.numberBox);
        } catch (const std::exception&) {
            return false;
        }
    }
    return current->value == entry.value.value_or("");
}

}  // namespace

std::string formatProfile(const std::vector<ProfileEntry>& entries, std::string_view source) {
    std::string out = "; Vantix settings profile";
    if (!source.empty()) out += " of " + std::string(source);
    out +=
        "\n; [ID] is a function, Choice its choice (A or B), Value the slider position or text.\n";
    for (const auto& entry : entries) {
        out += "\n[" + std::to_string(entry.id) + "]\n";
        if (!entry.name.empty()) out += "; " + entry.name + "\n";
        out += "Choice=" + entry.letter + "\n";
        if (entry.value) out += "Value=" + *entry.value + "\n";
    }
    return out;
}

std::vector<ProfileEntry> parseProfile(std::string_view text) {
    std::vector<ProfileEntry> entries;
    std::set<std::int64_t> seen;
    std::vector<bool> hasChoice;
    int number = 0;
    const auto fail = [&number](const std::string& what) {
        throw ProfileError("line " + std::to_string(number) + ": " + what);
    };
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text::trim(text.substr(0, end), " \t\r");
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        ++number;
        if (line.empty() || line.front() == ';' || line.front() == '#') continue;
        if (line.front() == '[') {
            if (line.back() != ']') fail("a section header must end with ']'");
            const auto id = parseId(text::trim(line.substr(1, line.size() - 2)));
            if (!id) fail("a section must name a function ID: " + std::string(line));
            if (!seen.insert(*id).second) fail("function " + std::to_string(*id) + " comes twice");
            entries.push_back({*id, {}, {}, std::nullopt});
            hasChoice.push_back(false);
            continue;
        }
        if (entries.empty()) fail("an entry before the first [ID] section");
        const auto equals = line.find('=');
        if (equals == std::string_view::npos) fail("expected Choice=... or Value=...");
        const std::string key = text::toUpperAscii(text::trim(line.substr(0, equals)));
        const std::string_view value = line.substr(equals + 1);
        if (key == "CHOICE") {
            const std::string letter = text::toUpperAscii(text::trim(value));
            if (letter != "A" && letter != "B") fail("the choice must be A or B");
            entries.back().letter = letter;
            hasChoice.back() = true;
        } else if (key == "VALUE") {
            entries.back().value = std::string(value);
        } else {
            fail("unknown key '" + std::string(text::trim(line.substr(0, equals))) + "'");
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (!hasChoice[i])
            throw ProfileError("function " + std::to_string(entries[i].id) + " has no Choice");
    return entries;
}

std::vector<ProfileEntry> exportProfile(TweakSession& session, std::vector<std::string>& leftOut) {
    std::vector<ProfileEntry> entries;
    for (const auto& f : listHiddenFunctions(session.database(), session.platformCode())) {
        OpenedFunction opened;
        try {
            opened = session.open(f.id);
        } catch (const TweakError& error) {
            leftOut.push_back(std::to_string(f.id) + " " + f.name + ": " + error.what());
            continue;
        }
        if (!readable(opened)) {
            leftOut.push_back(std::to_string(f.id) + " " + f.name + ": its state cannot be read");
            continue;
        }
        if (auto entry = entryOf(opened, session.state(opened)))
            entries.push_back(std::move(*entry));
        else
            leftOut.push_back(std::to_string(f.id) + " " + f.name + ": it reads as no choice");
    }
    return entries;
}

std::vector<ImportStep> planImport(TweakSession& session,
                                   const std::vector<ProfileEntry>& entries) {
    std::vector<ImportStep> steps;
    const int code = session.platformCode();
    for (const auto& entry : entries) {
        ImportStep step;
        step.entry = entry;
        OpenedFunction opened;
        try {
            opened = session.open(entry.id);
        } catch (const TweakError&) {
            step.kind = ImportStep::Kind::Skipped;
            step.reason = "no such function in this catalogue";
            steps.push_back(std::move(step));
            continue;
        }
        step.entry.name = opened.function.name;
        if (!availableOn(opened.function.bs, code)) {
            step.kind = ImportStep::Kind::Skipped;
            step.reason = "does not exist on this platform";
        } else if (!readable(opened)) {
            step.kind = ImportStep::Kind::Skipped;
            step.reason = "its state cannot be read, so a profile does not carry it";
        } else {
            try {
                step.preview = session.preview({entry.id, entry.letter, entry.value});
                if (readsAs(session.state(opened), entry)) step.kind = ImportStep::Kind::AlreadySet;
            } catch (const TweakError& error) {
                step.kind = ImportStep::Kind::Skipped;
                step.reason = error.what();
            }
        }
        steps.push_back(std::move(step));
    }
    return steps;
}

bool readsAsProfile(TweakSession& session, const ProfileEntry& entry) {
    const OpenedFunction opened = session.open(entry.id);
    const PageState state = session.state(opened);
    // An emptied text runs the page's own rule (its second choice).
    if (state.presentation == Presentation::Text && entry.value.value_or("").empty()) return true;
    return readsAs(state, entry);
}

}  // namespace vantix::tweaks
