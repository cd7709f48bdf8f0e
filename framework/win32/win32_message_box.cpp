#include "framework/win32/win32_message_box.h"

namespace tw {

void Win32MessageBox::ShowMessage(const std::string& text) {
    MessageBoxA(owner_, text.c_str(), title_.c_str(), MB_OK);
}

}  // namespace tw
