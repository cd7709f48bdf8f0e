// samplegen: writes one sample document per file layout, from the layout tables of the file
// format, into a samples folder and a fuzz seed corpus folder, and a few larger documents into
// the corpus only (many records, long lists, names and notes at and past their limits, every
// rate choice) for the fuzzer to start from.
//   samplegen <samples dir> <corpus dir>

#include <cstdio>
#include <string>
#include <vector>

#include "tools/samplegen/sample_bytes.h"

namespace tw::samplegen {
namespace {

// Which groups of the file a layout holds, from the newest to the oldest.
enum class Shape { kCurrent, kWindows11, kWindows10, kLite, kWorkmeter12, kWorkmeter10 };

struct Layout {
    const char* fileName;
    const char* signature;
    const char* version;
    Shape shape;
    unsigned incrementMode;  // odd values exercise the reader's conversions
    unsigned hundredths;
    float oldFileRate;
    int recordCount;
};

const Layout kLayouts[] = {
    {"00-workmeter-1.0.1.tw", "Workmeter", "1.0.1", Shape::kWorkmeter10, 1, 5, 20.0f, 4},
    {"01-workmeter-1.0.2.tw", "Workmeter", "1.0.2", Shape::kWorkmeter10, 1, 5, 21.0f, 4},
    {"02-workmeter-1.0.3.tw", "Workmeter", "1.0.3", Shape::kWorkmeter10, 1, 5, 22.0f, 4},
    {"03-workmeter-1.1.0.tw", "Workmeter", "1.1.0", Shape::kWorkmeter12, 3, 5, 24.0f, 5},
    {"04-workmeter-1.2.0.tw", "Workmeter", "1.2.0", Shape::kWorkmeter12, 2, 5, 25.0f, 5},
    {"05-lite-2.0.0.tw", "Tallywick Lite", "2.0.0", Shape::kLite, 4, 10, 30.0f, 6},
    {"06-lite-2.0.1.tw", "Tallywick Lite", "2.0.1", Shape::kLite, 0, 5, 31.0f, 6},
    {"07-lite-2.0.2.tw", "Tallywick Lite", "2.0.2", Shape::kLite, 1, 25, 32.0f, 6},
    {"08-windows-1.0.0.tw", "Tallywick Windows", "1.0.0", Shape::kWindows10, 4, 2, 0.0f, 8},
    {"09-windows-1.0.1.tw", "Tallywick Windows", "1.0.1", Shape::kWindows10, 1, 5, 0.0f, 8},
    {"10-windows-1.1.0.tw", "Tallywick Windows", "1.1.0", Shape::kWindows11, 7, 150, 0.0f, 10},
    {"11-windows-1.1.1.tw", "Tallywick Windows", "1.1.1", Shape::kWindows11, 3, 5, 0.0f, 10},
    {"12-windows-1.2.0.tw", "Tallywick Windows", "1.2.0", Shape::kCurrent, 1, 5, 0.0f, 30},
};

// What a corpus-only document adds to its layout's sample.
struct Extras {
    unsigned rateSource = 0;    // 0 projects, 1 categories, 2 clients
    unsigned includeRates = 1;  // rates shown in the item menus
    int moreItems = 0;          // items appended to each list (every fifth an empty slot)
    bool longTexts = false;     // notes and names at and past the lengths the program keeps
};

struct RichSeed {
    const char* fileName;
    int layout;  // index into kLayouts
    int recordCount;
    Extras extras;
};

const RichSeed kRichSeeds[] = {
    {"20-rich-windows-1.2.0.tw", 12, 150, {1, 1, 40, true}},
    {"21-rich-windows-1.2.0.tw", 12, 60, {2, 0, 12, true}},
    {"22-rich-windows-1.1.1.tw", 11, 60, {0, 0, 12, true}},
    {"23-rich-windows-1.0.1.tw", 9, 60, {2, 1, 12, true}},
    {"24-rich-lite-2.0.2.tw", 7, 100, {0, 1, 0, true}},
    {"25-rich-workmeter-1.0.3.tw", 2, 100, {0, 1, 0, true}},
};

struct Item {
    const char* name;  // null: an empty slot
    float rate;
};

const std::vector<Item> kProjects = {
    {" ", 0}, {"Website redesign", 45}, {"Mobile app", 60}, {nullptr, 0}, {"Support", 35}};
const std::vector<Item> kCategories = {
    {" ", 0}, {"Design", 40}, {"Development", 55}, {"Meetings", 30}};
const std::vector<Item> kClients = {
    {" ", 0}, {"Acme Corp", 50}, {"Birch & Co", 65}, {"Cedar Ltd", 42}};

const char* const kNotes[] = {
    "Kick-off call, agreed on scope", "Wireframes for the landing page",
    "Fixed login bug on Android",     "Weekly status meeting",
    "Reviewed pull requests",         "Customer ticket #4411: export fails",
    "Style guide, colours and fonts", "",
    "Release build and smoke test",   "Notes with\ttab and \"quotes\"",
};

const int kColumnWidths[14] = {33, 29, 33, 29, 24, 24, 32, 32, 32, 32, 32, 24, 10, 140};
const int kDataJustify[14] = {0, 0, 0, 0, 0, 0, 128, 128, 0, 0, 0, 0, 64, 0};
const int kHeaderJustify[14] = {256, 256, 256, 256, 0, 0, 256, 256, 256, 256, 256, 256, 256, 0};

constexpr int32_t kFirstDay = 1793577600;  // 2026-11-02 00:00:00 UTC, a Monday
constexpr int kProjectCycle[3] = {1, 2, 4};

struct Record {
    int32_t start, stop, paused;
    std::string notes;
    unsigned project, category, client, mark;
    float ownRate, expense;
};

// A text of `length` characters cycling through a sentence.
std::string LongText(const char* stem, size_t length) {
    std::string text;
    while (text.size() < length) text += stem;
    text.resize(length);
    return text;
}

// The i-th sample record: weekdays over a few weeks, two or three spans a day.
Record MakeRecord(int i, bool longTexts = false) {
    Record r;
    const int day = (i / 2) + 2 * (i / 10);  // skip weekends roughly
    const int startMinute = 8 * 60 + 30 + (i % 2) * 300 + (i % 3) * 20;
    r.paused = (i % 4 == 0) ? 10 * 60 : 0;
    r.start = kFirstDay + day * 86400 + startMinute * 60 + (i % 5) * 7;
    r.stop = r.start + (45 + (i * 37) % 180) * 60 + r.paused + (i % 3) * 13;
    r.notes = kNotes[i % 10];
    if (longTexts && i % 10 == 4) r.notes = LongText("Long note, ", i % 20 == 4 ? 255 : 300);
    r.project = kProjectCycle[i % 3];
    r.category = 1 + (i % 3);
    r.client = (i % 7 == 3) ? 0 : 1 + (i % 3);
    r.mark = (i % 4 == 1) ? 1 : 0;
    r.ownRate = (i % 7 == 6) ? 80.0f : -1.0f;
    r.expense = (i % 5 == 2) ? 12.5f : 0.0f;
    return r;
}

void WriteRecordBody(SampleBytes& b, const Record& r, Shape shape) {
    b.I32(r.start);
    b.I32(r.stop);
    b.I32(r.paused);
    b.Str(r.notes);
    if (shape == Shape::kLite || shape == Shape::kWorkmeter12 || shape == Shape::kWorkmeter10)
        return;
    b.U16(r.project);
    b.U16(r.category);
    b.U16(r.client);
    b.U16(r.mark);
    b.F32(r.ownRate);
    if (shape == Shape::kWindows10) return;
    b.F32(r.expense);
}

void WriteRecords(SampleBytes& b, const Layout& l, int count, const Extras& x) {
    b.Count(static_cast<uint32_t>(count));
    for (int i = 0; i < count; ++i) {
        b.ObjectTag("CTimeRec");
        WriteRecordBody(b, MakeRecord(i, x.longTexts), l.shape);
    }
}

void WriteItem(SampleBytes& b, const std::string& name, float rate) {
    b.ObjectTag("CProjectCost");
    b.Str(name);
    b.F32(rate);
}

// The j-th appended item: an empty slot every fifth, long names (63 characters, the most
// kept, and 300, cut on reading) every seventh.
void WriteMoreItem(SampleBytes& b, int j, const Extras& x) {
    if (j % 5 == 4) {
        b.EmptySlot();
        return;
    }
    std::string name = "Item " + std::to_string(j + 1);
    if (x.longTexts && j % 7 == 0) name = LongText("Long name ", j % 14 == 0 ? 63 : 300);
    WriteItem(b, name, static_cast<float>(10 + j % 9 * 5));
}

void WriteList(SampleBytes& b, const std::vector<Item>& items, const Extras& x) {
    b.Count(static_cast<uint32_t>(items.size() + x.moreItems));
    for (const Item& item : items) {
        if (item.name == nullptr)
            b.EmptySlot();
        else
            WriteItem(b, item.name, item.rate);
    }
    for (int j = 0; j < x.moreItems; ++j) WriteMoreItem(b, j, x);
}

void WriteLists(SampleBytes& b, const Extras& x) {
    WriteList(b, kProjects, x);
    WriteList(b, kCategories, x);
    WriteList(b, kClients, x);
}

void WriteTimeDisplay(SampleBytes& b, const Layout& l) {
    b.U16(l.incrementMode);
    b.U16(0);  // decimal notation
    b.U16(l.hundredths);
}

void WriteRates(SampleBytes& b, const Extras& x) {
    b.U16(x.rateSource);
    b.U16(x.includeRates);
    b.U16(0);  // always sort items
}

// Present, show state, minimised and maximised positions, normal rectangle: 36 bytes.
void WritePlacementHead(SampleBytes& b) {
    b.U16(1);
    b.U16(1);
    for (int v : {-1, -1, -1, -1, 20, 20, 860, 560}) b.I32(v);
}

void WriteSort(SampleBytes& b) {
    for (unsigned v : {1u, 1u, 1u, 0u, 0u, 0u, 1u, 0u, 0u, 0u, 0u, 0u}) b.U16(v);
}

void WriteColumnSettings(SampleBytes& b) {
    for (int c = 0; c < 14; ++c) b.U16(0);
    for (int v : kDataJustify) b.U16(static_cast<unsigned>(v));
    for (int v : kHeaderJustify) b.U16(static_cast<unsigned>(v));
    for (int c = 0; c < 14; ++c) b.Str(c == 13 ? "What was done" : "");
}

void WriteExportAndPrint(SampleBytes& b) {
    for (int c = 0; c < 14; ++c) b.U16(1);
    for (unsigned v : {1u, 1u, 1u, 1u, 0u}) b.U16(v);  // new file .. remove carriage returns
    b.U16(1);                                          // totals mode: all records
    for (int c = 0; c < 14; ++c) b.U16(c == 5 ? 0 : 1);
    for (unsigned v : {1u, 0u, 1u, 1u, 1u, 100u, 400u, 0u}) b.U16(v);
    b.Str("Courier New");
    b.U16(1);
    b.Str("Timesheet November");
}

// Items 3 to 16 of the newer layouts.
void WriteWindowsBody(SampleBytes& b, const Layout& l, int count, const Extras& x) {
    WriteTimeDisplay(b, l);
    b.U16(1);  // notes on next line
    WriteRates(b, x);
    for (int w : kColumnWidths) b.U16(static_cast<unsigned>(w));
    WritePlacementHead(b);
    b.U16(0);  // compacted
    b.I32(20);
    b.I32(20);
    WriteSort(b);
    for (unsigned v : {0xFFFFu, 0xFFFFu}) b.U16(v);
    b.I32(0);
    b.I32(0);
    b.U16(0);
    b.U16(0);
    WriteColumnSettings(b);
    WriteExportAndPrint(b);
    WriteLists(b, x);
    WriteRecords(b, l, count, x);
}

void WriteCurrentTail(SampleBytes& b) {
    b.U16(0);                                          // export layout for the older reporting tool
    for (unsigned v : {0u, 1u, 1u, 2u, 1u}) b.U16(v);  // mark, mode, project, category, client
    Record templ = MakeRecord(3);
    WriteRecordBody(b, templ, Shape::kCurrent);
}

void WriteWindows10(SampleBytes& b, const Layout& l, int count, const Extras& x) {
    WriteTimeDisplay(b, l);
    b.U16(0);  // notes on next line
    WriteRates(b, x);
    for (int c : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 13})
        b.U16(static_cast<unsigned>(kColumnWidths[c] + 1));
    WritePlacementHead(b);
    b.U16(0);  // compacted
    WriteSort(b);
    WriteLists(b, x);
    WriteRecords(b, l, count, x);
}

std::vector<uint8_t> MakeSample(const Layout& l, int count, const Extras& x) {
    SampleBytes b;
    b.Str(l.signature);
    b.Str(l.version);
    switch (l.shape) {
        case Shape::kCurrent:
            WriteWindowsBody(b, l, count, x);
            WriteCurrentTail(b);
            break;
        case Shape::kWindows11: WriteWindowsBody(b, l, count, x); break;
        case Shape::kWindows10: WriteWindows10(b, l, count, x); break;
        case Shape::kLite:
            b.F32(l.oldFileRate);
            WriteTimeDisplay(b, l);
            b.U16(1);
            WriteRecords(b, l, count, x);
            break;
        case Shape::kWorkmeter12:
            b.F32(l.oldFileRate);
            WriteTimeDisplay(b, l);
            WriteRecords(b, l, count, x);
            break;
        case Shape::kWorkmeter10:
            b.F32(l.oldFileRate);
            WriteRecords(b, l, count, x);
            break;
    }
    return b.Bytes();
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace
}  // namespace tw::samplegen

int main(int argc, char** argv) {
    using namespace tw::samplegen;
    if (argc != 3) {
        std::fprintf(stderr, "usage: samplegen SAMPLES_DIR CORPUS_DIR\n");
        return 1;
    }
    for (const Layout& l : kLayouts) {
        const std::vector<uint8_t> bytes = MakeSample(l, l.recordCount, Extras());
        const bool current = l.shape == Shape::kCurrent;
        const std::string sample = std::string(argv[1]) +
                                   (current ? "/consulting.tw" : "/layouts/") +
                                   (current ? "" : l.fileName);
        const std::string seed = std::string(argv[2]) + "/" + l.fileName;
        if (!WriteFile(sample, bytes) || !WriteFile(seed, bytes)) {
            std::fprintf(stderr, "samplegen: cannot write %s\n", l.fileName);
            return 1;
        }
    }
    for (const RichSeed& rich : kRichSeeds) {
        const std::vector<uint8_t> bytes =
            MakeSample(kLayouts[rich.layout], rich.recordCount, rich.extras);
        if (!WriteFile(std::string(argv[2]) + "/" + rich.fileName, bytes)) {
            std::fprintf(stderr, "samplegen: cannot write %s\n", rich.fileName);
            return 1;
        }
    }
    return 0;
}
