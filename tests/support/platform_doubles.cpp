#include "tests/support/platform_doubles.h"

namespace tw {

void RecordingMessageBox::ShowMessage(const std::string& text) { shown_.push_back(text); }

const std::string& RecordingMessageBox::Last() const {
    static const std::string kNone;
    return shown_.empty() ? kNone : shown_.back();
}

}  // namespace tw
