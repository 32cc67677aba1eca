// Makes the shipped pictures from the program's own windows and documents, offscreen:
//   make_pictures sizes <checkout>                   the start pictures' width and height
//   make_pictures windows <checkout>                 start/1-3.bmp, about.bmp and the icons
//   make_pictures document <checkout> <folder>       a diary of a sample design; prints its path
//   make_pictures page <checkout> <page.png> <n>     start/<n>.bmp from a rendered page
// Each works in a scratch program folder, so the checkout only gets the pictures.
// tools/make_pictures/make_pictures.sh runs them all.
#include "PictureFiles.h"

#include "app/Form_SaveConfig.h"
#include "app/Form_SelectConfig.h"
#include "app/Form_SetWord.h"
#include "app/generation/GenerationRun.h"
#include "app/generation/RunInputs.h"
#include "platform/Files.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DC.h"
#include "platform/ui/Images.h"
#include "platform/ui/Picture.h"
#include "platform/ui/Resources.h"
#include "platform/ui/SysColors.h"
#include "platform/ui/TestHooks.h"
#include "resources/DialogTemplates.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"
#include "settings/DesignFile.h"

#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

// The sample whose classes and pages the pictures show.
constexpr const char* kSample = "config/samples/Spring_15Mar_10Apr.ini";
constexpr const char* kKnownDesigns[] = {"FullYear_AllCalendars.ini", "Motto_June.ini", "Weekdays_Only.ini"};
// The toolbar draws its pictures on this grey, which it shows as transparent.
constexpr COLORREF kToolbarMask = RGB(100, 100, 100);
constexpr COLORREF kWhite = RGB(255, 255, 255);
// What the window pictures stand on: the classic desktop's teal.
constexpr COLORREF kDesktop = RGB(0, 128, 128);

struct Size {
    int width = 0;
    int height = 0;
};

// The home whose paths the pictures show: make_pictures.sh makes one that looks like a Chinese
// user's (a home of its own in a mount namespace); run alone, the tool makes its folders in the
// temporary folder.
fs::path PictureHome()
{
    const char* home = std::getenv("ROROVAVOZIR_PICTURE_HOME");
    return home && *home ? fs::path(home) : fs::temp_directory_path();
}

// A fresh program folder in the home holding the checkout's config/, the sample as the current
// design and the other samples as known designs, made the current folder; the output folder is
// the default one in the home's documents folder.
fs::path EnterProgramFolder(const fs::path& checkout)
{
    const fs::path home = PictureHome();
    const fs::path folder = home / "Rorovavozir";
    fs::remove_all(folder);
    fs::create_directories(folder);
    static const platform::ui::DocumentsFolderOverride documents((home / "文档").string().c_str());
    fs::copy(checkout / "config", folder / "config", fs::copy_options::recursive);
    fs::copy_file(checkout / kSample, folder / "ZaDuzed_Simple.ini");
    std::string known = "[Main]\r\nStartShow=0\r\n";
    int number = 0;
    for (const char* name : kKnownDesigns) {
        fs::copy_file(checkout / "config/samples" / name, folder / name);
        known += "CONFIG" + std::to_string(number++) + "=" + (folder / name).string() + "\r\n";
    }
    platform::WriteFileReplacing((folder / "config/config_path.ini").string(), known);
    fs::current_path(folder);
    platform::ui::EnsureApplication();
    RegisterProgramResources();
    return folder;
}

Pixels Captured(CWnd& window)
{
    window.ShowWindow(SW_SHOW);
    platform::ui::PumpEventsUntil([] { return false; }, 200);
    const platform::ui::WindowPicture picture = platform::ui::CaptureWindow(window);
    Pixels pixels{picture.Width(), picture.Height(), {}};
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x)
            pixels.colours.push_back(picture.Pixel(x, y));
    return pixels;
}

Pixels BitmapPixels(HBITMAP bitmap)
{
    BITMAP size;
    GetObject(bitmap, static_cast<int>(sizeof(BITMAP)), &size);
    std::vector<std::uint32_t> words(static_cast<size_t>(size.bmWidth) * static_cast<size_t>(size.bmHeight));
    GetBitmapBits(bitmap, static_cast<LONG>(words.size() * 4), words.data());
    Pixels pixels{size.bmWidth, size.bmHeight, {}};
    for (const std::uint32_t word : words)
        pixels.colours.push_back(RGB(static_cast<BYTE>(word >> 16), static_cast<BYTE>(word >> 8), static_cast<BYTE>(word)));
    return pixels;
}

// The size in pixels of a control of a dialog, as the dialog lays it out.
Size ControlSize(UINT dialogId, int controlId)
{
    CDialog dialog(dialogId);
    dialog.Create(dialogId);
    CRect rect;
    dialog.GetDlgItem(controlId)->GetClientRect(&rect);
    dialog.DestroyWindow();
    return Size{rect.Width(), rect.Height()};
}

