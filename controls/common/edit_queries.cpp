// Read-only answers of the edit controls (see edit_queries.h).

#include "controls/common/edit_queries.h"

#include "controls/borders.h"

namespace tw {
namespace {

constexpr LRESULT kCalTimeRecordType = 11;
constexpr DWORD kCalTimeRecordSize = 36;

}  // namespace

int EDIT_IsNull(const EditCore& core) { return core.isNull ? 1 : 0; }

int EDIT_OkToChange(const EditCore&) { return 1; }

int EDIT_GetMinHeight(const EditCore& core) {
    return core.metrics.height + BorderAllowance(static_cast<int>(core.borderKind));
}

LPSTR EDIT_GetDisplayString(const EditCore& core, LPSTR buffer) {
    if (!buffer) return nullptr;
    lstrcpynA(buffer, core.display, sizeof core.display);
    return buffer;
}

LRESULT EDIT_GetCalTimeType(DWORD* size) {
    if (size) *size = kCalTimeRecordSize;
    return kCalTimeRecordType;
}

}  // namespace tw
