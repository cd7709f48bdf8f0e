#include "app/general_settings.h"

#include <cctype>
#include <cstdlib>
#include <initializer_list>

#include "framework/settings.h"

namespace tw {

namespace {

constexpr int kMaxAutoSaveMinutes = 1440;  // one day

RecalcTarget TargetOf(int value) { return static_cast<RecalcTarget>(value); }

// `stored` when it is one of `kept`, else `fallback`.
RecalcTarget KeepOr(int stored, std::initializer_list<int> kept, RecalcTarget fallback) {
    for (int k : kept) {
        if (stored == k) return TargetOf(stored);
    }
    return fallback;
}

int ReadInt(const ISettingsStore& store, const char* key, int fallback) {
    return store.GetInt(kGeneralSection, key, fallback);
}

}  // namespace

bool ReadFlag(const ISettingsStore& store, const std::string& key, bool fallback) {
    return store.GetString(kGeneralSection, key, fallback ? "TRUE" : "FALSE") == "TRUE";
}

bool WriteFlag(ISettingsStore& store, const std::string& key, bool on) {
    return store.WriteString(kGeneralSection, key, on ? "TRUE" : "FALSE");
}

bool WriteAutoSaveMinutes(ISettingsStore& store, int minutes) {
    return store.WriteString(kGeneralSection, "AutoSaveMinutes", std::to_string(minutes));
}

int ParseAutoSaveMinutes(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') return 0;
        ++i;
    }
    long long value = 0;
    bool digits = false;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        digits = true;
        value = value * 10 + (text[i] - '0');
        if (value > kMaxAutoSaveMinutes) return kMaxAutoSaveMinutes;
    }
    return digits ? static_cast<int>(value) : 0;
}

StartupChoice MapStartupChoice(int stored) {
    return stored == 1 || stored == 2 ? static_cast<StartupChoice>(stored)
                                      : StartupChoice::kNothing;
}

RecalcTarget MapStartAdjust(int stored) { return KeepOr(stored, {1, 3}, RecalcTarget::kElapsed); }
RecalcTarget MapStopAdjust(int stored) { return KeepOr(stored, {0, 3}, RecalcTarget::kElapsed); }
RecalcTarget MapElapsedAdjust(int stored) { return KeepOr(stored, {0, 3}, RecalcTarget::kStop); }
RecalcTarget MapPausedAdjust(int stored) { return KeepOr(stored, {0, 1}, RecalcTarget::kElapsed); }
RecalcTarget MapGeneralAdjust(int stored) {
    return KeepOr(stored, {0, 1, 3}, RecalcTarget::kElapsed);
}

GeneralSettings ReadGeneralSettings(const ISettingsStore& store) {
    GeneralSettings s;
    s.hideToolBar = ReadFlag(store, "hideToolbar", false);
    s.hideStatusBar = ReadFlag(store, "hideStatusBar", false);
    s.autoSave = ReadFlag(store, "AutoSave", false);
    s.autoSaveMinutes =
        ParseAutoSaveMinutes(store.GetString(kGeneralSection, "AutoSaveMinutes", "0"));
    s.startup = MapStartupChoice(ReadInt(store, "FileOpenOption", 0));
    s.startAdjust = MapStartAdjust(ReadInt(store, "StartAdjust", 2));
    s.stopAdjust = MapStopAdjust(ReadInt(store, "StopAdjust", 2));
    s.elapsedAdjust = MapElapsedAdjust(ReadInt(store, "ElapsedAdjust", 1));
    s.pausedAdjust = MapPausedAdjust(ReadInt(store, "PausedAdjust", 2));
    s.generalAdjust = MapGeneralAdjust(ReadInt(store, "GeneralAdjust", 2));
    s.autoAdjust = ReadFlag(store, "AutoAdjust", false);
    s.confirmDelete = ReadFlag(store, "DisplayDeleteTimeRecConfirmDlg", true);
    return s;
}

std::vector<std::string> ReadReopenPaths(const ISettingsStore& store) {
    std::vector<std::string> paths;
    const int count = ReadInt(store, "numDocPaths", 0);
    for (int i = 1; i <= count; ++i) {
        std::string path = store.GetString(kGeneralSection, "DocFileName" + std::to_string(i), "");
        if (!path.empty()) paths.push_back(std::move(path));
    }
    return paths;
}

bool WriteReopenPaths(ISettingsStore& store, const std::vector<std::string>& paths) {
    bool ok = store.WriteInt(kGeneralSection, "numDocPaths", static_cast<int>(paths.size()));
    for (size_t i = 0; i < paths.size(); ++i) {
        ok = store.WriteString(kGeneralSection, "DocFileName" + std::to_string(i + 1), paths[i]) &&
             ok;
    }
    return ok;
}

}  // namespace tw
