#pragma once
// Colour values of the controls: bit 28 set means the bitwise NOT of a system colour index,
// resolved through the system colour table at each use; otherwise an RGB value.

#include <windows.h>

namespace tw {

constexpr DWORD kSystemColorFlag = 0x10000000;

constexpr DWORD SystemColorValue(int index) { return ~static_cast<DWORD>(index); }
constexpr bool IsSystemColorValue(DWORD value) { return (value & kSystemColorFlag) != 0; }

// The RGB value to paint with now.
COLORREF ResolveColor(DWORD value);

// A solid brush of the resolved colour; the caller deletes it.
HBRUSH CreateResolvedBrush(DWORD value);

}  // namespace tw
