#pragma once
// The four-way spin's rules: which arrow area of the 28 × 28 square a point falls on, the
// notification code of each area, and the auto-repeat timing from the system's keyboard
// settings. Portable.

namespace tw {

constexpr int kUdlrSide = 28;  // the control's pictures are this square

// The arrow areas, numbered as the control stores its pressed area.
enum class UdlrArea { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };
constexpr int kUdlrAreaCount = 5;  // with None: one picture each

// The area under (x, y): the four triangles between the square's diagonals; the diagonals
// themselves, the top row and points outside the square belong to none.
UdlrArea HitTestUdlr(int x, int y);

// The code the parent is told for an area: 100 up, 101 right, 102 down, 103 left; 0 for none.
int UdlrNotifyCode(UdlrArea area);

struct RepeatTiming {
    int firstDelayMs;  // from the press to the first repeat
    int periodMs;      // between repeats
};

// Repeat timing of the system's keyboard settings: the delay setting 0..3 stands for
// (delay + 1) × 250 ms, the speed setting 0..31 for about 2.5 to 30 repeats a second
// (400 to 33 ms). Settings outside their ranges are taken as the nearest end.
RepeatTiming KeyboardRepeatTiming(int delaySetting, int speedSetting);

}  // namespace tw
