// Read-only answers of the edit controls (see edit_queries.h).

#include "controls/common/edit_queries.h"

namespace tw {

int NullFlagOf(const EditCore* core)
{
    return !core || core->isNull ? 1 : 0;
}

LPSTR CopyDisplayString(const EditCore* core, LPSTR buffer)
{
    if (!core || !buffer)
        return nullptr;
    lstrcpynA(buffer, core->display, sizeof core->display);
    return buffer;
}

}  // namespace tw
