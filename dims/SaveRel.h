// CSaveRel: a saved copy of a dimension link, without label. A rebuilt link
// takes its value back when it shares a point (the same CMyPoint object) at
// each end with a saved copy, so a link follows its points even when its
// stations gained or lost members.
#pragma once

#include "control/MyPoint.h"
#include "platform/AfxCollections.h"
#include "platform/AfxString.h"

class CRelation;

// Whether some pointer of the first list equals some pointer of the second.
// Points are compared by address only and never read.
bool SharesPoint(const CTypedPtrArray<CObArray, CMyPoint*>& a, const CTypedPtrArray<CObArray, CMyPoint*>& b);

class AFX_EXT_CLASS CSaveRel : public CObject {
public:
    explicit CSaveRel(const CRelation& relation);
    ~CSaveRel() override;
    CSaveRel(const CSaveRel&) = delete;
    CSaveRel& operator=(const CSaveRel&) = delete;

    void CopyFrom(const CRelation& relation);
    // A shared point at the end station and one at the start station.
    bool Matches(const CRelation& relation) const;
    // Removes the last occurrence of the point from each station. An entry
    // left with an empty station never matches again.
    void RemovePoint(CMyPoint* pPoint);

    CTypedPtrArray<CObArray, CMyPoint*> m_aFrom; // not owned
    CTypedPtrArray<CObArray, CMyPoint*> m_aTo; // not owned
    CString m_strValue;
    bool m_bHorz;
};
