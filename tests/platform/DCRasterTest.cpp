#include "Shapix.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

// A colour memory DC of the given size, filled black.
class Canvas {
public:
    Canvas(int width, int height)
        : m_width(width)
        , m_height(height)
    {
        CClientDC screen(nullptr);
        m_dc.CreateCompatibleDC(&screen);
        m_bitmap.CreateCompatibleBitmap(&screen, width, height);
        m_old = m_dc.SelectObject(&m_bitmap);
        m_dc.FillSolidRect(0, 0, width, height, 0);
    }
    ~Canvas() { m_dc.SelectObject(m_old); }

    CDC& Dc() { return m_dc; }

    // First and last column that holds anything but black, or -1.
    std::pair<int, int> InkColumns() const
    {
        std::pair<int, int> ink { -1, -1 };
        for (int x = 0; x < m_width; ++x) {
            for (int y = 0; y < m_height && ink.second != x; ++y) {
                if (m_dc.GetPixel(x, y) != 0)
                    ink = { ink.first < 0 ? x : ink.first, x };
            }
        }
        return ink;
    }

private:
    int m_width;
    int m_height;
    CDC m_dc;
    CBitmap m_bitmap;
    CBitmap* m_old = nullptr;
};

} // namespace

TEST(DCRaster, PensAndBrushesReachThePixels)
{
    Canvas canvas(32, 32);
    CDC& dc = canvas.Dc();
    CPen green(PS_SOLID, 1, RGB(0, 255, 0));
    CPen* old = dc.SelectObject(&green);
    dc.MoveTo(2, 3);
    dc.LineTo(10, 3);
    EXPECT_EQ(dc.GetPixel(2, 3), RGB(0, 255, 0));
    EXPECT_EQ(dc.GetPixel(9, 3), RGB(0, 255, 0));
    EXPECT_EQ(dc.GetPixel(10, 3), 0u); // the end pixel stays
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(10, 3));

    dc.SelectStockObject(NULL_BRUSH);
    dc.Rectangle(4, 8, 12, 16);
    EXPECT_EQ(dc.GetPixel(4, 8), RGB(0, 255, 0));
    EXPECT_EQ(dc.GetPixel(11, 15), RGB(0, 255, 0));
    EXPECT_EQ(dc.GetPixel(8, 12), 0u); // a null brush leaves the inside
    dc.SelectObject(old);

    CBrush red(RGB(255, 0, 0));
    CBrush* oldBrush = dc.SelectObject(&red);
    dc.SelectStockObject(NULL_PEN);
    dc.Rectangle(20, 20, 25, 25);
    EXPECT_EQ(dc.GetPixel(20, 20), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(23, 23), RGB(255, 0, 0));
    EXPECT_EQ(dc.GetPixel(24, 24), 0u); // with a null pen one row and column less
    dc.SelectObject(oldBrush);
    EXPECT_EQ(dc.GetPixel(32, 0), CLR_INVALID);
}

TEST(DCRaster, TextAlignmentPlacesTheCell)
{
    const CString label = L"1500";
    Canvas canvas(120, 40);
    CDC& dc = canvas.Dc();
    const int width = dc.GetTextExtent(label).cx;
    ASSERT_GT(width, 0);
    {
        SCOPED_TRACE("left aligned: ink starts at the reference point; ETO_OPAQUE without a rectangle fills nothing");
        dc.SetTextColor(RGB(255, 255, 0));
        dc.SetBkMode(TRANSPARENT);
        dc.ExtTextOut(40, 10, ETO_OPAQUE, nullptr, label, nullptr);
        const auto ink = canvas.InkColumns();
        EXPECT_GE(ink.first, 40);
        EXPECT_LT(ink.second, 40 + width);
    }
    SCOPED_TRACE("centred: the opaque cell spans half a width to each side");
    dc.FillSolidRect(0, 0, 120, 40, 0);
    dc.SetTextAlign(TA_CENTER | TA_TOP);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(RGB(0, 0, 255));
    dc.ExtTextOut(60, 10, 0, nullptr, label, nullptr);
    const auto ink = canvas.InkColumns();
    EXPECT_EQ(ink.first, 60 - width / 2);
    EXPECT_EQ(ink.second, 60 - width / 2 + width - 1);
    EXPECT_EQ(dc.GetPixel(ink.first, 10), RGB(0, 0, 255));
}

