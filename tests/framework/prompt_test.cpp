#include "framework/prompt.h"

#include <gtest/gtest.h>

#include <vector>

namespace tw {
namespace {

// Keeps what it was asked and gives one fixed answer.
class FixedPrompter : public IPrompter {
public:
    explicit FixedPrompter(PromptAnswer answer) : answer_(answer) {}
    PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon) override {
        asked.push_back(text);
        lastButtons = buttons;
        return answer_;
    }
    std::vector<std::string> asked;
    PromptButtons lastButtons = PromptButtons::OkCancel;

private:
    PromptAnswer answer_;
};

TEST(Prompter, InstalledPromptersAnswerAndStackBack) {
    FixedPrompter outer(PromptAnswer::Yes);
    FixedPrompter inner(PromptAnswer::No);
    {
        ScopedPrompter first(outer);
        EXPECT_EQ(Ask("one?", PromptButtons::YesNo), PromptAnswer::Yes);
        {
            ScopedPrompter second(inner);
            EXPECT_EQ(Ask("two?", PromptButtons::YesNoCancel), PromptAnswer::No);
            Tell("note");
            EXPECT_EQ(inner.lastButtons, PromptButtons::Ok);
        }
        PromptMessageBox box;
        box.ShowMessage("from the core");
    }
    EXPECT_EQ(outer.asked, (std::vector<std::string>{"one?", "from the core"}));
    EXPECT_EQ(inner.asked, (std::vector<std::string>{"two?", "note"}));

    // With none installed the default answers with what changes nothing.
    SetDefaultPrompter(nullptr);
    EXPECT_EQ(Ask("quiet?", PromptButtons::YesNoCancel), PromptAnswer::Cancel);
    EXPECT_EQ(Ask("quiet?", PromptButtons::YesNo), PromptAnswer::No);
    EXPECT_EQ(Ask("quiet?", PromptButtons::Ok), PromptAnswer::Ok);
}

}  // namespace
}  // namespace tw
