#pragma once
// The fourteen column check boxes the Export and Print Preferences dialogs share: their ids in
// table column order, and their captions, which show the document's own header texts.

#include <windows.h>

#include <array>
#include <string>

#include "doc/document_settings.h"
#include "framework/win32/data_exchange.h"

namespace tw {

using ColumnTitles = std::array<std::string, kColumnCount>;

// The check box of each column, table column order.
const std::array<int, kColumnCount>& ColumnCheckBoxIds();

// The document's own header text of each column (empty where it has none).
ColumnTitles CustomColumnTitles(const DocumentSettings& settings);

// Gives each box whose column has an own header text that text as its caption.
void ShowColumnTitles(HWND dialog, const ColumnTitles& titles);

// Exchanges the fourteen boxes with `checked`, table column order.
void ExchangeColumnChecks(CDataExchange& dx, std::array<bool, kColumnCount>& checked);

}  // namespace tw
