// Built against an installed Shapix only. Cuts a plate, measures and draws
// text and round-trips a PNG, so the link needs every library libshapix.a
// depends on: a missing FreeType, fontconfig or libpng fails to link here.
#include "Shapix.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
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

    const platform::raster::TextRenderer& text = platform::raster::TextRenderer::Default();
    const SIZE extent = text.Measure(L"Shapix");
    if (extent.cx <= 0 || extent.cy <= 0) {
        std::printf("text has no extent\n");
        return 1;
    }
    platform::raster::Surface surface(extent.cx + 4, extent.cy + 4, RGB(255, 255, 255));
    text.Draw(surface, 2, 2, L"Shapix", RGB(0, 0, 0), false, 0);

    const std::string png = argc > 1 ? argv[1] : "consumer.png";
    if (!platform::Image::FromSurface(surface).SavePng(png)) {
        std::printf("cannot write %s\n", png.c_str());
        return 1;
    }
    platform::Image back;
    if (!back.LoadPng(png) || back.Width() != surface.Width()) {
        std::printf("cannot read %s back\n", png.c_str());
        return 1;
    }
    int inked = 0;
    for (int y = 0; y < back.Height(); ++y)
        for (int x = 0; x < back.Width(); ++x)
            inked += back.Pixel(x, y) != RGB(255, 255, 255);
    if (inked == 0) {
        std::printf("drawn text left no ink\n");
        return 1;
    }

    std::printf("cut: 1 group of 3 lines; text: %ldx%ld, %d inked pixels\n",
        static_cast<long>(extent.cx), static_cast<long>(extent.cy), inked);
    return ShapixResourceHandle() ? 0 : 1;
}
