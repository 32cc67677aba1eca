// Pens, brushes, fonts, bitmaps and icons: handles, selection, lifetimes, font sizes, files.
#include "platform/ui/FontFamilies.h"
#include "platform/ui/Gdi.h"
#include "platform/ui/Images.h"

#include "Canvas.h"
#include "support/OtherUser.h"
#include "support/TempFolder.h"

#include "platform/ui/qt/FontFaces.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <algorithm>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <gtest/gtest.h>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);

// Draws text in black on a fresh canvas with the font and returns the canvas.
void Write(Canvas& canvas, CFont& font, const char* text)
{
    CFont* previous = canvas.dc.SelectObject(&font);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(2, 2, text);
    canvas.dc.SelectObject(previous);
}

TEXTMETRIC MetricsOf(CFont& font)
{
    Canvas canvas(1, 1);
    CFont* previous = canvas.dc.SelectObject(&font);
    TEXTMETRIC metrics;
    canvas.dc.GetTextMetrics(&metrics);
    canvas.dc.SelectObject(previous);
    return metrics;
}

void SaveImage(const QImage& image, const std::string& path, const char* format)
{
    ASSERT_TRUE(image.save(QString::fromStdString(path), format)) << path;
}

} // namespace

TEST(GdiObjects, StockObjectsAreSharedAndCannotBeDeleted)
{
    HGDIOBJ nullBrush = GetStockObject(NULL_BRUSH);
    ASSERT_NE(nullBrush, nullptr);
    EXPECT_EQ(GetStockObject(NULL_BRUSH), nullBrush);
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullBrush);
    EXPECT_EQ(GetStockObject(12345), nullptr);

    EXPECT_TRUE(DeleteObject(nullBrush));
    EXPECT_NE(CGdiObject::FromHandle(nullBrush), nullptr);
    EXPECT_NE(CBrush::FromHandle(nullBrush), nullptr);
}

TEST(GdiObjects, SelectingReturnsWhatWasSelectedBefore)
{
    Canvas canvas(2, 2);
    CPen first(PS_SOLID, 1, kRed);
    CPen second(PS_DASH, 1, kBlack);

    CPen* original = canvas.dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);
    EXPECT_EQ(original->GetSafeHandle(), GetStockObject(BLACK_PEN));
    EXPECT_EQ(canvas.dc.SelectObject(&second), &first);
    CGdiObject* replaced = canvas.dc.SelectStockObject(NULL_PEN);
    EXPECT_EQ(replaced, &second);
    EXPECT_EQ(canvas.dc.SelectObject(original)->GetSafeHandle(), GetStockObject(NULL_PEN));

    CBrush brush(kRed);
    EXPECT_EQ(canvas.dc.SelectObject(&brush)->GetSafeHandle(), GetStockObject(WHITE_BRUSH));
    CFont font;
    font.CreatePointFont(90, "Tahoma");
    EXPECT_EQ(canvas.dc.SelectObject(&font)->GetSafeHandle(), GetStockObject(SYSTEM_FONT));
    canvas.dc.SelectStockObject(WHITE_BRUSH);
    canvas.dc.SelectStockObject(SYSTEM_FONT);
}

TEST(GdiObjects, AnObjectDeletedWhileSelectedLastsUntilDeselected)
{
    Canvas canvas(4, 1);
    HGDIOBJ handle = nullptr;
    {
        CPen pen(PS_SOLID, 1, kRed);
        handle = pen.GetSafeHandle();
        canvas.dc.SelectObject(&pen);
    }
    ASSERT_NE(CGdiObject::FromHandle(handle), nullptr);
    canvas.dc.MoveTo(0, 0);
    canvas.dc.LineTo(4, 0);
    EXPECT_EQ(canvas.Row(0, 0, 4, kRed), "####");

    EXPECT_EQ(canvas.dc.SelectStockObject(BLACK_PEN), nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);
    EXPECT_FALSE(DeleteObject(handle));
}

