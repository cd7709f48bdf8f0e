#include "tools/twtool/summary_command.h"

#include <cctype>

#include "doc/document.h"
#include "doc/project_cost.h"
#include "framework/local_time.h"
#include "tools/twtool/document_io.h"
#include "tools/twtool/summary_report.h"

namespace tw::twtool {

namespace {

struct SummaryOptions {
    std::string path;
    int fromDay = 0;       // first start date taken, as YYYYMMDD
    int toDay = 99999999;  // last start date taken
    int list = kProjectList;
    bool markedOnly = false;
    bool csv = false;
};

// A date written YYYY-MM-DD as the number YYYYMMDD; false for anything else.
bool ParseDay(const std::string& text, int& day) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
    const int year = std::stoi(text.substr(0, 4));
    const int month = std::stoi(text.substr(5, 2));
    const int dayOfMonth = std::stoi(text.substr(8, 2));
    if (month < 1 || month > 12 || dayOfMonth < 1 || dayOfMonth > DaysInMonth(year, month))
        return false;
    day = year * 10000 + month * 100 + dayOfMonth;
    return true;
}

bool ParseList(const std::string& text, int& list) {
    static const char* const kNames[] = {"project", "category", "client"};
    for (int i = 0; i < kItemListCount; ++i) {
        if (text == kNames[i]) {
            list = i;
            return true;
        }
    }
    return false;
}

// One option with its value; false, with the error, for an unknown option or a bad value.
bool ParseOption(const std::string& name, const std::string* value, SummaryOptions& options,
                 std::string& error) {
    if (name == "--marked") return options.markedOnly = true;
    if (name == "--csv") return options.csv = true;
    if (name != "--from" && name != "--to" && name != "--by") {
        error = "unknown option " + name;
        return false;
    }
    bool ok = value != nullptr;
    if (ok && name == "--by") ok = ParseList(*value, options.list);
    if (ok && name != "--by")
        ok = ParseDay(*value, name == "--from" ? options.fromDay : options.toDay);
    if (!ok) {
        error = name == "--by" ? "--by takes project, category or client"
                               : name + " takes a date as YYYY-MM-DD";
    }
    return ok;
}

bool ParseArgs(const std::vector<std::string>& args, SummaryOptions& options, std::string& error) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) {
            if (!options.path.empty()) return error = "one document only", false;
            options.path = arg;
            continue;
        }
        const bool takesValue = arg == "--from" || arg == "--to" || arg == "--by";
        const std::string* value = takesValue && i + 1 < args.size() ? &args[i + 1] : nullptr;
        if (!ParseOption(arg, value, options, error)) return false;
        if (takesValue) ++i;
    }
    if (options.path.empty()) error = "no document named";
    return !options.path.empty();
}

int StartDay(const CTimeRec& record) {
    const LocalParts p = SplitLocalTime(record.GetStart());
    return p.year * 10000 + p.month * 100 + p.day;
}

std::string ItemName(const CWorkmetrDoc& doc, int list, int slot) {
    const CProjectCost* item = (*doc.GetItemList(list))[size_t(slot)].get();
    return slot == 0 || item == nullptr || item->GetName().empty() ? "(none)" : item->GetName();
}

ReportRow TotalsRow(const CWorkmetrDoc& doc, const std::string& name, const RecordTotals& t) {
    const CDisplayFormats& formats = doc.Formats();
    return {name, std::to_string(t.count), formats.FormatDuration(t.time, false),
            formats.FormatMoney(t.charge), formats.FormatMoney(t.expense)};
}

// The header, one row per item with records in the selection, and the grand total.
std::vector<ReportRow> SummaryRows(const CWorkmetrDoc& doc, const SummaryOptions& options) {
    static const char* const kHeads[] = {"Project", "Category", "Client"};
    const auto selected = [&](const CTimeRec& r) {
        const int day = StartDay(r);
        return (!options.markedOnly || r.GetMark() != 0) && day >= options.fromDay &&
               day <= options.toDay;
    };
    // A record whose index names no item counts with the blank item of slot 0.
    const auto slotOf = [&](const CTimeRec& r) {
        const int index = r.GetItemIndex(options.list);
        return doc.IsValidItemIndex(options.list, index) ? index : 0;
    };
    std::vector<ReportRow> rows = {{kHeads[options.list], "Records", "Time", "Charge", "Expense"}};
    const int slots = static_cast<int>(doc.GetItemList(options.list)->size());
    for (int slot = 0; slot < slots; ++slot) {
        if (slot > 0 && !doc.IsValidItemIndex(options.list, slot)) continue;
        const RecordTotals totals =
            doc.TotalsOf([&](const CTimeRec& r) { return selected(r) && slotOf(r) == slot; });
        if (totals.count > 0)
            rows.push_back(TotalsRow(doc, ItemName(doc, options.list, slot), totals));
    }
    rows.push_back(TotalsRow(doc, "Total", doc.TotalsOf(selected)));
    return rows;
}

}  // namespace

bool SummaryCommand(const std::vector<std::string>& args, std::string& report, std::string& error) {
    SummaryOptions options;
    if (!ParseArgs(args, options, error)) return false;
    CWorkmetrDoc doc;
    if (!OpenDocumentFile(options.path, doc, error)) return false;
    doc.EnsureBlankItems();
    const std::vector<ReportRow> rows = SummaryRows(doc, options);
    report = options.csv ? CsvTable(rows) : AlignedTable(rows);
    return true;
}

}  // namespace tw::twtool
