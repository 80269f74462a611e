// CObject and run-time class records.
//
// A class record names its class, its size, its schema, how to create an
// object and its base class. IMPLEMENT_SERIAL also enters the record in the
// process-wide list, so that CRuntimeClass::FromName and
// CRuntimeClass::CreateObject(name) find it; IMPLEMENT_DYNAMIC and
// IMPLEMENT_DYNCREATE do not, as in MFC.
#pragma once

#include "AfxTypes.h"

class CObject;
class CArchive;
class CDumpContext;

struct CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema; // 0xFFFF for classes that are created but not serialised
    CObject* (*m_pfnCreateObject)(); // null for classes that cannot be created
    CRuntimeClass* m_pBaseClass;

    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // Only classes registered by IMPLEMENT_SERIAL are found by name.
    static CRuntimeClass* PASCAL FromName(LPCSTR lpszClassName);
    static CRuntimeClass* PASCAL FromName(LPCWSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCSTR lpszClassName);
    static CObject* PASCAL CreateObject(LPCWSTR lpszClassName);
};

// Enters a class record in the process-wide list; IMPLEMENT_SERIAL makes one
// per class as a static object.
struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
};

// The archive is a stand-in: the library declares Serialize overrides but
// never stores or loads anything.
class CArchive {
public:
    BOOL IsStoring() const { return FALSE; }
    BOOL IsLoading() const { return FALSE; }
};

class CDumpContext { };

class CObject {
public:
    static const CRuntimeClass classCObject;

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsSerializable() const;
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;

protected:
    CObject() = default;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                   \
public:                                               \
    static const CRuntimeClass class##class_name;     \
    virtual CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name)       \
    static CObject* PASCAL CreateObject();

#define DECLARE_SERIAL(class_name) DECLARE_DYNCREATE(class_name)

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                                   \
    const CRuntimeClass class_name::class##class_name = { #class_name, static_cast<int>(sizeof(class_name)),  \
        wSchema, pfnNew, RUNTIME_CLASS(base_class_name) };                                                     \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                 \
    CObject* PASCAL class_name::CreateObject() { return new class_name; } \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema)                        \
    CObject* PASCAL class_name::CreateObject() { return new class_name; }              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, class_name::CreateObject) \
    static const AFX_CLASSINIT _init_##class_name(RUNTIME_CLASS(class_name));
