#pragma once
// CProjectCost: one item of a project, category or client list, a name and an hourly rate.

#include <string>
#include <string_view>

#include "framework/object.h"

namespace tw {

class CProjectCost : public CObject {
    TW_DECLARE_SERIAL(CProjectCost)

public:
    static constexpr size_t kMaxName = 63;  // SetName keeps at most this many characters

    // Constructors
    CProjectCost() = default;                         // the blank item: " " at rate 0
    CProjectCost(std::string_view name, float rate);  // takes the name whole
    CProjectCost(const CProjectCost&) = default;
    CProjectCost& operator=(const CProjectCost&) = default;

    // Attributes
    const std::string& GetName() const { return name_; }
    float GetRate() const { return rate_; }

    // Operations
    void SetName(std::string_view name);  // cut to kMaxName characters
    void SetRate(float rate) { rate_ = rate; }

    // STR name, then F32 rate.
    void Serialize(CArchive& ar) override;

private:
    std::string name_ = " ";
    float rate_ = 0.0f;
};

}  // namespace tw
