// A test parent window that hosts a real DataTbl32 grid loaded from dtbl32.dll and records
// the grid's notifications in order, with the notification row and column of each.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "view/grid_interface.h"
#include "view/win32/grid_wrapper.h"

namespace tw {
namespace test {

struct RecordedNotification {
    unsigned code;
    long row;
    long column;
    bool operator==(const RecordedNotification& o) const {
        return code == o.code && row == o.row && column == o.column;
    }
};

class GridFixture : public ::testing::Test {
protected:
    static constexpr int kGridId = 197;
    void SetUp() override;
    void TearDown() override;

    // Sets the grid up as the time table does: 15 columns with types, flags, sizes and names.
    void SetupTimeTable();
    // Appends a time-table row; returns its index.
    long AppendRow(int key, const char* project, const char* notes = "", int mark = 0,
                   uint16_t date = grid::PackDosDate(2024, 3, 5),
                   uint16_t time = grid::PackDosTime(9, 30, 0));
    // Key of `row` read through the current cell, as the view reads it.
    int KeyOfRow(int row);
    std::string TextCell(int row, int col);
    std::vector<unsigned> Codes() const;
    // Client point inside the cell (row, col); row kHeaderRow / col kSelectorColumn allowed.
    POINT CellPoint(int row, int col);
    void Click(int row, int col, WPARAM keys = 0);

    HWND parent_ = nullptr;
    HWND hwnd_ = nullptr;
    CGridCtrl grid_;
    std::vector<RecordedNotification> notifications_;
    // Called for every notification, after it is recorded.
    std::function<void(unsigned code)> onNotify_;
};

}  // namespace test
}  // namespace tw
