// CRelation: one link of a dimension chain. It joins the points of one
// station to those of the next, holds the distance between them in model
// units as text, and points to the label that shows and edits that text.
#pragma once

#include "DimStations.h"

#include "platform/AfxString.h"

class CInputText;

class AFX_EXT_CLASS CRelation : public CObject {
public:
    // k counts the links of a chain from 1. labelX is used by vertical
    // links, baseY by horizontal ones. Creates the label unless a station
    // is empty; the label is handed to the document by the manager.
    CRelation(int k, const CTypedPtrArray<CObArray, CMyPoint*>& from, const CTypedPtrArray<CObArray, CMyPoint*>& to,
        bool horz, const CString& value, int labelX, int baseY);
    // The label belongs to the document and is left alone.
    ~CRelation() override;
    CRelation(const CRelation&) = delete;
    CRelation& operator=(const CRelation&) = delete;

    // Model coordinates on the axis: the first link of a chain puts its
    // start station at 0; every link puts its end station at the start's
    // coordinate plus the value (text that is no number counts as 0).
    void Apply(bool first, bool horz);
    CMyPoint* GetFromPoint();
    CMyPoint* GetToPoint();

    // Where the label of link k stands. Horizontal labels are centred on
    // the middle of the two stations and alternate above (odd k) and below
    // (even k) the dimension line; vertical ones sit 7 pixels above the
    // middle. A label that was drawn keeps its measured size.
    void PlaceLabel(int k, int labelX, int baseY);

    CTypedPtrArray<CObArray, CMyPoint*> m_aFrom; // not owned
    CTypedPtrArray<CObArray, CMyPoint*> m_aTo; // not owned
    CString m_strValue;
    bool m_bHorz;
    CInputText* m_pText; // owned by the document
};
