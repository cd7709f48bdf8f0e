#include "tools/twtool/dump_document.h"

#include <cstdio>
#include <string>

#include "doc/document.h"
#include "doc/local_time.h"
#include "doc/project_cost.h"
#include "tools/twtool/json_writer.h"

namespace tw::twtool {

namespace {

const char* const kListNames[kItemListCount] = {"projects", "categories", "clients"};

std::string LocalText(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                  p.minute, p.second);
    return text;
}

void Time(JsonWriter& json, const char* key, CalTime t) {
    json.Key(key).BeginObject();
    json.Key("local").String(LocalText(t));
    json.Key("seconds").Int(t);
    json.EndObject();
}

void TimeDisplay(JsonWriter& json, const DocumentSettings& s) {
    json.Key("time_display").BeginObject();
    json.Key("increment").Int(s.timeDisplay.increment);
    json.Key("decimal_notation").Bool(s.timeDisplay.decimalNotation);
    json.Key("hundredths").Int(s.timeDisplay.hundredths);
    json.EndObject();
    json.Key("rates").BeginObject();
    json.Key("rate_source").Int(s.rates.rateSource);
    json.Key("include_rates_in_menu").Bool(s.rates.includeRatesInMenu);
    json.Key("always_sort_items").Bool(s.rates.alwaysSortItems);
    json.Key("old_file_rate").Number(s.rates.oldFileRate);
    json.EndObject();
    json.Key("record_defaults").BeginObject();
    json.Key("use_defined_items").Bool(s.defaults.useDefinedItems);
    json.Key("mark").Int(s.defaults.mark);
    json.Key("project").Int(s.defaults.project);
    json.Key("category").Int(s.defaults.category);
    json.Key("client").Int(s.defaults.client);
    json.EndObject();
}

void Columns(JsonWriter& json, const DocumentSettings& s) {
    json.Key("columns").BeginArray();
    for (const ColumnSetting& c : s.columns) {
        json.BeginObject();
        json.Key("width").Int(c.width);
        json.Key("hidden").Bool(c.hidden);
        json.Key("data_justify").Int(c.dataJustify);
        json.Key("header_justify").Int(c.headerJustify);
        json.Key("custom_header").String(c.customHeader);
        json.Key("export").Bool(c.exported);
        json.Key("print").Bool(c.printed);
        json.EndObject();
    }
    json.EndArray();
    json.Key("sort").BeginArray();
    for (const SortLevel& l : s.sort) {
        json.BeginObject();
        json.Key("use").Bool(l.use);
        json.Key("column").Int(l.column);
        json.Key("ascending").Bool(l.ascending);
        json.Key("case_insensitive").Bool(l.caseInsensitive);
        json.EndObject();
    }
    json.EndArray();
}

void Output(JsonWriter& json, const DocumentSettings& s) {
    const ExportSettings& e = s.exporting;
    json.Key("export").BeginObject();
    json.Key("new_file").Bool(e.newFile);
    json.Key("all_records").Bool(e.allRecords);
    json.Key("header_row").Bool(e.headerRow);
    json.Key("totals_row").Bool(e.totalsRow);
    json.Key("remove_carriage_returns").Bool(e.removeCarriageReturns);
    json.Key("reports_layout").Bool(e.reportsLayout);
    json.EndObject();
    const PrintSettings& p = s.printing;
    json.Key("print").BeginObject();
    json.Key("notes_on_next_line").Bool(p.notesOnNextLine);
    json.Key("totals").Bool(p.totals);
    json.Key("blank_line_between").Bool(p.blankLineBetween);
    json.Key("column_names").Bool(p.columnNames);
    json.Key("page_header").Bool(p.pageHeader);
    json.Key("all_records").Bool(p.allRecords);
    json.Key("custom_header").Bool(p.customHeader);
    json.Key("custom_header_text").String(p.customHeaderText);
    json.Key("font_face").String(p.fontFace);
    json.Key("font_height").Int(p.fontHeight);
    json.Key("font_weight").Int(p.fontWeight);
    json.Key("font_italic").Bool(p.fontItalic);
    json.EndObject();
}

void Window(JsonWriter& json, const DocumentSettings& s) {
    const WindowPlacementState& w = s.placement;
    json.Key("placement").BeginObject();
    json.Key("valid").Bool(w.valid);
    json.Key("show_state").Int(w.showState);
    json.Key("min_position").BeginArray();
    json.Int(w.minPosition.x);
    json.Int(w.minPosition.y);
    json.EndArray();
    json.Key("max_position").BeginArray();
    json.Int(w.maxPosition.x);
    json.Int(w.maxPosition.y);
    json.EndArray();
    json.Key("normal").BeginArray();
    for (int32_t v : {w.normal.left, w.normal.top, w.normal.right, w.normal.bottom}) json.Int(v);
    json.EndArray();
    json.Key("compacted").Bool(w.compacted);
    json.EndObject();
    const SavedViewState& v = s.viewState;
    json.Key("view_state").BeginArray();
    for (int64_t value : {int64_t{v.first}, int64_t{v.second}, int64_t{v.third}, int64_t{v.fourth},
                          int64_t{v.fifth}, int64_t{v.sixth}})
        json.Int(value);
    json.EndArray();
    json.Key("totals_mode").Int(s.totalsMode);
}

void Lists(JsonWriter& json, const CWorkmetrDoc& doc) {
    json.Key("lists").BeginObject();
    for (int type = 0; type < kItemListCount; ++type) {
        json.Key(kListNames[type]).BeginArray();
        for (const auto& item : *doc.GetItemList(type)) {
            if (!item) {
                json.Null();
                continue;
            }
            json.BeginObject();
            json.Key("name").String(item->GetName());
            json.Key("rate").Number(item->GetRate());
            json.EndObject();
        }
        json.EndArray();
    }
    json.EndObject();
}

void DisplayTexts(JsonWriter& json, const CWorkmetrDoc& doc, const CTimeRec& r) {
    const CDisplayFormats& f = doc.Formats();
    const float rate = doc.EffectiveRate(r);
    json.Key("display").BeginObject();
    json.Key("elapsed").String(f.FormatDuration(r.GetElapsed(), false));
    json.Key("paused").String(f.FormatDuration(r.GetPaused(), false));
    json.Key("effective_rate").Number(rate);
    json.Key("charge").String(f.FormatCharge(r.GetElapsed(), rate));
    std::string text;
    for (int type = 0; type < kItemListCount; ++type) {
        doc.GetItemDisplayText(type, type == kProjectList    ? r.GetProjectIndex()
                                     : type == kCategoryList ? r.GetCategoryIndex()
                                                             : r.GetClientIndex(),
                               text);
        json.Key(kListNames[type]).String(text);
    }
    json.EndObject();
}

void Record(JsonWriter& json, const CWorkmetrDoc& doc, const CTimeRec& r) {
    json.BeginObject();
    Time(json, "start", r.GetStart());
    Time(json, "stop", r.GetStop());
    json.Key("elapsed").Int(r.GetElapsed());
    json.Key("paused").Int(r.GetPaused());
    json.Key("project").Int(r.GetProjectIndex());
    json.Key("category").Int(r.GetCategoryIndex());
    json.Key("client").Int(r.GetClientIndex());
    json.Key("own_rate").Number(r.GetOwnRate());
    json.Key("expense").Number(r.GetExpense());
    json.Key("mark").Int(r.GetMark());
    json.Key("notes").String(r.GetNotes());
    DisplayTexts(json, doc, r);
    json.EndObject();
}

void TotalsOf(JsonWriter& json, const CDisplayFormats& f, Duration time, float charge, float expense) {
    json.BeginObject();
    json.Key("time").Int(time);
    json.Key("time_text").String(f.FormatDuration(time, false));
    json.Key("charge").Number(charge);
    json.Key("charge_text").String(f.FormatMoney(charge));
    json.Key("expense").Number(expense);
    json.Key("expense_text").String(f.FormatMoney(expense));
    json.EndObject();
}

void Totals(JsonWriter& json, CWorkmetrDoc& doc) {
    json.Key("totals").BeginObject();
    json.Key("all");
    TotalsOf(json, doc.Formats(), doc.TotalAllTime(), doc.TotalAllCharge(), doc.TotalAllExpense());
    json.Key("marked");
    TotalsOf(json, doc.Formats(), doc.TotalMarkedTime(), doc.TotalMarkedCharge(), doc.TotalMarkedExpense());
    json.EndObject();
}

}  // namespace

void DumpDocument(CWorkmetrDoc& doc, JsonWriter& json) {
    const DocumentSettings& s = doc.Settings();
    json.BeginObject();
    json.Key("version_index").Int(doc.GetFileVersion());
    json.Key("settings").BeginObject();
    TimeDisplay(json, s);
    Columns(json, s);
    Output(json, s);
    Window(json, s);
    json.EndObject();
    Lists(json, doc);
    json.Key("records").BeginArray();
    for (int i = 0; i < doc.GetRecordCount(); ++i) Record(json, doc, *doc.GetRecord(i));
    json.EndArray();
    json.Key("template");
    Record(json, doc, doc.GetTemplateRecord());
    Totals(json, doc);
    json.EndObject();
}

}  // namespace tw::twtool
