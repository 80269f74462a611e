// Found by the soak test: on the dimension page the add-side tool takes the
// label under the cursor as its object, and its press selects that object,
// which deletes every label first; the selection then pointed at a deleted
// label. Now nothing is selected and the document stays consistent.
#include "../dims/DimTestSupport.h"
#include "SessionDriver.h"
#include "SessionInvariants.h"

TEST(LabelSelection, AddSideToolPressedOnALabelSelectsNothing)
{
    robustness::SessionDriver session(400, 300);
    session.AddOutline(1, { 100, 100, 300, 100, 300, 200, 100, 200 }, { 0, 0, 2000, 0, 2000, 1000, 0, 1000 },
        { 0, 0, 0, 0 }, 200, 150);
    session.ctrl.CreateDimText();
    session.ctrl.SelectTool(CShapixCtrl::toolDim);
    platform::PumpMessages(); // labels take their size from the first paint

    ASSERT_FALSE(dim_test::Labels(session.Doc()).empty());
    CInputText* label = dim_test::Labels(session.Doc())[0];
    const CRect box = label->m_rcPosition;
    const int x = label->GetAlign() == CInputText::kAlignCentred ? box.left : box.left + 2;
    const int y = box.top + 2;

    session.ctrl.SelectTool(CShapixCtrl::toolAddSide);
    robustness::Answer answer;
    session.Apply({ robustness::EventKind::Hover, x, y, 0 }, answer);
    ASSERT_EQ(CDrawTool::s_pSideObj, label); // the tool has taken the label
    session.Apply({ robustness::EventKind::Press, x, y, 0 }, answer);

    EXPECT_EQ(session.Doc().GetSelObj(), nullptr);
    EXPECT_EQ(CDrawTool::s_pSideObj, nullptr);
    EXPECT_EQ(robustness::BrokenInvariant(session.Doc()), "");
    // The outline is still there, and a paint and a click go through.
    EXPECT_EQ(session.Doc().m_objs.GetSize(), 1);
    session.Apply({ robustness::EventKind::Paint, 0, 0, 0 }, answer);
    session.ctrl.SelectTool(CShapixCtrl::toolSelect);
    session.Apply({ robustness::EventKind::Press, 100, 150, 0 }, answer);
    session.Apply({ robustness::EventKind::Release, 100, 150, 0 }, answer);
    EXPECT_EQ(session.Doc().GetSelObj(), session.Doc().m_objs[0]);
}
