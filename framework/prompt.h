#pragma once
// Questions and notices put to the user. Everything the framework asks goes through the
// current prompter, so a test can answer the boxes itself instead of a person.

#include <string>

#include "framework/platform.h"

namespace tw {

enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No };

class IPrompter {
public:
    virtual ~IPrompter() = default;
    virtual PromptAnswer Ask(const std::string& text, PromptButtons buttons, PromptIcon icon) = 0;
};

// The process-wide prompter; the Win32 message-box prompter until someone installs another.
IPrompter& CurrentPrompter();
// Installs prompter (null puts the default back); returns the one that was current.
IPrompter* SetPrompter(IPrompter* prompter);
// The prompter used while none is installed (the Win32 half sets its message boxes here).
void SetDefaultPrompter(IPrompter* prompter);

// Installs a prompter for its lifetime.
class ScopedPrompter {
public:
    explicit ScopedPrompter(IPrompter& prompter) : saved_(SetPrompter(&prompter)) {}
    ~ScopedPrompter() { SetPrompter(saved_); }
    ScopedPrompter(const ScopedPrompter&) = delete;
    ScopedPrompter& operator=(const ScopedPrompter&) = delete;

private:
    IPrompter* saved_;
};

// The portable core's message box service on the prompter, so that one hook answers every
// box the program shows (install it in PlatformServices::messages).
class PromptMessageBox : public IMessageBox {
public:
    void ShowMessage(const std::string& text) override;
};

// Shorthands through the current prompter.
PromptAnswer Ask(const std::string& text, PromptButtons buttons,
                 PromptIcon icon = PromptIcon::Question);
void Tell(const std::string& text, PromptIcon icon = PromptIcon::Warning);

}  // namespace tw
