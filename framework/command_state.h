#pragma once
// What an update handler says about one command: enabled, check state and text. A field that
// no handler touched stays unset, and the menu item or button keeps what it shows.

#include <optional>
#include <string>

namespace tw {

enum class CheckState { Unchecked = 0, Checked = 1, Indeterminate = 2 };

class CommandState {
public:
    explicit CommandState(unsigned id) : id_(id) {}

    // Attributes
    unsigned Id() const { return id_; }
    const std::optional<bool>& Enabled() const { return enabled_; }
    const std::optional<CheckState>& Check() const { return check_; }
    const std::optional<std::string>& Text() const { return text_; }

    // Operations (what an update handler calls)
    void Enable(bool on = true) { enabled_ = on; }
    void SetCheck(bool on = true) { check_ = on ? CheckState::Checked : CheckState::Unchecked; }
    void SetCheck(CheckState state) { check_ = state; }
    void SetText(const std::string& text) { text_ = text; }

private:
    unsigned id_;
    std::optional<bool> enabled_;
    std::optional<CheckState> check_;
    std::optional<std::string> text_;
};

}  // namespace tw
