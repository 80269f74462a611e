// CCtrlBase: stand-in for the base class that the maker's closed Qorlink
// library gives its controls. Only its shape is fixed: a default
// constructor, a virtual destructor and eight virtual operations in this
// slot order. What the operations do is ours to choose: Change tells a
// listener (the host, or a test) and the rest do nothing.
#pragma once

#include "platform/AfxCollections.h"

#include <functional>

class CCtrlBase {
public:
    CCtrlBase() = default;
    virtual ~CCtrlBase() = default;

    virtual int New(CStringArray* pArray);
    virtual bool Del(CStringArray* pArray);
    // Calls the change listener, if there is one, with the array; true.
    virtual bool Change(CStringArray* pArray);
    virtual bool SelChange(CStringArray* pArray);
    virtual bool Copy(CStringArray* pArray);
    virtual bool Move(CStringArray* pArray);
    virtual bool MoveUp(CStringArray* pArray);
    virtual bool MoveDown(CStringArray* pArray);

    // An empty function removes the listener.
    void SetChangeListener(std::function<void(CStringArray*)> listener);

private:
    std::function<void(CStringArray*)> m_changeListener;
};
