// The framework's arrays: CArray, the typed arrays of pointers, DWORDs,
// UINTs and strings, and CTypedPtrArray.
//
// Every access by an index outside the array raises the invalid-argument
// exception (AfxThrowInvalidArgException) exactly where MFC raises it: the
// element accessors, SetAt, RemoveAt with a range that leaves the array,
// InsertAt at a negative index or with a count below one, SetSize below
// zero and Append of an array to itself. InsertAt past the end grows the
// array, with new elements value-initialised (zero for numbers and
// pointers), as MFC's zero-filled storage gives.
#pragma once

#include "AfxException.h"
#include "AfxObject.h"
#include "AfxString.h"

#include <vector>

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const noexcept { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const noexcept { return GetSize(); }
    BOOL IsEmpty() const noexcept { return m_data.empty(); }
    INT_PTR GetUpperBound() const noexcept { return GetSize() - 1; }

    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        (void)nGrowBy;
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        m_data.resize(static_cast<size_t>(nNewSize));
        if (nNewSize == 0)
            m_data.shrink_to_fit();
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll()
    {
        m_data.clear();
        m_data.shrink_to_fit();
    }

    const TYPE& GetAt(INT_PTR nIndex) const
    {
        CheckIndex(nIndex);
        return m_data[static_cast<size_t>(nIndex)];
    }
    TYPE& GetAt(INT_PTR nIndex)
    {
        CheckIndex(nIndex);
        return m_data[static_cast<size_t>(nIndex)];
    }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement)
    {
        CheckIndex(nIndex);
        m_data[static_cast<size_t>(nIndex)] = newElement;
    }
    const TYPE& ElementAt(INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& ElementAt(INT_PTR nIndex) { return GetAt(nIndex); }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return GetAt(nIndex); }

    const TYPE* GetData() const noexcept { return m_data.data(); }
    TYPE* GetData() noexcept { return m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement); // the argument may refer into this array
        if (nIndex >= GetSize())
            m_data.resize(static_cast<size_t>(nIndex) + 1);
        m_data[static_cast<size_t>(nIndex)] = std::move(copy);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(TYPE(newElement));
        return GetSize() - 1;
    }
    INT_PTR Append(const CArray& src)
    {
        if (this == &src)
            AfxThrowInvalidArgException();
        const INT_PTR oldSize = GetSize();
        m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        return oldSize;
    }
    void Copy(const CArray& src)
    {
        if (this != &src)
            m_data = src.m_data;
    }

    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount <= 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement);
        if (nIndex >= GetSize())
            m_data.resize(static_cast<size_t>(nIndex));
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (!pNewArray || nStartIndex < 0)
            AfxThrowInvalidArgException();
        if (pNewArray->GetSize() > 0) {
            const std::vector<TYPE> items(pNewArray->m_data);
            InsertAt(nStartIndex, items[0], static_cast<INT_PTR>(items.size()));
            for (size_t i = 0; i < items.size(); ++i)
                m_data[static_cast<size_t>(nStartIndex) + i] = items[i];
        }
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        // The end is checked by subtraction: nIndex + nCount can overflow,
        // which MSVC wraps but C++ leaves undefined.
        if (nIndex < 0 || nCount < 0 || nCount > GetSize() - nIndex)
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + (nIndex + nCount));
    }

private:
    void CheckIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
    }

    std::vector<TYPE> m_data;
};

class CObArray : public CArray<CObject*, CObject*> {
    DECLARE_SERIAL(CObArray)
};

class CPtrArray : public CArray<void*, void*> {
    DECLARE_DYNAMIC(CPtrArray)
};

class CDWordArray : public CArray<DWORD, DWORD> {
    DECLARE_SERIAL(CDWordArray)
};

class CUIntArray : public CArray<UINT, UINT> {
    DECLARE_DYNAMIC(CUIntArray)
};

class CStringArray : public CArray<CString, LPCTSTR> {
    DECLARE_SERIAL(CStringArray)
public:
    INT_PTR Add(LPCTSTR newElement) { return CArray::Add(newElement); }
    INT_PTR Add(const CString& newElement) { return CArray::Add(newElement.GetString()); }
};

// A typed view of a pointer array: the stored pointers are the base
// array's, cast to TYPE on the way out.
template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS {
public:
    TYPE GetAt(INT_PTR nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE& ElementAt(INT_PTR nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
    void SetAt(INT_PTR nIndex, TYPE ptr) { BASE_CLASS::SetAt(nIndex, ptr); }
    void SetAtGrow(INT_PTR nIndex, TYPE newElement) { BASE_CLASS::SetAtGrow(nIndex, newElement); }
    INT_PTR Add(TYPE newElement) { return BASE_CLASS::Add(newElement); }
    INT_PTR Append(const CTypedPtrArray& src) { return BASE_CLASS::Append(src); }
    void Copy(const CTypedPtrArray& src) { BASE_CLASS::Copy(src); }
    void InsertAt(INT_PTR nIndex, TYPE newElement, INT_PTR nCount = 1) { BASE_CLASS::InsertAt(nIndex, newElement, nCount); }
    void InsertAt(INT_PTR nStartIndex, CTypedPtrArray* pNewArray) { BASE_CLASS::InsertAt(nStartIndex, pNewArray); }
    TYPE operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }
    TYPE* GetData() { return reinterpret_cast<TYPE*>(BASE_CLASS::GetData()); }
    const TYPE* GetData() const { return reinterpret_cast<const TYPE*>(BASE_CLASS::GetData()); }
};
