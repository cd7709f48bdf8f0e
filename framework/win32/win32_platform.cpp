#include "framework/win32/win32_platform.h"

#include "framework/file_replace.h"

namespace tw {

Win32Services& Win32PlatformServices() {
    static Win32Services services;
    return services;
}

void InstallWin32Platform() {
    Win32Services& s = Win32PlatformServices();
    Platform() = PlatformServices{&s.clock, &s.messages, &s.locale};
    SetFileReplaceService(&s.fileReplace);
}

}  // namespace tw
