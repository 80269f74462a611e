// Shared pieces of the control tests: a parent window and outline records.
#pragma once

#include "Shapix.h"

#include <string>
#include <vector>

namespace controltest {

// A top-level window that keeps every message number it receives.
class ParentWnd : public CWnd {
public:
    ParentWnd()
    {
        CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr, nullptr);
    }
    std::vector<std::pair<UINT, LPARAM>> messages;

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        messages.emplace_back(message, lParam);
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A record for an outline given by its window points (model points equal
// to them unless given), all sides straight unless bulges are given.
inline void FillRecord(CShapixCtrl::CPicDerData& record, int id, const std::wstring& points,
    const std::wstring& model = L"", const std::wstring& bulges = L"", double refX = 0, double refY = 0)
{
    const CString pointText = points.c_str();
    const CString modelText = model.empty() ? points.c_str() : model.c_str();
    const CString bulgeText = bulges.c_str();
    const CString codes = L"";
    const CString names = L"直线\t圆弧\t";
    const double ref[2] = { refX, refY };
    record.SetData(id, &pointText, &modelText, &codes, &names, &bulgeText, ref, ref);
}

} // namespace controltest
