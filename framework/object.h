#pragma once
// The base of every serializable class: run-time class information (class name and schema
// number) and creation by class name through a process-wide registry of classes.
//
// A serializable class declares itself with TW_DECLARE_SERIAL(ClassName) in its class body and
// implements that with TW_IMPLEMENT_SERIAL(ClassName, schema) in its .cpp file; the latter also
// enters the class into the registry before main() runs and creates objects with the default
// constructor. A class that wants to make its objects for reading another way uses
// TW_IMPLEMENT_SERIAL_OWN_CREATE and defines `static std::unique_ptr<CObject> CreateObject()`.

#include <cstdint>
#include <memory>
#include <string_view>

namespace tw {

class CArchive;
class CObject;

// What a class tells about itself at run time.
struct CRuntimeClass {
    const char* className;                 // the name stored in files, e.g. "CTimeRec"
    uint16_t schema;                       // the schema number stored with the name
    std::unique_ptr<CObject> (*create)();  // makes a default-constructed object

    std::unique_ptr<CObject> CreateObject() const { return create(); }
};

class CObject {
public:
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const = 0;

    // Reads or writes the object's body; the archive says which. The base stores nothing.
    virtual void Serialize(CArchive& ar);

    // True when this object's class is exactly `cls`.
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass() == cls; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// The registry of serializable classes, filled by TW_IMPLEMENT_SERIAL.
class ClassRegistry {
public:
    // Enters a class; a second class of the same name is ignored.
    static void Add(const CRuntimeClass* cls);

    // The class of that name, or null when no class of the program has it.
    static const CRuntimeClass* Find(std::string_view className);

    // A new object of the named class, or null when the name is unknown.
    static std::unique_ptr<CObject> Create(std::string_view className);
};

// Helper object of TW_IMPLEMENT_SERIAL: its construction enters a class into the registry.
struct ClassRegistration {
    explicit ClassRegistration(const CRuntimeClass* cls) { ClassRegistry::Add(cls); }
};

}  // namespace tw

// In the class body (leaves the access at public).
#define TW_DECLARE_SERIAL(ClassName)                      \
public:                                                   \
    static const ::tw::CRuntimeClass classInfo;           \
    static std::unique_ptr<::tw::CObject> CreateObject(); \
    const ::tw::CRuntimeClass* GetRuntimeClass() const override;

// In the class's .cpp file, inside namespace tw.
#define TW_IMPLEMENT_SERIAL_OWN_CREATE(ClassName, schemaNumber)                          \
    const ::tw::CRuntimeClass ClassName::classInfo{#ClassName, schemaNumber,             \
                                                   &ClassName::CreateObject};            \
    const ::tw::CRuntimeClass* ClassName::GetRuntimeClass() const { return &classInfo; } \
    static const ::tw::ClassRegistration registration##ClassName(&ClassName::classInfo);

#define TW_IMPLEMENT_SERIAL(ClassName, schemaNumber)           \
    TW_IMPLEMENT_SERIAL_OWN_CREATE(ClassName, schemaNumber)    \
    std::unique_ptr<::tw::CObject> ClassName::CreateObject() { \
        return std::make_unique<ClassName>();                  \
    }