// An icon from the top-left square of one of the program's pictures, transparent where it has
// the given colour.
bool WriteIconFrom(const fs::path& checkout, const std::string& picture, int square, COLORREF transparent,
                   const std::string& name)
{
    CBitmap bitmap;
    bitmap.Attach(LoadImage(nullptr, ("config/pic/" + picture).c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    const fs::path icon = checkout / "config/pic" / name;
    const bool written =
        bitmap.GetSafeHandle() &&
        WriteIcon(icon.string(),
                  Fit(Crop(BitmapPixels(static_cast<HBITMAP>(bitmap.GetSafeHandle())), 0, 0, square, square), 32, 32,
                      transparent),
                  transparent);
    std::printf("%s %s\n", written ? "wrote" : "could not write", icon.c_str());
    return written;
}

bool Write(const fs::path& checkout, const std::string& name, const Pixels& picture)
{
    const fs::path path = checkout / "config/pic" / name;
    fs::create_directories(path.parent_path());
    const bool written = WriteBmp(path.string(), picture);
    std::printf("%s %s\n", written ? "wrote" : "could not write", path.c_str());
    return written;
}

int Sizes(const fs::path& checkout)
{
    EnterProgramFolder(checkout);
    const Size start = ControlSize(IDD_WELCOME, IDC_START_PICTURE);
    std::printf("%d %d\n", start.width, start.height);
    return 0;
}

int Windows(const fs::path& checkout)
{
    EnterProgramFolder(checkout);
    const Size start = ControlSize(IDD_WELCOME, IDC_START_PICTURE);
    const Size about = ControlSize(IDD_ABOUTBOX, IDC_ABOUT_PICTURE);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    CForm_SetWord main;
    main.Create(IDD_FORM_SETWORD);
    const Pixels mainPicture = Captured(main);
    bool written = Write(checkout, "start/1.bmp", OnDesktop(mainPicture, start.width, start.height, kDesktop));
    // The About picture: the top of the main window, toolbar and dates, across its width.
    const Pixels top = Crop(mainPicture, 0, 0, mainPicture.width, mainPicture.width * about.height / about.width);
    written = Write(checkout, "about.bmp", Fit(top, about.width, about.height, face)) && written;
    {
        CForm_SelectConfig select(&main);
        select.Create(IDD_SELECT_CONFIG, &main);
        written = Write(checkout, "start/2.bmp", OnDesktop(Captured(select), start.width, start.height, kDesktop)) && written;
    }
    {
        CForm_SaveConfig save(&main);
        save.Create(IDD_SAVE_CONFIG, &main);
        written = Write(checkout, "start/3.bmp", OnDesktop(Captured(save), start.width, start.height, kDesktop)) && written;
    }
    written = WriteIconFrom(checkout, "toolbar_32/1.bmp", 32, kToolbarMask, "Rorovavozir.ico") && written;
    written = WriteIconFrom(checkout, "item_special/2001.bmp", 32, kWhite, "item_symbol.ico") && written;
    // The table style's left end, square: its heading line and the rows below it.
    written = WriteIconFrom(checkout, "LineSettings/TableStyle1.bmp", 108, kWhite, "table_style.ico") && written;
    return written ? 0 : 1;
}

int Document(const fs::path& checkout, const fs::path& out)
{
    EnterProgramFolder(checkout);
    ClassListModel rows;
    const OutlineLevelTexts levels = LoadDesignFile("ZaDuzed_Simple.ini", rows);
    fs::create_directories(out);
    GenerationJob job{fs::current_path().string(), out.string(), BuildRunDesign(rows, levels), {}, {}, {}};
    if (GenerateDiary(job) != GenerationStatus::Done)
        return 1;
    std::printf("%s\n", job.outputFile.c_str());
    return 0;
}

// The top of a rendered page, as wide as the start pictures.
int Page(const fs::path& checkout, const fs::path& png, int number)
{
    EnterProgramFolder(checkout);
    const Size start = ControlSize(IDD_WELCOME, IDC_START_PICTURE);
    const std::optional<std::string> bytes = platform::ReadFileBytes(png.string());
    const std::unique_ptr<Picture> page =
        bytes ? Picture::FromBytes(std::vector<BYTE>(bytes->begin(), bytes->end())) : nullptr;
    if (!page)
        return 1;
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CBitmap bitmap;
    bitmap.CreateBitmap(start.width, start.height, 1, 32, nullptr);
    CBitmap* previous = dc.SelectObject(&bitmap);
    dc.FillSolidRect(0, 0, start.width, start.height, RGB(255, 255, 255));
    page->Render(&dc, 0, 0, HimetricToPixels(page->HimetricWidth(), 96), HimetricToPixels(page->HimetricHeight(), 96));
    dc.SelectObject(previous);
    return Write(checkout, "start/" + std::to_string(number) + ".bmp",
                 BitmapPixels(static_cast<HBITMAP>(bitmap.GetSafeHandle())))
               ? 0
               : 1;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    const fs::path checkout = argc > 2 ? fs::absolute(argv[2]) : fs::path();
    if (mode == "sizes" && argc == 3)
        return Sizes(checkout);
    if (mode == "windows" && argc == 3)
        return Windows(checkout);
    if (mode == "document" && argc == 4)
        return Document(checkout, fs::absolute(argv[3]));
    if (mode == "page" && argc == 5)
        return Page(checkout, fs::absolute(argv[3]), std::atoi(argv[4]));
    std::fprintf(stderr, "usage: %s sizes|windows <checkout> | document <checkout> <folder> | "
                         "page <checkout> <page.png> <number>\n", argv[0]);
    return 2;
}
