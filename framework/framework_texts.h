#pragma once
// Texts the framework shows itself; the program's own texts live in its string table.

namespace tw {

inline constexpr const char* kTextSaveChanges = "Save changes to %1?";
inline constexpr const char* kTextIntegerRange = "Please enter an integer between %1 and %2.";
inline constexpr const char* kTextMaxChars = "Please enter no more than %1 characters.";
inline constexpr const char* kTextPrintJobFailed = "Could not start print job.";
inline constexpr const char* kTextOpenFailed = "Failed to open document.";
inline constexpr const char* kTextSaveFailed = "Failed to save document.";
inline constexpr const char* kTextUntitled = "Untitled";
inline constexpr const char* kTextReady = "Ready";
inline constexpr const char* kTextPreviewPage = "Page %1";
inline constexpr const char* kTextPreviewPageOf = "Page %1 of %2";

}  // namespace tw
