// Cuts a 1000 x 600 plate with horizontal lines and checks what the host
// gets back, through nothing but the umbrella header.
#include "Shapix.h"

#include <cstdio>

int main()
{
    CShapixCtrl::CPicDerData plate;
    const CString points = L"0\t0\t1000\t0\t1000\t600\t0\t600\t";
    const double ref[2] = { 0, 0 };
    plate.SetData(1, &points, &points, nullptr, nullptr, nullptr, ref, ref);

    CShapixCtrl::CRetLinesMng cuts;
    plate.RegionInt(100, 0, 150, cuts);
    cuts.Hebin();
    if (cuts.m_aryLines.GetSize() != 1 || cuts.m_aryLines[0]->m_nCount != 3) {
        std::printf("unexpected cut result\n");
        return 1;
    }
    std::printf("3 equal lines merged into one group\n");
    return ShapixResourceHandle() ? 0 : 1;
}
