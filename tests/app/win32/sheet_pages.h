#pragma once
// Helpers for scripts that drive a property sheet (see dialog_driver.h): the pages are reached
// as a user reaches them, by their tabs, and lists are chosen with the notification a click
// sends.

#include <windows.h>

#include <string>

namespace tw::test {

// Switches the sheet to page `index` (the page left takes its values out first) and answers
// the page shown: a page whose values fail their check stays.
HWND ShowPage(HWND sheet, int index);
HWND CurrentPage(HWND sheet);
// The text of the sheet's tab `index`.
std::string TabText(HWND sheet, int index);

// Chooses the entry of a drop-down list carrying `data` and tells the page, as a click does.
void ChooseData(HWND page, int id, LPARAM data);
// The data of the chosen entry (-1: none) and the text of entry `entry`.
LPARAM ChosenData(HWND page, int id);
std::string EntryText(HWND page, int id, int entry);
int EntryCount(HWND page, int id);
bool IsEnabled(HWND page, int id);

}  // namespace tw::test
