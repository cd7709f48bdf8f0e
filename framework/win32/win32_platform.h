#pragma once
// Installs the Win32 clock, message box and locale formatter as the process-wide services.

#include "framework/win32/win32_clock.h"
#include "framework/win32/win32_locale_formatter.h"
#include "framework/win32/win32_message_box.h"

namespace tw {

struct Win32Services {
    Win32Clock clock;
    Win32MessageBox messages;
    Win32LocaleFormatter locale;
};

// The process-wide Win32 services (created on first use).
Win32Services& Win32PlatformServices();

// Makes Platform() use the Win32 services; the program calls this first thing at start-up.
void InstallWin32Platform();

}  // namespace tw
