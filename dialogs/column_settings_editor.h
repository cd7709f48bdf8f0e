#pragma once
// The Column Settings preferences: a working copy of the settings of all table columns, edited
// one column at a time through the page's controls. Switching columns keeps what was typed for
// the column left, so a header text survives a visit to another column; Cancel simply drops
// the copy.

#include <array>
#include <string>
#include <vector>

#include "doc/document_settings.h"

namespace tw {

using ColumnSettings = std::array<ColumnSetting, kColumnCount>;

// The state of the page's controls for one column.
struct ColumnControls {
    bool hidden = false;
    bool dataLeft = false, dataCenter = false, dataRight = false;
    bool headerLeft = false, headerCenter = false, headerRight = false;
    std::string headerText;
};

// The justification codes the radios read as: data Center, else Left, else Right; header
// Center, else Left, else Right, and Center when none is checked.
int DataJustifyOf(const ColumnControls& controls);
int HeaderJustifyOf(const ColumnControls& controls);
// The controls that show a column's setting.
ColumnControls ControlsOf(const ColumnSetting& setting);

class ColumnSettingsEditor {
public:
    explicit ColumnSettingsEditor(const ColumnSettings& columns) : columns_(columns) {}

    int Current() const { return current_; }
    const ColumnSettings& Columns() const { return columns_; }

    // Takes the controls into the current column.
    void Store(const ColumnControls& shown);
    // Stores the shown controls, then makes `column` current (a column out of range keeps the
    // current one) and answers the controls to show.
    ColumnControls Switch(const ColumnControls& shown, int column);
    // The current column back to its defaults (shown, left, justified as new documents have it,
    // default header text); answers the controls to show.
    ColumnControls ResetCurrent();

private:
    ColumnSettings columns_;
    int current_ = 0;
};

// What differs in one column between two sets of settings.
struct ColumnChange {
    int column = 0;
    bool hidden = false;
    bool dataJustify = false;
    bool headerJustify = false;
    bool headerText = false;
};

// The columns whose hidden flag, justification or header text differ, in column order.
std::vector<ColumnChange> ColumnChanges(const ColumnSettings& before, const ColumnSettings& after);

}  // namespace tw