// A whole-bitmap blit hands its pixels over without copying them; whatever
// is drawn afterwards on either side, or on a third, stays on that side.
TEST(DCRaster, AWholeBlitLeavesSourceAndTargetIndependent)
{
    Canvas source(8, 8);
    source.Dc().FillSolidRect(1, 1, 2, 2, RGB(255, 0, 0));
    Canvas a(8, 8);
    Canvas b(8, 8);
    a.Dc().BitBlt(0, 0, 8, 8, &source.Dc(), 0, 0, SRCCOPY);
    b.Dc().BitBlt(0, 0, 8, 8, &source.Dc(), 0, 0, SRCCOPY);

    source.Dc().FillSolidRect(0, 0, 8, 8, RGB(0, 0, 255));
    EXPECT_EQ(a.Dc().GetPixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(b.Dc().GetPixel(5, 5), 0u);

    a.Dc().SetPixel(4, 4, RGB(0, 255, 0));
    EXPECT_EQ(b.Dc().GetPixel(4, 4), 0u);
    EXPECT_EQ(source.Dc().GetPixel(4, 4), RGB(0, 0, 255));

    a.Dc().BitBlt(0, 0, 8, 8, &a.Dc(), 0, 0, SRCCOPY); // onto itself: unchanged
    b.Dc().BitBlt(0, 0, 8, 8, &a.Dc(), 0, 0, SRCCOPY);
    b.Dc().FillSolidRect(0, 0, 1, 1, RGB(9, 9, 9));
    EXPECT_EQ(a.Dc().GetPixel(0, 0), 0u);
    EXPECT_EQ(a.Dc().GetPixel(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(b.Dc().GetPixel(4, 4), RGB(0, 255, 0));
    EXPECT_EQ(b.Dc().GetPixel(1, 1), RGB(255, 0, 0));

    // A whole fill is left out only while every pixel already has its
    // colour: not after a drawing call, nor after taking drawn pixels over.
    Canvas fresh(8, 8);
    fresh.Dc().SetPixel(3, 3, RGB(255, 0, 0));
    fresh.Dc().FillSolidRect(0, 0, 8, 8, 0);
    EXPECT_EQ(fresh.Dc().GetPixel(3, 3), 0u);
    fresh.Dc().BitBlt(0, 0, 8, 8, &a.Dc(), 0, 0, SRCCOPY);
    fresh.Dc().FillSolidRect(0, 0, 8, 8, 0);
    EXPECT_EQ(fresh.Dc().GetPixel(4, 4), 0u);
    EXPECT_EQ(a.Dc().GetPixel(4, 4), RGB(0, 255, 0));

    // A part of a bitmap is copied at once.
    b.Dc().BitBlt(0, 0, 4, 4, &source.Dc(), 0, 0, SRCCOPY);
    source.Dc().FillSolidRect(0, 0, 8, 8, 0);
    EXPECT_EQ(b.Dc().GetPixel(1, 1), RGB(0, 0, 255));
    EXPECT_EQ(b.Dc().GetPixel(4, 4), RGB(0, 255, 0));
}

TEST(DCRaster, BitBltCopiesAndMonochromeBitmapsTakeBlackOrWhite)
{
    Canvas source(8, 8);
    source.Dc().FillSolidRect(2, 2, 3, 3, RGB(10, 20, 30));
    Canvas target(8, 8);
    target.Dc().BitBlt(1, 1, 6, 6, &source.Dc(), 0, 0, SRCCOPY);
    EXPECT_EQ(target.Dc().GetPixel(3, 3), RGB(10, 20, 30));
    EXPECT_EQ(target.Dc().GetPixel(5, 5), RGB(10, 20, 30));
    EXPECT_EQ(target.Dc().GetPixel(6, 6), 0u);

    // A bitmap made compatible with a fresh memory DC is monochrome.
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap mono;
    mono.CreateCompatibleBitmap(&memory, 4, 4);
    BITMAP info {};
    mono.GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 1);
    CBitmap* old = memory.SelectObject(&mono);
    memory.FillSolidRect(0, 0, 2, 4, RGB(200, 200, 200));
    memory.FillSolidRect(2, 0, 2, 4, RGB(40, 40, 40));
    EXPECT_EQ(memory.GetPixel(0, 0), RGB(255, 255, 255));
    EXPECT_EQ(memory.GetPixel(3, 0), 0u);
    memory.SelectObject(old);
}
