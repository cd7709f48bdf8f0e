#pragma once
// Auto-repeat timing of the button from the system's raw keyboard settings. The keyboard-delay
// setting (0..3) and the keyboard-speed setting (0..31) are not milliseconds: the delay counts
// quarter seconds from 250 ms, the speed runs from about 2.5 to about 30 repeats a second.

namespace tw {

// The wait before the first repeat: (delay + 1) x 250 ms, the setting limited to 0..3.
int RepeatFirstDelayMs(int keyboardDelay);

// The period between repeats: 400 ms at speed 0 down to 33 ms at speed 31 (limited to 0..31).
int RepeatPeriodMs(int keyboardSpeed);

}  // namespace tw
