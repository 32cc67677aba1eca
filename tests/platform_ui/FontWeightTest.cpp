// Font weights: a request is drawn at the nearest weight the face has, and anything from 600 up
// is drawn bold, also in faces whose bold exists in name only or not at all, bitmap faces
// included.
#include "platform/ui/Gdi.h"

#include "Canvas.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/TestHooks.h"

#include "platform/ui/qt/FaceWeights.h"

#include <QFile>
#include <gtest/gtest.h>
#include <map>
#include <vector>

namespace {

// Black pixels of the text drawn sharp at a 24-pixel cell in the face and weight.
int Ink(const char* face, int weight, const char* text)
{
    CFont font;
    font.CreateFont(24, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    Canvas canvas(400, 40);
    CFont* previous = canvas.dc.SelectObject(&font);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(2, 2, text);
    canvas.dc.SelectObject(previous);
    return canvas.Count(RGB(0, 0, 0));
}

// The width of the stem of an "l" drawn sharp at that cell: its black pixels across the middle of
// its height.
int StemWidth(const char* face, int cell, int weight)
{
    CFont font;
    font.CreateFont(cell, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    Canvas canvas(60, 60);
    CFont* previous = canvas.dc.SelectObject(&font);
    canvas.dc.SetBkMode(TRANSPARENT);
    canvas.dc.TextOut(10, 5, "l");
    canvas.dc.SelectObject(previous);
    const int middle = canvas.Ink().CenterPoint().y;
    return canvas.Count(RGB(0, 0, 0), CRect(0, middle, 60, middle + 1));
}

constexpr UINT kLabelDialog = 9311;
constexpr int kLabel = 1001;

// Black pixels of a static showing the text in the face at the weight.
int StaticInk(const char* face, int height, int weight, const char* text)
{
    DialogTemplate dialogTemplate;
    dialogTemplate.id = kLabelDialog;
    dialogTemplate.cx = 200;
    dialogTemplate.cy = 30;
    dialogTemplate.controls = {{ControlClass::Static, kLabel, text, 5, 5, 190, 20, SS_LEFT}};
    RegisterDialogTemplate(dialogTemplate);
    CDialog dialog(kLabelDialog);
    dialog.Create(kLabelDialog);
    CFont font;
    font.CreateFont(height, 0, 0, 0, weight, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face);
    CWnd* label = dialog.GetDlgItem(kLabel);
    label->SetFont(&font);
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(*label);
    int ink = 0;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            ink += picture.Pixel(x, y) == RGB(0, 0, 0) ? 1 : 0;
    dialog.DestroyWindow();
    return ink;
}

} // namespace

// The bitmap-only faces have one strike each and no bold; Windows draws their bold twice, one
// pixel apart, each character one pixel wider.
TEST(FontWeights, BitmapFacesAreBoldAsTheRegularGlyphDrawnAgainOnePixelToTheRight)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/ms_sans_serif.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed (scripts/packages.sh installs it)";
    const struct {
        const char* face;
        int height;   // the em of its strike
    } cases[] = {{"MS Sans Serif", -13}, {"Small Fonts", -11}, {"Fixedsys", -15}};
    const std::string text = "Sunday, 15 March";
    for (const auto& c : cases) {
        for (char letter : text) {
            const char glyph[] = {letter, 0};
            Canvas regular(40, 30), bold(40, 30);
            CFont regularFont, boldFont;
            regularFont.CreateFont(c.height, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face);
            boldFont.CreateFont(c.height, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, c.face);
            CFont* previousRegular = regular.dc.SelectObject(&regularFont);
            CFont* previousBold = bold.dc.SelectObject(&boldFont);
            regular.dc.SetBkMode(TRANSPARENT);
            bold.dc.SetBkMode(TRANSPARENT);
            regular.dc.TextOut(5, 5, glyph);
            bold.dc.TextOut(5, 5, glyph);
            EXPECT_EQ(bold.dc.GetTextExtent(glyph).cx, regular.dc.GetTextExtent(glyph).cx + 1) << c.face << " " << glyph;
            regular.dc.SelectObject(previousRegular);
            bold.dc.SelectObject(previousBold);
            for (int y = 0; y < 30; ++y)
                for (int x = 1; x < 40; ++x) {
                    const bool inked = regular.At(x, y) == RGB(0, 0, 0) || regular.At(x - 1, y) == RGB(0, 0, 0);
                    ASSERT_EQ(bold.At(x, y) == RGB(0, 0, 0), inked) << c.face << " '" << glyph << "' at " << x << "," << y;
                }
        }
        const int regular = StaticInk(c.face, c.height, FW_NORMAL, text.c_str());
        EXPECT_GT(regular, 0) << c.face;
        EXPECT_GT(StaticInk(c.face, c.height, FW_BOLD, text.c_str()), regular * 5 / 4) << c.face << " in a static";
        EXPECT_EQ(StaticInk(c.face, c.height, 600, text.c_str()), StaticInk(c.face, c.height, FW_HEAVY, text.c_str()))
            << c.face << " in a static";
        EXPECT_EQ(StaticInk(c.face, c.height, 500, text.c_str()), regular) << c.face << " in a static";
    }
}

TEST(FontWeights, FromSixHundredUpTextIsDrawnBoldInEveryFace)
{
    if (!QFile::exists(QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf")))
        GTEST_SKIP() << "fonts-wine is not installed (scripts/packages.sh installs it)";
    // Tahoma's packaged bold has the regular outlines; WenQuanYi has no bold; 微软雅黑 is not
    // installed and stands in as the default sans face.
    const struct {
        const char* face;
        const char* text;
    } cases[] = {{"Tahoma", "Sunday, 15 March"},
                 {"Times New Roman", "Sunday, 15 March"},
                 {"DejaVu Sans", "Sunday, 15 March"},
                 {"WenQuanYi Micro Hei", "还剩 218 天"},
                 {"微软雅黑", "Sunday, 15 March"}};
    for (const auto& c : cases) {
        const int regular = Ink(c.face, FW_NORMAL, c.text);
        const int bold = Ink(c.face, FW_BOLD, c.text);
        EXPECT_GT(bold, regular * 5 / 4) << c.face;
        for (int weight : {600, 800, FW_HEAVY})
            EXPECT_EQ(Ink(c.face, weight, c.text), bold) << c.face << " at " << weight;
        EXPECT_EQ(Ink(c.face, 500, c.text), regular) << c.face;
    }
}

TEST(FontWeights, TheWeightAskedIsTheFacesNearestOnTheSameSideOfSixHundred)
{
    using Weights = std::vector<int>;
    const struct {
        Weights face;
        std::map<int, int> asked;   // requested -> asked for
    } cases[] = {
        {{400, 700}, {{100, 400}, {500, 400}, {599, 400}, {600, 700}, {900, 700}}},
        // No bold: bold is asked for all the same, for the engine to embolden the regular.
        {{400}, {{400, 400}, {600, 700}, {900, 700}}},
        // A semi-bold alone is asked as bold, so it is drawn emboldened.
        {{400, 600}, {{550, 400}, {600, 700}, {900, 700}}},
        {{200, 400, 700, 900}, {{100, 200}, {300, 200}, {800, 700}, {850, 900}, {FW_HEAVY, 900}}},
        // Only heavy styles: a light request is left to the engine's matching.
        {{700}, {{400, 400}, {900, 700}}},
        {{}, {{400, 400}, {FW_HEAVY, 700}}},
    };
    for (const auto& c : cases)
        for (const auto& [requested, asked] : c.asked)
            EXPECT_EQ(platform::ui::detail::WeightToAsk(c.face, requested), asked)
                << "request " << requested << " of a face with " << c.face.size() << " weights";
}

// A missing face stands in as the same Latin face under every desktop language, one with a bold
// style of its own, whose stems are twice the regular's. Under a Chinese desktop the font matcher
// picked WenQuanYi, whose Latin letters have no bold: emboldened (stems of 3 pixels for 2) they
// read as regular beside its emboldened Chinese (2 for 1). CMakeLists.txt runs these cases under a
// Chinese desktop too.
TEST(FontWeights, LatinLettersOfAMissingFaceAreBoldUnderEveryLanguage)
{
    for (const char* face : {"微软雅黑", "Microsoft Sans Serif", "宋体"})
        for (int cell : {24, 28, 40}) {
            const int regular = StemWidth(face, cell, FW_NORMAL);
            EXPECT_GE(regular, 2) << face << " at " << cell;
            EXPECT_GE(StemWidth(face, cell, FW_BOLD), 2 * regular) << face << " at " << cell;
        }
}
