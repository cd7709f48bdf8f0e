#pragma once
// A PostScript printer for tests under Wine that writes every job to a file: Wine's PostScript
// driver (wineps.drv) with the generic PPD that Wine's winspool carries, on port LPT1:, whose
// output Wine's spooler sends to a Unix file named in HKCU\Software\Wine\Printing\Spooler.
// Set up on first use in the test prefix; nobody has to answer anything.

#include <windows.h>

#include <string>

namespace tw::test {

class WinePostScriptPrinter {
public:
    static constexpr const char* kName = "Tallywick PostScript";

    // Installs the driver and the printer when missing and sends the jobs to `windowsPath`.
    // False (with the reason in `why`) where it cannot be had, e.g. not under Wine.
    bool Install(const std::string& windowsPath, std::string& why);
    // A device context of the printer (the caller deletes it), or null.
    HDC CreateDC() const;
};

// The Unix path of a Windows path under Wine, or empty.
std::string UnixPathOf(const std::string& windowsPath);

}  // namespace tw::test
