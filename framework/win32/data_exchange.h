#pragma once
// Dialog data exchange: moves values between the controls of a dialog and variables, in the
// direction the exchange says, and checks them on the way out. The first failed check tells
// the user, puts the focus on the control and stops the rest of the exchange.

#include <windows.h>

#include <functional>
#include <initializer_list>
#include <string>

namespace tw {

class CDataExchange {
public:
    CDataExchange(HWND dialog, bool saving) : dialog_(dialog), saving_(saving) {}

    // Attributes
    bool Saving() const { return saving_; }
    bool Failed() const { return failed_; }
    HWND Dialog() const { return dialog_; }

    // Exchanges (nothing happens once a check has failed)
    void Text(int id, std::string& value);
    // An integer in an edit; text that is no integer fails with "Please enter an integer.".
    void Text(int id, int& value);
    void Check(int id, bool& value);
    // The index into ids of the checked radio button (-1: none is checked).
    void Radio(std::initializer_list<int> ids, int& index);
    // The selected entry of a list or combo box (-1: none).
    void ComboIndex(int id, int& index);

    // Checks, made when saving
    // "Please enter an integer between %1 and %2." unless low <= value <= high.
    void IntRange(int id, int value, int low, int high);
    // When loading, limits the edit to maxChars; when saving, "Please enter no more than %1
    // characters." for a longer text.
    void MaxChars(int id, const std::string& value, int maxChars);

    // Tells text, focuses control id (selecting an edit's text) and fails the exchange.
    void Fail(int id, const std::string& text);

private:
    HWND Control(int id) const { return ::GetDlgItem(dialog_, id); }

    HWND dialog_;
    bool saving_;
    bool failed_ = false;
};

// Runs exchange in one direction; false when a check failed.
bool ExchangeData(HWND dialog, bool saving, const std::function<void(CDataExchange&)>& exchange);

}  // namespace tw
