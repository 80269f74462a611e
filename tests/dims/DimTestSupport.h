// Points and documents for the dimension tests, the control harness with
// the dimension page, and what a user sees of the dimensions: the label
// texts painted on the page.
#pragma once

#include "../control/ControlHarness.h"
#include "dims/InputText.h"
#include "dims/RelationMng.h"
#include "platform/dlg/ModalSession.h"
#include "platform/gdi/DeviceContext.h"

#include <memory>
#include <string>
#include <vector>

namespace dim_test {

using Texts = std::vector<std::wstring>;

// Points owned by the test, handed out as the array the chains take.
struct Points {
    std::vector<std::unique_ptr<CMyPoint>> owned;
    CTypedPtrArray<CObArray, CMyPoint*> array;

    CMyPoint* Add(double x, double y, double modelX = -1, double modelY = -1, int tag = 0)
    {
        owned.push_back(std::make_unique<CMyPoint>(x, y, modelX, modelY, tag));
        array.Add(owned.back().get());
        return owned.back().get();
    }
    // (100, 100) (300, 100) (300, 200) (100, 200) and the reference point
    // (200, 150); model x 0 / 1000 / 2000 and y 0 / 500 / 1000 alike.
    void AddRectangle()
    {
        Add(100, 100, 0, 0);
        Add(300, 100, 2000, 0);
        Add(300, 200, 2000, 1000);
        Add(100, 200, 0, 1000);
        Add(200, 150, 1000, 500);
    }
};

inline Texts TextsOf(const CStringArray& list)
{
    return Texts(list.GetData(), list.GetData() + list.GetSize());
}

inline Texts TextsOf(const CTypedPtrArray<CObArray, CRelation*>& chain)
{
    Texts texts;
    for (INT_PTR i = 0; i < chain.GetSize(); ++i)
        texts.push_back(chain[i]->m_strValue.Str());
    return texts;
}

inline std::vector<CInputText*> Labels(CDrawObjAry& doc)
{
    std::vector<CInputText*> labels;
    for (INT_PTR i = 0; i < doc.m_objs.GetSize(); ++i) {
        if (auto* label = dynamic_cast<CInputText*>(doc.m_objs[i]))
            labels.push_back(label);
    }
    return labels;
}

// The label texts a paint shows, horizontal links first (the document
// paints its objects from the last to the first).
inline Texts ShownTexts(CDrawObjAry& doc)
{
    platform::CRecordDC dc;
    doc.Draw(&dc);
    Texts texts;
    for (const platform::GdiCall& call : dc.Calls()) {
        if (call.op == platform::GdiOp::TextOut)
            texts.insert(texts.begin(), call.text);
    }
    return texts;
}

// The control harness with every page bound to the control, a Change
// counter and a scripted "输入尺寸".
class DimHost : public testing::Test, public control_test::ControlHarness {
protected:
    DimHost()
    {
        for (auto page : { CShapixCtrl::toolDim, CShapixCtrl::toolRead, CShapixCtrl::toolSelect })
            ctrl.SetCtrPtr(page, &ctrl);
        ctrl.SetChangeListener([this](CStringArray* array) {
            ++m_changes;
            EXPECT_EQ(array, nullptr);
        });
    }
    ~DimHost() override { platform::SetModalDriver(nullptr); }

    // Clicks at (x, y) and answers "输入尺寸" with the text. Returns what
    // the dialog showed.
    std::wstring TypeAt(int x, int y, const std::wstring& text)
    {
        std::wstring shown = L"(no dialog)";
        platform::SetModalDriver([&](platform::ModalSession& session) {
            EXPECT_EQ(session.Caption(), L"输入尺寸");
            shown = session.GetText(1000);
            session.SetText(1000, text);
            session.Click(IDOK);
        });
        ctrl.UpdateWindow(); // labels are hit where the last paint measured them
        Click(x, y);
        platform::SetModalDriver(nullptr);
        return shown;
    }

    int m_changes = 0;
};

} // namespace dim_test
