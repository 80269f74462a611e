// The results of a region cut: one CRetLines group per cutting line (its
// crossings in order along the line, so that consecutive pairs are the
// pieces inside the region) and the owning list CRetLinesMng, which can
// merge neighbouring groups with equal pieces into counted groups.
//
// Coordinates are whole model units stored as DWORDs; lengths read them
// back as unsigned 32-bit values, so a negative coordinate counts as that
// value plus 2^32.
#pragma once

#include "control/ShapixCtrl.h"
#include "platform/AfxCollections.h"

class AFX_EXT_CLASS CShapixCtrl::CRetLines : public CObject {
public:
    CRetLines();
    ~CRetLines() override;

    // Length from point (i, i + 1) to point (i + 2, i + 3); i = 4k is piece k.
    double GetLen(int i);
    // Appends the rounded length of every piece longer than minLen; returns
    // m_nCount.
    int GetLenAry(CDWordArray& lens, int minLen);
    // True when both groups have the same sequence of piece lengths, each
    // truncated to a whole number; positions do not matter.
    bool Compare(CRetLines* other);

    CDWordArray m_aryPts; // x0, y0, x1, y1, ...
    int m_nCount; // how many lines the group stands for
};

class AFX_EXT_CLASS CShapixCtrl::CRetLinesMng : public CObject {
public:
    CRetLinesMng();
    ~CRetLinesMng() override;

    // Collapses each run of neighbouring equal groups into its last member,
    // whose count grows by one per member merged into it.
    void Hebin();

    CTypedPtrArray<CObArray, CRetLines*> m_aryLines; // owned, in the order of the lines
};
