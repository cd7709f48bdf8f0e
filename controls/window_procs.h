#pragma once
// The window procedures of the eleven classes, exported under these names; each lives in its
// family's folder.

#include <windows.h>

extern "C" {
LRESULT CALLBACK TarnButtonWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnNumEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnDateEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnTimeEditWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnFontSelectWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnDialWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnUDLRWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnPctBarWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnHierListWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnCalctlWinFn(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK TarnCBFunction(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
}
