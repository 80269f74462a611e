#include "CtrlBase.h"

#include <utility>

int CCtrlBase::New(CStringArray*)
{
    return 0;
}

bool CCtrlBase::Del(CStringArray*)
{
    return false;
}

bool CCtrlBase::Change(CStringArray* pArray)
{
    if (m_changeListener)
        m_changeListener(pArray);
    return true;
}

bool CCtrlBase::SelChange(CStringArray*)
{
    return false;
}

bool CCtrlBase::Copy(CStringArray*)
{
    return false;
}

bool CCtrlBase::Move(CStringArray*)
{
    return false;
}

bool CCtrlBase::MoveUp(CStringArray*)
{
    return false;
}

bool CCtrlBase::MoveDown(CStringArray*)
{
    return false;
}

void CCtrlBase::SetChangeListener(std::function<void(CStringArray*)> listener)
{
    m_changeListener = std::move(listener);
}
