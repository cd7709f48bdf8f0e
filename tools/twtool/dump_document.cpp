#include "tools/twtool/dump_document.h"

#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <string>

#include "doc/document.h"
#include "framework/local_time.h"
#include "doc/project_cost.h"
#include "tools/twtool/json_writer.h"

namespace tw::twtool {

namespace {

const char* const kListNames[kItemListCount] = {"projects", "categories", "clients"};

struct Field {
    const char* key;
    int64_t value;
};

void Ints(JsonWriter& json, std::initializer_list<Field> fields) {
    for (const Field& f : fields) json.Key(f.key).Int(f.value);
}

void Flags(JsonWriter& json, std::initializer_list<Field> fields) {
    for (const Field& f : fields) json.Key(f.key).Bool(f.value != 0);
}

std::string LocalText(CalTime t) {
    const LocalParts p = SplitLocalTime(t);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day,
                  p.hour, p.minute, p.second);
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
    Ints(json, {{"increment", s.timeDisplay.increment}, {"hundredths", s.timeDisplay.hundredths}});
    Flags(json, {{"decimal_notation", s.timeDisplay.decimalNotation}});
    json.EndObject();
    json.Key("rates").BeginObject();
    Ints(json, {{"rate_source", s.rates.rateSource}});
    Flags(json, {{"include_rates_in_menu", s.rates.includeRatesInMenu},
                 {"always_sort_items", s.rates.alwaysSortItems}});
    json.Key("old_file_rate").Number(s.rates.oldFileRate);
    json.EndObject();
    const RecordDefaults& d = s.defaults;
    json.Key("record_defaults").BeginObject();
    Flags(json, {{"use_defined_items", d.useDefinedItems}});
    Ints(
        json,
        {{"mark", d.mark}, {"project", d.project}, {"category", d.category}, {"client", d.client}});
    json.EndObject();
}

void Columns(JsonWriter& json, const DocumentSettings& s) {
    json.Key("columns").BeginArray();
    for (const ColumnSetting& c : s.columns) {
        json.BeginObject();
        Ints(json, {{"width", c.width},
                    {"data_justify", c.dataJustify},
                    {"header_justify", c.headerJustify}});
        Flags(json, {{"hidden", c.hidden}, {"export", c.exported}, {"print", c.printed}});
        json.Key("custom_header").String(c.customHeader);
        json.EndObject();
    }
    json.EndArray();
    json.Key("sort").BeginArray();
    for (const SortLevel& l : s.sort) {
        json.BeginObject();
        Flags(
            json,
            {{"use", l.use}, {"ascending", l.ascending}, {"case_insensitive", l.caseInsensitive}});
        Ints(json, {{"column", l.column}});
        json.EndObject();
    }
    json.EndArray();
}

void Output(JsonWriter& json, const DocumentSettings& s) {
    const ExportSettings& e = s.exporting;
    json.Key("export").BeginObject();
    Flags(json, {{"new_file", e.newFile},
                 {"all_records", e.allRecords},
                 {"header_row", e.headerRow},
                 {"totals_row", e.totalsRow},
                 {"remove_carriage_returns", e.removeCarriageReturns},
                 {"reports_layout", e.reportsLayout}});
    json.EndObject();
    const PrintSettings& p = s.printing;
    json.Key("print").BeginObject();
    Flags(json, {{"notes_on_next_line", p.notesOnNextLine},
                 {"totals", p.totals},
                 {"blank_line_between", p.blankLineBetween},
                 {"column_names", p.columnNames},
                 {"page_header", p.pageHeader},
                 {"all_records", p.allRecords},
                 {"custom_header", p.customHeader},
                 {"font_italic", p.fontItalic}});
    json.Key("custom_header_text").String(p.customHeaderText);
    json.Key("font_face").String(p.fontFace);
    Ints(json, {{"font_height", p.fontHeight}, {"font_weight", p.fontWeight}});
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
    Flags(json, {{"compacted", w.compacted}, {"explicit_min_position", w.explicitMinPosition}});
    json.Key("current_top_left").BeginArray();
    json.Int(w.currentTopLeft.x);
    json.Int(w.currentTopLeft.y);
    json.EndArray();
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
        doc.GetItemDisplayText(type,
                               type == kProjectList    ? r.GetProjectIndex()
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
    Ints(json, {{"elapsed", r.GetElapsed()},
                {"paused", r.GetPaused()},
                {"project", r.GetProjectIndex()},
                {"category", r.GetCategoryIndex()},
                {"client", r.GetClientIndex()}});
    json.Key("own_rate").Number(r.GetOwnRate());
    json.Key("expense").Number(r.GetExpense());
    json.Key("mark").Int(r.GetMark());
    json.Key("notes").String(r.GetNotes());
    DisplayTexts(json, doc, r);
    json.EndObject();
}

void TotalsOf(JsonWriter& json, const CDisplayFormats& f, Duration time, float charge,
              float expense) {
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
    TotalsOf(json, doc.Formats(), doc.TotalMarkedTime(), doc.TotalMarkedCharge(),
             doc.TotalMarkedExpense());
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
