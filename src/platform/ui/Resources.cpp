#include "platform/ui/Resources.h"

#include "platform/ui/Images.h"
#include "platform/ui/qt/GdiAccess.h"

#include <QImage>
#include <cstring>
#include <map>
#include <mutex>
#include <utility>

namespace {

std::mutex g_mutex;

std::map<UINT, CString>& Strings()
{
    static std::map<UINT, CString> strings;
    return strings;
}

std::map<UINT, CString>& IconFiles()
{
    static std::map<UINT, CString> files;
    return files;
}

std::map<UINT, CString>& BitmapFiles()
{
    static std::map<UINT, CString> files;
    return files;
}

std::map<std::pair<UINT, UINT>, std::vector<BYTE>>& DataResources()
{
    static std::map<std::pair<UINT, UINT>, std::vector<BYTE>> resources;
    return resources;
}

// Keyed by the type's text: a CString in a pair would compare as a pointer.
std::map<std::pair<UINT, std::string>, std::vector<BYTE>>& CustomResources()
{
    static std::map<std::pair<UINT, std::string>, std::vector<BYTE>> resources;
    return resources;
}

} // namespace

void RegisterStringResource(UINT id, const CString& text)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    Strings()[id] = text;
}

std::optional<CString> LoadResourceString(UINT id)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = Strings().find(id);
    return found == Strings().end() ? std::nullopt : std::optional<CString>(found->second);
}

void RegisterIconResource(UINT id, const CString& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    IconFiles()[id] = path;
}

HICON LoadIconResource(UINT id, int cx, int cy)
{
    CString path;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        const auto found = IconFiles().find(id);
        if (found == IconFiles().end())
            return nullptr;
        path = found->second;
    }
    return LoadImage(nullptr, path, IMAGE_ICON, cx, cy, LR_LOADFROMFILE);
}

void RegisterBitmapResource(UINT id, const CString& path)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    BitmapFiles()[id] = path;
}

HBITMAP LoadBitmapResource(UINT id)
{
    CString path;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        const auto found = BitmapFiles().find(id);
        if (found == BitmapFiles().end())
            return nullptr;
        path = found->second;
    }
    return LoadImage(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
}

void RegisterDataResource(UINT id, UINT type, std::vector<BYTE> data)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    DataResources()[{id, type}] = std::move(data);
}

const std::vector<BYTE>* FindDataResource(UINT id, UINT type)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = DataResources().find({id, type});
    return found == DataResources().end() ? nullptr : &found->second;
}

void RegisterCustomResource(UINT id, const CString& type, std::vector<BYTE> data)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    CustomResources()[{id, type.str()}] = std::move(data);
}

const std::vector<BYTE>* FindCustomResource(UINT id, const CString& type)
{
    std::lock_guard<std::mutex> lock(g_mutex);
    const auto found = CustomResources().find({id, type.str()});
    return found == CustomResources().end() ? nullptr : &found->second;
}

LONG GetBitmapBits(HBITMAP bitmap, LONG count, void* bits)
{
    const QImage* image = platform::ui::detail::ImageOf(bitmap);
    if (!image || count <= 0 || !bits)
        return 0;
    const QImage pixels = image->convertToFormat(QImage::Format_ARGB32);
    const LONG rowBytes = static_cast<LONG>(pixels.width()) * 4;
    LONG copied = 0;
    for (int y = 0; y < pixels.height() && copied + rowBytes <= count; ++y) {
        std::memcpy(static_cast<BYTE*>(bits) + copied, pixels.constScanLine(y), static_cast<size_t>(rowBytes));
        copied += rowBytes;
    }
    return copied;
}
