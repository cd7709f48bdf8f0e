#include "doc/project_cost.h"

#include "framework/archive.h"

namespace tw {

TW_IMPLEMENT_SERIAL(CProjectCost, 1)

CProjectCost::CProjectCost(std::string_view name, float rate) : name_(name), rate_(rate) {}

void CProjectCost::SetName(std::string_view name) { name_ = std::string(name.substr(0, kMaxName)); }

void CProjectCost::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteString(name_);
        ar.WriteF32(rate_);
    } else {
        name_ = ar.ReadString();
        rate_ = ar.ReadF32();
    }
}

}  // namespace tw
