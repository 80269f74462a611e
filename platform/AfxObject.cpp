#include "AfxObject.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// Function-local so that registration from any static initialiser finds it
// constructed.
std::vector<CRuntimeClass*>& RegisteredClasses()
{
    static std::vector<CRuntimeClass*> classes;
    return classes;
}

} // namespace

const CRuntimeClass CObject::classCObject = { "CObject", static_cast<int>(sizeof(CObject)), 0xFFFF, nullptr, nullptr };

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return RUNTIME_CLASS(CObject);
}

void CObject::Serialize(CArchive&) { }

void CObject::AssertValid() const { }

void CObject::Dump(CDumpContext&) const { }

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != 0xFFFF;
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

CObject* CRuntimeClass::CreateObject()
{
    return m_pfnCreateObject ? m_pfnCreateObject() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* cls = this; cls; cls = cls->m_pBaseClass) {
        if (cls == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    for (CRuntimeClass* cls : RegisteredClasses()) {
        if (std::strcmp(cls->m_lpszClassName, lpszClassName) == 0)
            return cls;
    }
    return nullptr;
}

CRuntimeClass* PASCAL CRuntimeClass::FromName(LPCWSTR lpszClassName)
{
    if (!lpszClassName)
        return nullptr;
    // Class names are plain ASCII identifiers; a wider character matches none.
    std::string narrow;
    for (const WCHAR* ch = lpszClassName; *ch; ++ch) {
        if (*ch < 1 || *ch > 0x7F)
            return nullptr;
        narrow.push_back(static_cast<char>(*ch));
    }
    return FromName(narrow.c_str());
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCSTR lpszClassName)
{
    CRuntimeClass* cls = FromName(lpszClassName);
    return cls ? cls->CreateObject() : nullptr;
}

CObject* PASCAL CRuntimeClass::CreateObject(LPCWSTR lpszClassName)
{
    CRuntimeClass* cls = FromName(lpszClassName);
    return cls ? cls->CreateObject() : nullptr;
}

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass)
{
    RegisteredClasses().push_back(pNewClass);
}
