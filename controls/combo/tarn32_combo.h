#pragma once
// Client interface of the combo box, window class "TarnComboBox32": the system combo box that
// remembers which window had the focus before it.

#include <windows.h>

/* Returns the low 16 bits of the window that lost the focus when the combo box last gained
   it; 0 when it never had the focus. */
#define TCBM_GETPREVFOCUS 0x400

#define TARN_COMBO_PROPERTY "TarnComboBoxProp"

#ifdef __cplusplus
extern "C" {
#endif

LRESULT CALLBACK TarnCBFunction(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

#ifdef __cplusplus
}
#endif
