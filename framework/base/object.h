#pragma once
// The root of the framework's classes, with run-time class information.

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    int m_nObjectSize;
    unsigned m_wSchema;              // 0xFFFF: not serialisable
    CObject* (*m_pfnCreateObject)(); // null: not creatable by name
    const CRuntimeClass* m_pBaseClass;

    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
};

class CObject {
  public:
    static const CRuntimeClass classCObject;
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const { return &classCObject; }
    virtual void Serialize(CArchive&) {}
    bool IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

  protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                                                       \
  public:                                                                                          \
    static const CRuntimeClass class##cls;                                                         \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_SERIAL(cls)                                                                        \
    DECLARE_DYNAMIC(cls)                                                                           \
    static CObject* CreateObject();

#define IMPLEMENT_RUNTIMECLASS(cls, base, schema, create)                                          \
    const CRuntimeClass cls::class##cls = {#cls, sizeof(cls), schema, create,                      \
                                           RUNTIME_CLASS(base)};                                   \
    const CRuntimeClass* cls::GetRuntimeClass() const {                                            \
        return &cls::class##cls;                                                                   \
    }

#define IMPLEMENT_DYNAMIC(cls, base) IMPLEMENT_RUNTIMECLASS(cls, base, 0xFFFF, nullptr)

#define IMPLEMENT_SERIAL(cls, base, schema)                                                        \
    CObject* cls::CreateObject() {                                                                 \
        return new cls;                                                                            \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(cls, base, schema, cls::CreateObject)
