#include "framework/object.h"

#include <string>
#include <unordered_map>

namespace tw {

namespace {

// Built on first use, so registrations from other files' static initialisers find it ready.
std::unordered_map<std::string, const CRuntimeClass*>& Classes() {
    static std::unordered_map<std::string, const CRuntimeClass*> classes;
    return classes;
}

}  // namespace

void CObject::Serialize(CArchive&) {}

void ClassRegistry::Add(const CRuntimeClass* cls) {
    if (cls == nullptr || cls->className == nullptr) return;
    Classes().emplace(cls->className, cls);
}

const CRuntimeClass* ClassRegistry::Find(std::string_view className) {
    const auto& classes = Classes();
    const auto it = classes.find(std::string(className));
    return it == classes.end() ? nullptr : it->second;
}

std::unique_ptr<CObject> ClassRegistry::Create(std::string_view className) {
    const CRuntimeClass* cls = Find(className);
    if (cls == nullptr || cls->create == nullptr) return nullptr;
    return cls->CreateObject();
}

}  // namespace tw
