#include "framework/prompt.h"

#include <cstdio>

namespace tw {

namespace {

// Without a window system: the text goes to standard error and the answer is the one that
// changes nothing (Cancel where offered, else No, else OK).
class StderrPrompter : public IPrompter {
public:
    PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        switch (buttons) {
            case PromptButtons::Ok: return PromptAnswer::Ok;
            case PromptButtons::YesNo: return PromptAnswer::No;
            case PromptButtons::OkCancel:
            case PromptButtons::YesNoCancel: break;
        }
        return PromptAnswer::Cancel;
    }
};

IPrompter*& DefaultSlot() {
    static IPrompter* fallback = nullptr;
    return fallback;
}

IPrompter*& CurrentSlot() {
    static IPrompter* current = nullptr;
    return current;
}

}  // namespace

void SetDefaultPrompter(IPrompter* prompter) { DefaultSlot() = prompter; }

IPrompter& CurrentPrompter() {
    static StderrPrompter portable;
    if (CurrentSlot() != nullptr) return *CurrentSlot();
    if (DefaultSlot() != nullptr) return *DefaultSlot();
    return portable;
}

IPrompter* SetPrompter(IPrompter* prompter) {
    IPrompter* previous = CurrentSlot();
    CurrentSlot() = prompter;
    return previous;
}

void PromptMessageBox::ShowMessage(const std::string& text) { Tell(text, PromptIcon::Warning); }

PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon icon) {
    return CurrentPrompter().Ask(text, buttons, icon);
}

void Tell(const std::string& text, PromptIcon icon) {
    CurrentPrompter().Ask(text, PromptButtons::Ok, icon);
}

}  // namespace tw
