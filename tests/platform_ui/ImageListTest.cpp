// Image lists: cutting bitmaps into images, mask colours and mask bitmaps, drawing, icons.
#include "platform/ui/ImageList.h"
#include "platform/ui/Images.h"

#include "Canvas.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kMask = RGB(100, 100, 100);
constexpr COLORREF kInk = RGB(0, 128, 0);

// A strip of `count` 4 x 4 images: each the mask colour with a dot of ink at (image, 1).
void MakeStrip(CBitmap& bitmap, int count)
{
    CDC screen;
    screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&screen, 4 * count, 4));
    CDC dc;
    dc.CreateCompatibleDC(&screen);
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, 4 * count, 4, kMask);
    for (int n = 0; n < count; ++n)
        dc.SetPixel(4 * n + n % 4, 1, kInk);
    dc.SelectObject(previous);
}

} // namespace

TEST(ImageList, BitmapsAreCutIntoImagesOfTheListSize)
{
    CImageList list;
    EXPECT_EQ(list.GetSafeHandle(), nullptr);
    ASSERT_TRUE(list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 4));
    CBitmap strip, single, narrow;
    MakeStrip(strip, 3);
    MakeStrip(single, 1);
    EXPECT_EQ(list.Add(&strip, kMask), 0);
    EXPECT_EQ(list.Add(&single, static_cast<CBitmap*>(nullptr)), 3);
    EXPECT_EQ(list.GetImageCount(), 4);

    ASSERT_TRUE(narrow.CreateBitmap(3, 4, 1, 32, nullptr));
    EXPECT_EQ(list.Add(&narrow, kMask), -1);
    EXPECT_EQ(list.Add(nullptr, kMask), -1);
    EXPECT_EQ(list.GetImageCount(), 4);

    int cx = 0, cy = 0;
    ASSERT_TRUE(ImageList_GetIconSize(list.GetSafeHandle(), &cx, &cy));
    EXPECT_EQ(cx, 4);
    EXPECT_EQ(cy, 4);

    EXPECT_TRUE(list.Remove(0));
    EXPECT_EQ(list.GetImageCount(), 3);
    EXPECT_FALSE(list.Remove(3));
    EXPECT_TRUE(list.Remove(-1));
    EXPECT_EQ(list.GetImageCount(), 0);
    EXPECT_TRUE(list.DeleteImageList());
    EXPECT_EQ(list.GetSafeHandle(), nullptr);
    EXPECT_EQ(list.Add(&single, kMask), -1);
}

TEST(ImageList, TheMaskColourIsTransparentOnlyInMaskedLists)
{
    CBitmap strip;
    MakeStrip(strip, 2);

    CImageList masked;
    masked.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 2);
    masked.Add(&strip, kMask);
    Canvas canvas(8, 4);
    canvas.Clear(kRed);
    ASSERT_TRUE(masked.Draw(&canvas.dc, 1, CPoint(4, 0), ILD_TRANSPARENT));
    EXPECT_EQ(canvas.At(5, 1), kInk);
    EXPECT_EQ(canvas.Count(kRed), 31);
    EXPECT_FALSE(masked.Draw(&canvas.dc, 2, CPoint(0, 0), ILD_NORMAL));

    CImageList opaque;
    opaque.Create(4, 4, ILC_COLOR32, 0, 2);
    opaque.Add(&strip, kMask);
    canvas.Clear(kRed);
    ASSERT_TRUE(opaque.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL));
    EXPECT_EQ(canvas.At(0, 1), kInk);
    EXPECT_EQ(canvas.Count(kMask), 15);
}

TEST(ImageList, AMaskBitmapMarksTransparentPixelsInWhite)
{
    CBitmap strip;
    MakeStrip(strip, 1);
    // Opaque only in the left half of every row.
    const BYTE maskBits[] = {0x30, 0, 0x30, 0, 0x30, 0, 0x30, 0};
    CBitmap mask;
    ASSERT_TRUE(mask.CreateBitmap(4, 4, 1, 1, maskBits));

    CImageList list;
    list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
    ASSERT_EQ(list.Add(&strip, &mask), 0);
    Canvas canvas(4, 4);
    canvas.Clear(kRed);
    list.Draw(&canvas.dc, 0, CPoint(0, 0), ILD_NORMAL);
    EXPECT_EQ(canvas.Row(0, 0, 4, kRed, 'r'), "??rr");
    EXPECT_EQ(canvas.At(0, 1), kInk);
    EXPECT_EQ(canvas.Count(kMask), 7);
}

TEST(ImageList, ExtractIconKeepsPixelsAndTransparency)
{
    CBitmap strip;
    MakeStrip(strip, 2);
    CImageList list;
    list.Create(4, 4, ILC_COLOR32 | ILC_MASK, 0, 2);
    list.Add(&strip, kMask);
    EXPECT_EQ(list.ExtractIcon(2), nullptr);
    HICON icon = list.ExtractIcon(1);
    ASSERT_NE(icon, nullptr);

    Canvas canvas(4, 4);
    ASSERT_TRUE(DrawIconEx(canvas.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(canvas.At(1, 1), kInk);
    EXPECT_EQ(canvas.Count(kWhite), 15);
    EXPECT_TRUE(DestroyIcon(icon));
}
