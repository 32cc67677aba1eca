// Font weights: a request is drawn at the nearest weight the face has, and anything from 600 up
// is drawn bold, also in faces whose bold exists in name only or not at all.
#include "platform/ui/Gdi.h"

#include "Canvas.h"

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

} // namespace

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
