#pragma once
// Message boxes through MessageBoxA with an OK button, owned by a window the program sets.

#include <windows.h>

#include "framework/platform.h"

namespace tw {

class Win32MessageBox : public IMessageBox {
public:
    // Shows the text with the application's title and an OK button; waits for the user.
    void ShowMessage(const std::string& text) override;

    // The owner of later message boxes (null: none); the main frame sets itself once created.
    void SetOwner(HWND owner) { owner_ = owner; }
    HWND Owner() const { return owner_; }

    // The caption of the boxes.
    void SetTitle(const std::string& title) { title_ = title; }

private:
    HWND owner_ = nullptr;
    std::string title_ = "Tallywick";
};

}  // namespace tw
