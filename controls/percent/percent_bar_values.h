#pragma once
// The percent bar's settings: limit and progress, colours, fonts, border kind and the three
// optional parts. Each handler serves both the exported function and the private message and
// returns 1 when done, 0 for an unknown colour index or border kind.

#include "controls/percent/percent_bar_state.h"

namespace tw {

// The optional parts and their style bits.
enum class BarFeature { TickMarks, ScaleLabels, Percentage };

// pbSetLimit: stores the limit, cuts a progress above it, repaints.
LRESULT PCT_SetLimit(PercentBarState& s, LONG limit);
// pbSetProgress: stores the progress cut to the limit, repaints the bar area.
LRESULT PCT_SetProgress(PercentBarState& s, LONG progress);
LRESULT PCT_GetProgress(const PercentBarState& s);
LRESULT PCT_GetLimit(const PercentBarState& s);

// pbSetColor: index 0 highlight, 1 shadow, 2 background, 4 text, 8 face, 16 bar; repaints.
LRESULT PCT_SetColor(PercentBarState& s, int index, DWORD color);
// pbSetPercentFont: the percentage's font (null: the stock system font); repaints.
LRESULT PCT_SetPercentFont(PercentBarState& s, HFONT font);
// WM_SETFONT: the scale labels' font (null: the stock system font); repaints when asked.
LRESULT PCT_SetLabelFont(PercentBarState& s, HFONT font, bool redraw);

// pbSetBorderStyle: kind 0..3 and its style bit (1: 0x0004, 2: 0x0002, 3: 0x0001); repaints.
LRESULT PCT_SetBorderStyle(PercentBarState& s, int kind);
// pbEnableTickMarks, pbEnableText, pbEnablePercent: the flag and its style bit; repaints.
LRESULT PCT_EnableFeature(PercentBarState& s, BarFeature feature, BOOL enable);

}  // namespace tw
