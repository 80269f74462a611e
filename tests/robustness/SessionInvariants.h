// What must hold in a control's document after every message of a session,
// checked by the soak test and the session fuzzer: the selection is one of
// the objects, labels exist exactly while their links do, every point that
// the chains, anchors, history or tools hold belongs to a live outline, and
// all coordinates are finite.
#pragma once

#include "Shapix.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace robustness {

// The history only takes points from the chains and loses them when they
// are destroyed, so a long session may check it only where points went.
enum class History { Check, Skip };

// An empty string when everything holds, else the first broken rule.
inline std::string BrokenInvariant(CDrawObjAry& doc, History history = History::Check)
{
    // Sorted pointer lists: a session checks thousands of times, and these
    // are cheaper to build than hash sets.
    std::vector<const CDrawObj*> objects;
    std::vector<const CMyPoint*> livePoints;
    std::vector<const CInputText*> labels;
    CTypedPtrArray<CObArray, CMyPoint*> points;
    for (INT_PTR i = 0; i < doc.m_objs.GetSize(); ++i) {
        CDrawObj* obj = doc.m_objs[i];
        if (!obj)
            return "a null object in the list";
        objects.push_back(obj);
        if (auto* label = dynamic_cast<CInputText*>(obj)) {
            labels.push_back(label);
            continue;
        }
        points.RemoveAll();
        obj->GetAllDimPoint(points);
        for (INT_PTR k = 0; k < points.GetSize(); ++k) {
            const CMyPoint* p = points[k];
            livePoints.push_back(p);
            if (!std::isfinite(p->m_x) || !std::isfinite(p->m_y))
                return "a window coordinate that is not finite";
            if (!std::isfinite(p->m_auxX) || !std::isfinite(p->m_auxY))
                return "a model coordinate that is not finite";
        }
    }
    std::sort(objects.begin(), objects.end());
    if (std::adjacent_find(objects.begin(), objects.end()) != objects.end())
        return "an object listed twice";
    std::sort(livePoints.begin(), livePoints.end());
    std::sort(labels.begin(), labels.end());
    auto isObject = [&](const CDrawObj* obj) { return std::binary_search(objects.begin(), objects.end(), obj); };
    auto isLive = [&](const CMyPoint* p) { return std::binary_search(livePoints.begin(), livePoints.end(), p); };
    auto allLive = [&](const CTypedPtrArray<CObArray, CMyPoint*>& station) {
        for (INT_PTR k = 0; k < station.GetSize(); ++k) {
            if (!isLive(station[k]))
                return false;
        }
        return true;
    };

    if (doc.GetSelObj() && !isObject(doc.GetSelObj()))
        return "the selection is not in the object list";
    if (CDrawTool::s_pSideObj && !isObject(CDrawTool::s_pSideObj))
        return "the side tool holds an object that is gone";
    if (doc.GetCurPage() < 0 || doc.GetCurPage() > 2)
        return "the page is not 0, 1 or 2";

    CRelationMng& manager = *doc.GetRelMng();
    std::vector<int> linksPerLabel(labels.size(), 0);
    for (const auto* chain : { manager.m_paHorz, manager.m_paVert }) {
        for (INT_PTR i = 0; i < chain->GetSize(); ++i) {
            const CRelation& link = *(*chain)[i];
            if (!allLive(link.m_aFrom) || !allLive(link.m_aTo))
                return "a link holds a point of no live outline";
            if (!link.m_pText)
                continue;
            const auto at = std::lower_bound(labels.begin(), labels.end(), link.m_pText);
            if (at == labels.end() || *at != link.m_pText)
                return "a link's label is not in the object list";
            if (linksPerLabel[static_cast<size_t>(at - labels.begin())]++ > 0)
                return "two links share a label";
            if (link.m_pText->m_pRelation != &link)
                return "a label points to another link";
        }
    }
    if (std::find(linksPerLabel.begin(), linksPerLabel.end(), 0) != linksPerLabel.end())
        return "a label outlived its link";
    for (const CMyPoint* anchor : { manager.m_pAnchorX, manager.m_pAnchorY }) {
        if (anchor && !isLive(anchor))
            return "an anchor of no live outline";
    }
    if (history == History::Skip)
        return {};
    for (const auto* saved : { &manager.m_hisRel.m_aSaveHorz, &manager.m_hisRel.m_aSaveVert }) {
        for (INT_PTR i = 0; i < saved->GetSize(); ++i) {
            if (!allLive((*saved)[i]->m_aFrom) || !allLive((*saved)[i]->m_aTo))
                return "a saved link holds a point of no live outline";
        }
    }
    return {};
}

} // namespace robustness
