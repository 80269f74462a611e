// CRelationMng: the dimension chains of one document, a horizontal one over
// the distinct x positions of the dimension points and a vertical one over
// the y positions, with the history that carries typed values across
// rebuilds.
//
// Applying the chains rewrites the model coordinates: the first station of
// each chain goes to 0 and every further one to the previous plus the
// link's value. Window coordinates are never touched.
//
// Chains, anchors and history hold pointers to points that the outlines
// own. ForgetPoint must be called for every point that is destroyed while
// the manager lives (a deleted vertex, every point of a removed outline);
// a document reset deletes the manager before the outlines.
#pragma once

#include "HisRel.h"
#include "Relation.h"

#include "platform/gdi/AfxDC.h"

class CDrawObjAry;

class AFX_EXT_CLASS CRelationMng {
public:
    explicit CRelationMng(CDrawObjAry* pDoc);
    // Deletes the links and the history; the labels belong to the document.
    virtual ~CRelationMng();
    CRelationMng(const CRelationMng&) = delete;
    CRelationMng& operator=(const CRelationMng&) = delete;

    // Replaces both chains by chains over the points and the stored
    // anchors. Link texts come from the front of the two lists (consumed),
    // "0" when a list runs out. Fewer than two points change nothing.
    void Build(CStringArray& dimX, CStringArray& dimY, CTypedPtrArray<CObArray, CMyPoint*>& points);
    void BuildWithAnchors(CStringArray& dimX, CStringArray& dimY, CTypedPtrArray<CObArray, CMyPoint*>& points,
        CMyPoint* anchorX, CMyPoint* anchorY);
    // Removes every link with its label and forgets the anchors.
    void Clear();
    void Apply();
    // Replaces the lists' contents by the chains' texts, in chain order.
    void GetTexts(CStringArray& dimX, CStringArray& dimY);
    // The dimension lines: the horizontal chain 20 pixels above the bottom
    // of the drawing, the vertical one 10 pixels from the left edge.
    void Draw(CDC* pDC, CDrawObjAry* pDoc);
    void SaveHistory();
    void RestoreHistory();
    // Takes a destroyed point out of the history, the anchors and the
    // chains; compares its address only. A station left empty joins its two
    // links into one whose value is their sum, so the other stations keep
    // their coordinates; an empty first or last station drops its link.
    void ForgetPoint(CMyPoint* pPoint);

    // The spacings between neighbouring stations of the points, in model
    // units as "%g" (0 where the model coordinate does not grow), appended
    // to the lists: the texts a Build over the same points takes.
    static void ComputeDimTexts(CTypedPtrArray<CObArray, CMyPoint*>& points, CStringArray& dimX, CStringArray& dimY);

    LOGPEN m_lpDim; // dimension lines: solid, 1 pixel, white
    CMyPoint* m_pAnchorX = nullptr; // a point of another outline in the horizontal chain
    CMyPoint* m_pAnchorY = nullptr; // the same for the vertical chain
    CTypedPtrArray<CObArray, CRelation*>* m_paHorz; // owned, in station order
    CTypedPtrArray<CObArray, CRelation*>* m_paVert; // owned, in station order
    CDrawObjAry* m_pDoc;
    CHisRel m_hisRel;

private:
    using Chain = CTypedPtrArray<CObArray, CRelation*>;

    void BuildChain(Chain& chain, dims::Axis axis, CMyPoint* anchor, CStringArray& texts,
        CTypedPtrArray<CObArray, CMyPoint*>& points, int baseY, CObArray& oldLabels, CObArray& newLabels);
    static void DeleteChain(Chain& chain, CObArray& labels);
    bool ForgetInChain(Chain& chain, CMyPoint* pPoint, CObArray& droppedLabels);
    void PlaceLabels(Chain& chain);
    int LabelBaseY() const;
};
