// Read-only answers of the edit controls (see edit_queries.h).

#include "controls/common/edit_queries.h"

namespace tw {
namespace {

constexpr LRESULT kCalTimeRecordType = 11;
constexpr DWORD kCalTimeRecordSize = 36;

}  // namespace

int EDIT_IsNull(const EditCore& core) { return core.isNull ? 1 : 0; }

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
