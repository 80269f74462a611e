// CHisRel: the values the dimension links had when they were last saved,
// one list per chain, so that links rebuilt from scratch get back what the
// user typed.
#pragma once

#include "SaveRel.h"

class AFX_EXT_CLASS CHisRel {
public:
    CHisRel() = default;
    virtual ~CHisRel();
    CHisRel(const CHisRel&) = delete;
    CHisRel& operator=(const CHisRel&) = delete;

    // Searching from the newest entry, the first that matches; null if none.
    static CSaveRel* FindMatch(const CTypedPtrArray<CObArray, CSaveRel*>& saved, const CRelation& relation);
    // Updates the matching entry of each link or appends a new one.
    void Save(const CTypedPtrArray<CObArray, CRelation*>& horz, const CTypedPtrArray<CObArray, CRelation*>& vert);
    // Gives each link with a matching entry that entry's text and flag.
    void Restore(CTypedPtrArray<CObArray, CRelation*>& horz, CTypedPtrArray<CObArray, CRelation*>& vert);
    // Takes a destroyed point out of every entry; compares addresses only.
    void ForgetPoint(CMyPoint* pPoint);

    CTypedPtrArray<CObArray, CSaveRel*> m_aSaveHorz; // owned
    CTypedPtrArray<CObArray, CSaveRel*> m_aSaveVert; // owned

private:
    static void SaveChain(const CTypedPtrArray<CObArray, CRelation*>& chain, CTypedPtrArray<CObArray, CSaveRel*>& saved);
    static void RestoreChain(CTypedPtrArray<CObArray, CRelation*>& chain, const CTypedPtrArray<CObArray, CSaveRel*>& saved);
};
