#include "dialogs/column_settings_editor.h"

namespace tw {

namespace {

constexpr int kDataCenter = 0x40, kDataRight = 0x80;
constexpr int kHeaderCenter = 0x100, kHeaderRight = 0x200;

}  // namespace

int DataJustifyOf(const ColumnControls& c) {
    if (c.dataCenter) return kDataCenter;
    return c.dataLeft ? 0 : kDataRight;
}

int HeaderJustifyOf(const ColumnControls& c) {
    if (c.headerCenter) return kHeaderCenter;
    if (c.headerLeft) return 0;
    return c.headerRight ? kHeaderRight : kHeaderCenter;
}

ColumnControls ControlsOf(const ColumnSetting& setting) {
    ColumnControls c;
    c.hidden = setting.hidden;
    c.dataCenter = setting.dataJustify == kDataCenter;
    c.dataRight = setting.dataJustify == kDataRight;
    c.dataLeft = !c.dataCenter && !c.dataRight;
    c.headerCenter = setting.headerJustify == kHeaderCenter;
    c.headerRight = setting.headerJustify == kHeaderRight;
    c.headerLeft = !c.headerCenter && !c.headerRight;
    c.headerText = setting.customHeader;
    return c;
}

void ColumnSettingsEditor::Store(const ColumnControls& shown) {
    ColumnSetting& column = columns_[current_];
    column.hidden = shown.hidden;
    column.dataJustify = DataJustifyOf(shown);
    column.headerJustify = HeaderJustifyOf(shown);
    column.customHeader = shown.headerText;
}

ColumnControls ColumnSettingsEditor::Switch(const ColumnControls& shown, int column) {
    Store(shown);
    if (column >= 0 && column < kColumnCount) current_ = column;
    return ControlsOf(columns_[current_]);
}

ColumnControls ColumnSettingsEditor::ResetCurrent() {
    const ColumnSetting defaults = DocumentSettings::DefaultColumns()[current_];
    ColumnSetting& column = columns_[current_];
    column.hidden = false;
    column.dataJustify = defaults.dataJustify;
    column.headerJustify = defaults.headerJustify;
    column.customHeader.clear();
    return ControlsOf(column);
}

std::vector<ColumnChange> ColumnChanges(const ColumnSettings& before, const ColumnSettings& after) {
    std::vector<ColumnChange> changes;
    for (int c = 0; c < kColumnCount; ++c) {
        ColumnChange change;
        change.column = c;
        change.hidden = before[c].hidden != after[c].hidden;
        change.dataJustify = before[c].dataJustify != after[c].dataJustify;
        change.headerJustify = before[c].headerJustify != after[c].headerJustify;
        change.headerText = before[c].customHeader != after[c].customHeader;
        if (change.hidden || change.dataJustify || change.headerJustify || change.headerText)
            changes.push_back(change);
    }
    return changes;
}

}  // namespace tw