TEST(GdiObjects, HandlesNobodyHoldsGetOneLastingWrapper)
{
    CPen pen(PS_SOLID, 1, kRed);
    EXPECT_EQ(CPen::FromHandle(pen.GetSafeHandle()), &pen);

    HGDIOBJ loose = pen.Detach();
    EXPECT_EQ(pen.GetSafeHandle(), nullptr);
    CPen* wrapper = CPen::FromHandle(loose);
    ASSERT_NE(wrapper, nullptr);
    EXPECT_NE(wrapper, &pen);
    EXPECT_EQ(wrapper->GetSafeHandle(), loose);
    EXPECT_EQ(CPen::FromHandle(loose), wrapper);
    EXPECT_EQ(CBrush::FromHandle(loose), nullptr);

    CPen owner;
    ASSERT_TRUE(owner.Attach(loose));
    EXPECT_EQ(CPen::FromHandle(loose), &owner);
    EXPECT_TRUE(owner.DeleteObject());
    EXPECT_EQ(owner.GetSafeHandle(), nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(loose), nullptr);
}

TEST(GdiFonts, KeepTheirDescriptionAsGiven)
{
    CFont created;
    ASSERT_TRUE(created.CreateFont(-13, 0, 0, 0, FW_HEAVY, TRUE, FALSE, TRUE, DEFAULT_CHARSET,
                                   OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, ANTIALIASED_QUALITY, 0, "宋体"));
    LOGFONT logFont;
    ASSERT_EQ(created.GetLogFont(&logFont), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(logFont.lfHeight, -13);
    EXPECT_EQ(logFont.lfWeight, FW_HEAVY);
    EXPECT_EQ(logFont.lfItalic, 1);
    EXPECT_EQ(logFont.lfStrikeOut, 1);
    EXPECT_EQ(logFont.lfQuality, ANTIALIASED_QUALITY);
    EXPECT_EQ(logFont.lfFaceName, "宋体");

    CFont points;
    ASSERT_TRUE(points.CreatePointFont(90, "Impact"));
    points.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -12);
    EXPECT_EQ(logFont.lfFaceName, "Impact");

    CFont copy;
    logFont.lfUnderline = 1;
    ASSERT_TRUE(copy.CreateFontIndirect(&logFont));
    LOGFONT back;
    copy.GetLogFont(&back);
    EXPECT_EQ(back.lfUnderline, 1);
    EXPECT_EQ(back.lfFaceName, "Impact");
}

TEST(GdiFonts, StockFontsDescribeTheClassicDefaults)
{
    LOGFONT gui;
    ASSERT_GT(GetObject(GetStockObject(DEFAULT_GUI_FONT), static_cast<int>(sizeof(LOGFONT)), &gui), 0);
    EXPECT_EQ(gui.lfHeight, -11);
    EXPECT_EQ(std::abs(MulDiv(gui.lfHeight, 72, 96)), 8);

    LOGFONT system;
    ASSERT_GT(GetObject(GetStockObject(SYSTEM_FONT), static_cast<int>(sizeof(LOGFONT)), &system), 0);
    EXPECT_EQ(system.lfWeight, FW_BOLD);
    EXPECT_EQ(GetObject(GetStockObject(BLACK_PEN), static_cast<int>(sizeof(LOGFONT)), &system), 0);
}

TEST(GdiFonts, NegativeHeightIsTheCharacterHeight)
{
    CFont font;
    font.CreateFont(-20, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Arial");
    const TEXTMETRIC metrics = MetricsOf(font);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 20);
    EXPECT_EQ(metrics.tmHeight, metrics.tmAscent + metrics.tmDescent);
    EXPECT_EQ(metrics.tmWeight, FW_NORMAL);

    // Capitals stand about seven tenths of the character height.
    Canvas canvas(60, 40);
    Write(canvas, font, "H");
    const CRect ink = canvas.Ink();
    EXPECT_GE(ink.Height(), 13);
    EXPECT_LE(ink.Height(), 16);
}

