// The picture box: formats read through the desktop's readers, sizes, stretched drawing, saving.
#include "../platform_ui/Canvas.h"
#include "controls/PicCtrl/PictureBox.h"
#include "platform/ui/Resources.h"
#include "platform/ui/TestHooks.h"
#include "support/BmpFile.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace {

// 3 x 2 pixels of green (0, 128, 0), as a PNG file holds them.
const std::vector<BYTE> kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52, 0x00, 0x00,
    0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12, 0x16, 0xF1, 0x4D, 0x00, 0x00, 0x00,
    0x0F, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0x60, 0x68, 0x60, 0x80, 0x22, 0x38, 0x0B, 0x00, 0x1E, 0x14,
    0x03, 0x01, 0x43, 0x1A, 0xFE, 0x72, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

std::vector<BYTE> FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<BYTE>((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(PictureBox, AnEmptyBoxDrawsNothingAndHasNoSize)
{
    CPictureBox box;
    Canvas canvas(8, 8);
    EXPECT_FALSE(box.Show(&canvas.dc, CRect(0, 0, 8, 8)));
    box.m_width = box.m_height = 5;
    box.UpdatePixelSize(&canvas.dc);
    EXPECT_EQ(box.m_width, 0);
    EXPECT_EQ(box.m_height, 0);
}

TEST(PictureBox, HimetricSizesFollowTheDevicesResolution)
{
    EXPECT_EQ(HimetricToPixels(2540, 96), 96);
    EXPECT_EQ(HimetricToPixels(2540, 300), 300);
    EXPECT_EQ(PixelsToHimetric(96, 96), 2540);
}

TEST(PictureBox, LoadsPngFromMemoryAndBmpFromAFileAndReleasesTheFirst)
{
    TempFolder folder(true);
    CPictureBox box;
    ASSERT_TRUE(box.LoadPictureData(kPng.data(), static_cast<int>(kPng.size())));
    box.UpdatePixelSize(nullptr);
    EXPECT_EQ(box.m_width, 0) << "no device, no size";
    Canvas canvas(20, 20);
    box.UpdatePixelSize(&canvas.dc);
    EXPECT_EQ(box.m_width, 3);
    EXPECT_EQ(box.m_height, 2);
    box.m_width = box.m_height = 0;
    box.UpdateSizeOnDC(&canvas.dc);
    EXPECT_EQ(box.m_width, 3) << "the welcome dialog's name for the same update";
    EXPECT_EQ(box.m_height, 2);

    WriteSolidBmp(folder.File("red.bmp"), 5, 7, RGB(255, 0, 0));
    ASSERT_TRUE(box.LoadFromFile(folder.File("red.bmp")));
    EXPECT_EQ(box.m_width, 5);
    EXPECT_EQ(box.m_height, 7);
    EXPECT_EQ(box.m_dataSize, static_cast<LONG>(FileBytes(folder.File("red.bmp")).size()));
    ASSERT_TRUE(box.Show(&canvas.dc, CRect(2, 2, 12, 16)));
    EXPECT_EQ(canvas.At(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(canvas.At(11, 15), RGB(255, 0, 0)) << "stretched to the rectangle";
    EXPECT_EQ(canvas.At(12, 16), RGB(255, 255, 255));
    ASSERT_TRUE(box.ShowScaled(&canvas.dc, CPoint(0, 0), CPoint(1, 0), 2, 1));
    EXPECT_EQ(canvas.At(10, 6), RGB(255, 0, 0)) << "1 + 2 x 5 wide, 7 high";
}

TEST(PictureBox, SavingWritesExactlyThePicturesBytes)
{
    TempFolder folder(true);
    CPictureBox box;
    RegisterCustomResource(7001, "PNG", kPng);
    ASSERT_TRUE(box.LoadFromResource(7001, "PNG"));
    EXPECT_EQ(box.m_dataSize, static_cast<LONG>(kPng.size()));
    ASSERT_TRUE(box.SaveToFile(folder.File("copy.png")));
    EXPECT_EQ(FileBytes(folder.File("copy.png")), kPng);
}

TEST(PictureBox, FailuresAreToldAndLeaveNoPicture)
{
    platform::ui::MessageBoxRecorder boxes;
    CPictureBox box;
    ASSERT_TRUE(box.LoadPictureData(kPng.data(), static_cast<int>(kPng.size())));
    EXPECT_FALSE(box.LoadFromFile("/nonexistent/picture.jpg"));
    EXPECT_FALSE(box.HasPicture());
    EXPECT_FALSE(box.LoadFromResource(7999, "JPG"));
    const std::vector<BYTE> junk = {1, 2, 3, 4};
    EXPECT_FALSE(box.LoadPictureData(junk.data(), static_cast<int>(junk.size())));
    ASSERT_EQ(boxes.Shown().size(), 2u);
    EXPECT_EQ(boxes.Shown()[0].caption, "CPictureBox Error");
    EXPECT_EQ(boxes.Shown()[1].text, "FindResource() Failed\t");
    Canvas canvas(4, 4);
    EXPECT_FALSE(box.DrawBitmapResource(&canvas.dc, 7999, 0, 0));
}