TEST(GdiFonts, PositiveHeightIsTheCellHeight)
{
    CFont cell, character;
    cell.CreateFont(30, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    character.CreateFont(-30, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    const TEXTMETRIC metrics = MetricsOf(cell);
    EXPECT_GE(metrics.tmHeight, 29);
    EXPECT_LE(metrics.tmHeight, 31);
    EXPECT_GT(metrics.tmInternalLeading, 0);

    Canvas small(80, 60), large(80, 60);
    Write(small, cell, "H");
    Write(large, character, "H");
    EXPECT_LT(small.Ink().Height(), large.Ink().Height());
}

TEST(GdiFonts, APositiveHeightIsTheCellOfTheFacesWindowsAscentAndDescent)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed (scripts/packages.sh installs it)";
    // The em Windows gives a cell: cell x units per em / (Windows ascent + descent), rounded.
    // The free Tahoma (2048 units, 2049 + 423) asks font engines for a line of one em instead.
    const struct {
        const char* face;
        int cell;
        int em;
    } cases[] = {{"Tahoma", 28, 23}, {"Tahoma", 18, 15}, {"Times New Roman", 28, 25}, {"DejaVu Sans", 28, 24}};
    for (const auto& c : cases) {
        CFont byCell, byEm;
        byCell.CreateFont(c.cell, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face);
        byEm.CreateFont(-c.em, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face);
        Canvas cellCanvas(300, 50), emCanvas(300, 50);
        Write(cellCanvas, byCell, "Thursday | Fri");
        Write(emCanvas, byEm, "Thursday | Fri");
        EXPECT_EQ(cellCanvas.Ink(), emCanvas.Ink()) << c.face << " " << c.cell;
    }
}

TEST(GdiFonts, ZeroHeightAndWeightTakeDefaults)
{
    CFont font;
    font.CreateFont(0, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
    const TEXTMETRIC metrics = MetricsOf(font);
    EXPECT_EQ(metrics.tmHeight - metrics.tmInternalLeading, 11);
    EXPECT_EQ(metrics.tmWeight, FW_NORMAL);
}

TEST(GdiFonts, BoldPutsDownMoreInk)
{
    CFont normal, bold;
    normal.CreateFont(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    bold.CreateFont(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "DejaVu Sans");
    Canvas thin(120, 30), thick(120, 30);
    Write(thin, normal, "Bold");
    Write(thick, bold, "Bold");
    EXPECT_GT(thick.Count(kBlack), thin.Count(kBlack));
}

TEST(GdiFonts, OnlyAntialiasedQualitySmoothsTheEdges)
{
    CFont sharp, smooth;
    sharp.CreateFont(-20, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "Tahoma");
    smooth.CreateFont(-20, 0, 0, 0, 0, 0, 0, 0, DEFAULT_CHARSET, 0, 0, ANTIALIASED_QUALITY, 0, "Tahoma");
    Canvas hard(120, 40), soft(120, 40);
    Write(hard, sharp, "Sow");
    Write(soft, smooth, "Sow");
    const int all = hard.Width() * hard.Height();
    EXPECT_EQ(hard.Count(kBlack) + hard.Count(kWhite), all);
    EXPECT_LT(soft.Count(kBlack) + soft.Count(kWhite), all);
}

TEST(GdiFonts, WindowsFacesComeFromTheirPackageAndLettersNeverAsSymbols)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed (scripts/packages.sh installs it)";
    const std::vector<CString> families = EnumFontFamilies();
    for (const char* face : {"Tahoma", "MS Sans Serif", "Fixedsys", "Wingdings", "Symbol"})
        EXPECT_NE(std::find(families.begin(), families.end(), CString(face)), families.end()) << face;

    const auto drawnIn = [](const char* face) {
        return QFontInfo(QFont(platform::ui::detail::UsableFamily(QString::fromUtf8(face)))).family();
    };
    EXPECT_EQ(drawnIn("Tahoma"), QStringLiteral("Tahoma"));
    EXPECT_EQ(drawnIn("Wingdings"), QStringLiteral("Wingdings"));
    for (const char* missing : {"Impact", "Arial Black", "Comic Sans MS", "No Such Face"}) {
        const QList<QFontDatabase::WritingSystem> systems = QFontDatabase::writingSystems(drawnIn(missing));
        EXPECT_TRUE(systems.contains(QFontDatabase::Latin) && !systems.contains(QFontDatabase::Symbol))
            << missing << " is drawn in " << drawnIn(missing).toStdString();
    }
}

TEST(GdiFonts, FamiliesListTheInstalledOnesWithoutVerticalNames)
{
    const std::vector<CString> families = EnumFontFamilies();
    EXPECT_NE(std::find(families.begin(), families.end(), CString("WenQuanYi Micro Hei")), families.end());
    EXPECT_NE(std::find(families.begin(), families.end(), CString("DejaVu Sans")), families.end());
    for (const CString& family : families)
        EXPECT_NE(family.Left(1), "@");

    // Handed to a callback one by one, in the same order, until the callback says stop.
    struct Seen {
        std::vector<CString> faces;
        size_t stopAfter;
    };
    const auto note = [](const LOGFONT* logFont, LPARAM lParam) {
        auto* seen = reinterpret_cast<Seen*>(lParam);
        seen->faces.emplace_back(logFont->lfFaceName.c_str());
        return seen->faces.size() < seen->stopAfter ? 1 : 0;
    };
    Seen all{{}, families.size() + 1};
    EXPECT_EQ(EnumFontFamilies(note, reinterpret_cast<LPARAM>(&all)), 1);
    EXPECT_EQ(all.faces, families);
    Seen two{{}, 2};
    EXPECT_EQ(EnumFontFamilies(note, reinterpret_cast<LPARAM>(&two)), 0);
    EXPECT_EQ(two.faces.size(), 2u);
}

TEST(GdiMulDiv, RoundsToNearestAwayFromZero)
{
    EXPECT_EQ(MulDiv(11, 72, 96), 8);
    EXPECT_EQ(MulDiv(-11, 72, 96), -8);
    EXPECT_EQ(MulDiv(9, 96, 72), 12);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(GdiBitmaps, CompatibleWithAFreshMemoryDcMeansMonochrome)
{
    CDC memory;
    memory.CreateCompatibleDC(nullptr);
    CBitmap mono;
    ASSERT_TRUE(mono.CreateCompatibleBitmap(&memory, 8, 4));
    BITMAP info;
    ASSERT_GT(mono.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmBitsPixel, 1);
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 4);
    EXPECT_EQ(info.bmWidthBytes, 2);

    CDC screen;
    screen.CreateDC("DISPLAY", nullptr, nullptr, nullptr);
    CBitmap colour;
    ASSERT_TRUE(colour.CreateCompatibleBitmap(&screen, 8, 4));
    colour.GetBitmap(&info);
    EXPECT_EQ(info.bmBitsPixel, 32);
    EXPECT_EQ(info.bmWidthBytes, 32);
}

TEST(GdiBitmaps, CreateBitmapReadsMonochromeAndColourBits)
{
    // Rows padded to 16 bits: 1010 0000, then 0101 0000.
    const BYTE monoBits[] = {0xA0, 0x00, 0x50, 0x00};
    CBitmap mono;
    ASSERT_TRUE(mono.CreateBitmap(4, 2, 1, 1, monoBits));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(&mono);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(1, 0), kBlack);
    EXPECT_EQ(dc.GetPixel(1, 1), kWhite);
    EXPECT_EQ(dc.GetPixel(3, 1), kWhite);

    const BYTE colourBits[] = {0x30, 0x20, 0x10, 0, 0xFF, 0xFF, 0xFF, 0};
    CBitmap colour;
    ASSERT_TRUE(colour.CreateBitmap(2, 1, 1, 32, colourBits));
    dc.SelectObject(&colour);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(dc.GetPixel(1, 0), kWhite);
    dc.SelectObject(previous);

    CBitmap flat;
    EXPECT_FALSE(flat.CreateBitmap(2, 2, 2, 1, nullptr));
}

TEST(GdiBitmaps, LoadFromBmpFilesWithEitherSeparator)
{
    TempFolder folder;
    QDir().mkpath(QString::fromStdString(folder.File("pic")));
    QImage picture(6, 3, QImage::Format_RGB32);
    picture.fill(QColor(100, 100, 100));
    picture.setPixel(5, 2, qRgb(1, 2, 3));
    SaveImage(picture, folder.File("pic/one.bmp"), "BMP");

    HGDIOBJ loaded = LoadImage(nullptr, "pic\\one.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    ASSERT_NE(loaded, nullptr);
    CBitmap bitmap;
    bitmap.Attach(loaded);
    BITMAP info;
    bitmap.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 6);
    EXPECT_EQ(info.bmHeight, 3);

    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(&bitmap);
    EXPECT_EQ(dc.GetPixel(0, 0), RGB(100, 100, 100));
    EXPECT_EQ(dc.GetPixel(5, 2), RGB(1, 2, 3));
    dc.SelectObject(previous);

    CBitmap viaMember;
    EXPECT_TRUE(viaMember.LoadBitmap(folder.File("pic/one.bmp").c_str()));
    EXPECT_FALSE(viaMember.LoadBitmap("pic/missing.bmp"));
    EXPECT_EQ(LoadImage(nullptr, "pic/missing.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImage(nullptr, "pic/one.bmp", IMAGE_BITMAP, 0, 0, 0), nullptr);

    HGDIOBJ scaled = LoadImage(nullptr, "pic/one.bmp", IMAGE_BITMAP, 12, 0, LR_LOADFROMFILE | LR_MONOCHROME);
    ASSERT_NE(scaled, nullptr);
    GetObject(scaled, static_cast<int>(sizeof(BITMAP)), &info);
    EXPECT_EQ(info.bmWidth, 12);
    EXPECT_EQ(info.bmHeight, 3);
    EXPECT_EQ(info.bmBitsPixel, 1);
    DeleteObject(scaled);
}

// A picture in a folder others may rearrange is shown only as a file there, never through a link:
// anyone in the group could have put it there, leading to a picture of the user's own.
TEST(GdiBitmaps, APictureBehindALinkInAGroupFolderShowsNothing)
{
    if (!CanActAsAnotherUser())
        GTEST_SKIP() << "needs root to act as another user";
    TempFolder folder;
    ASSERT_EQ(::chmod(folder.Path().c_str(), 0755), 0);
    QDir().mkpath(QString::fromStdString(folder.File("private")));
    QDir().mkpath(QString::fromStdString(folder.File("shared")));
    ASSERT_EQ(::chmod(folder.File("private").c_str(), 0700), 0);
    ASSERT_EQ(::chown(folder.File("shared").c_str(), 0, kOtherGroup), 0);
    ASSERT_EQ(::chmod(folder.File("shared").c_str(), 02775), 0);
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    SaveImage(picture, folder.File("private/mine.bmp"), "BMP");
    const std::string target = folder.File("private/mine.bmp");

    const std::string theirs = folder.File("shared/theirs.bmp");
    ASSERT_EQ(AsOtherUser([&] { return ::symlink(target.c_str(), theirs.c_str()) == 0; }), 0);
    const std::string ownMoved = folder.File("shared/moved.bmp");
    ASSERT_EQ(::symlink(target.c_str(), ownMoved.c_str()), 0);
    const std::string ownPrivate = folder.File("private/link.bmp");
    ASSERT_EQ(::symlink(target.c_str(), ownPrivate.c_str()), 0);

    EXPECT_EQ(LoadImage(nullptr, theirs.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    EXPECT_EQ(LoadImage(nullptr, ownMoved.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE), nullptr);
    HGDIOBJ followed = LoadImage(nullptr, ownPrivate.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    EXPECT_NE(followed, nullptr);
    DeleteObject(followed);
}

TEST(GdiIcons, LoadFromIcoFilesAndMakeMonochromeCopies)
{
    TempFolder folder;
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    for (int y = 4; y < 12; ++y) {
        for (int x = 4; x < 12; ++x)
            picture.setPixel(x, y, x < 8 ? qRgb(200, 30, 30) : qRgb(230, 230, 230));
    }
    SaveImage(picture, folder.File("sign.ico"), "ICO");

    HICON icon = LoadImage(nullptr, "sign.ico", IMAGE_ICON, 32, 32, LR_LOADFROMFILE);
    ASSERT_NE(icon, nullptr);
    HICON mono = CopyImage(icon, IMAGE_ICON, 0, 0, LR_MONOCHROME);
    ASSERT_NE(mono, nullptr);
    EXPECT_EQ(CopyImage(icon, IMAGE_BITMAP, 0, 0, 0), nullptr);

    Canvas canvas(40, 40);
    canvas.Clear(kRed);
    ASSERT_TRUE(DrawIconEx(canvas.dc, 0, 0, mono, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(canvas.At(0, 0), kRed);             // transparent stays
    EXPECT_EQ(canvas.At(10, 10), kBlack);         // dark red became black
    EXPECT_EQ(canvas.At(20, 10), kWhite);         // light grey became white
    EXPECT_EQ(canvas.At(31, 31), kRed);
    EXPECT_TRUE(DestroyIcon(icon));
    EXPECT_TRUE(DestroyIcon(mono));
    EXPECT_FALSE(DestroyIcon(mono));
}

TEST(GdiIcons, IconInfoSplitsIntoMaskAndColourAndBuildsBack)
{
    CBitmap colour, mask;
    ASSERT_TRUE(colour.CreateBitmap(4, 4, 1, 32, nullptr));
    const BYTE maskBits[] = {0xF0, 0, 0xB0, 0, 0xF0, 0, 0xF0, 0};   // white (transparent) but at (1, 1)
    ASSERT_TRUE(mask.CreateBitmap(4, 4, 1, 1, maskBits));
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap* previous = dc.SelectObject(&colour);
    dc.SetPixel(1, 1, RGB(10, 20, 30));
    dc.SetPixel(2, 2, RGB(50, 50, 50));
    dc.SelectObject(previous);

    ICONINFO info;
    info.hbmColor = colour.GetSafeHandle();
    info.hbmMask = mask.GetSafeHandle();
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    Canvas canvas(4, 4);
    canvas.Clear(kRed);
    DrawIconEx(canvas.dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(canvas.At(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(canvas.At(2, 2), kRed);

    ICONINFO back;
    ASSERT_TRUE(GetIconInfo(icon, &back));
    EXPECT_EQ(back.xHotspot, 2u);
    EXPECT_EQ(back.yHotspot, 2u);
    CBitmap backMask, backColour;
    backMask.Attach(back.hbmMask);
    backColour.Attach(back.hbmColor);
    BITMAP maskInfo;
    backMask.GetBitmap(&maskInfo);
    EXPECT_EQ(maskInfo.bmBitsPixel, 1);
    previous = dc.SelectObject(&backMask);
    EXPECT_EQ(dc.GetPixel(0, 0), kWhite);
    EXPECT_EQ(dc.GetPixel(1, 1), kBlack);
    dc.SelectObject(&backColour);
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(10, 20, 30));
    EXPECT_EQ(dc.GetPixel(2, 2), kBlack);
    dc.SelectObject(previous);
    EXPECT_TRUE(DestroyIcon(icon));
}
