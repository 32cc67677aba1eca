#include "controls/PicCtrl/PictureBox.h"

#include "platform/Files.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Resources.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kScreenDpi = 96;
constexpr const char* kNoMemory = "Can not allocate enough memory\t";

void StopBox(const char* text, const char* caption = nullptr)
{
    MessageBox(nullptr, text, caption, MB_ICONSTOP);
}

} // namespace

void CPictureBox::FreePicture()
{
    m_pPicture.reset();
    m_height = 0;
    m_width = 0;
}

BOOL CPictureBox::FinishLoad(BOOL loaded, LONG byteCount)
{
    m_dataSize = byteCount;
    if (!loaded || !m_pPicture) {
        FreePicture();
        return FALSE;
    }
    m_height = HimetricToPixels(m_pPicture->HimetricHeight(), kScreenDpi);
    m_width = HimetricToPixels(m_pPicture->HimetricWidth(), kScreenDpi);
    return TRUE;
}

BOOL CPictureBox::LoadPictureData(const BYTE* data, int size)
{
    FreePicture();
    if (!data || size <= 0)
        return FALSE;
    m_pPicture = Picture::FromBytes(std::vector<BYTE>(data, data + size));
    return m_pPicture ? TRUE : FALSE;
}

BOOL CPictureBox::LoadFromResource(UINT resourceId, LPCTSTR resourceType)
{
    FreePicture();
    const std::vector<BYTE>* bytes = FindCustomResource(resourceId, resourceType ? resourceType : "");
    if (!bytes) {
        StopBox("FindResource() Failed\t");
        return FALSE;
    }
    const BOOL loaded = LoadPictureData(bytes->data(), static_cast<int>(bytes->size()));
    return FinishLoad(loaded, static_cast<LONG>(bytes->size()));
}

void CPictureBox::ShowFileError(const CString& path)
{
    CString text;
    text.Format("%s: %s", path.GetString(), std::strerror(errno));
    StopBox(text, "CPictureBox Error");
}

BOOL CPictureBox::LoadFromFile(const CString& path)
{
    FreePicture();
    // Read as its save would reach it: nothing through a link a save would not follow.
    const auto bytes = platform::ReadFileBytes(path.str());
    if (!bytes) {
        ShowFileError(path);
        return FALSE;
    }
    const auto* data = reinterpret_cast<const BYTE*>(bytes->data());
    const BOOL loaded = !bytes->empty() && LoadPictureData(data, static_cast<int>(bytes->size()));
    return FinishLoad(loaded, static_cast<LONG>(bytes->size()));
}

BOOL CPictureBox::Render(CDC* dc, int x, int y, int cx, int cy)
{
    if (m_pPicture->Render(dc, x, y, cx, cy))
        return TRUE;
    if (!m_renderFailureTraced) {
        std::printf("%s\n", kNoMemory);
        m_renderFailureTraced = true;
    }
    return FALSE;
}

BOOL CPictureBox::Show(CDC* dc, CRect rect)
{
    if (!dc || !m_pPicture)
        return FALSE;
    return Render(dc, rect.left, rect.top, rect.Width(), rect.Height());
}

BOOL CPictureBox::ShowScaled(CDC* dc, CPoint leftTop, CPoint extraSize, int magnifyX, int magnifyY)
{
    if (!dc || !m_pPicture)
        return FALSE;
    const LONG width = HimetricToPixels(m_pPicture->HimetricWidth(), dc->GetDeviceCaps(LOGPIXELSX));
    const LONG height = HimetricToPixels(m_pPicture->HimetricHeight(), dc->GetDeviceCaps(LOGPIXELSY));
    return Render(dc, leftTop.x, leftTop.y, extraSize.x + magnifyX * width, extraSize.y + magnifyY * height);
}

void CPictureBox::UpdatePixelSize(CDC* dc)
{
    if (!dc || !m_pPicture) {
        m_width = 0;
        m_height = 0;
        return;
    }
    const int dpiX = dc->IsPrinting() ? kScreenDpi : dc->GetDeviceCaps(LOGPIXELSX);
    const int dpiY = dc->IsPrinting() ? kScreenDpi : dc->GetDeviceCaps(LOGPIXELSY);
    m_width = HimetricToPixels(m_pPicture->HimetricWidth(), dpiX);
    m_height = HimetricToPixels(m_pPicture->HimetricHeight(), dpiY);
}

BOOL CPictureBox::SaveToFile(const CString& path)
{
    if (!m_pPicture)
        return FALSE;
    std::vector<BYTE> bytes;
    m_pPicture->SaveAsFile(bytes);
    // Replaced whole, so a failed write keeps the file that was there.
    const std::string_view written(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (!platform::WriteFileReplacing(path.str(), written)) {
        ShowFileError(path);
        return FALSE;
    }
    return TRUE;
}

BOOL CPictureBox::DrawBitmapResource(CDC* dc, UINT bitmapId, int x, int y)
{
    CBitmap bitmap;
    if (!dc || !bitmap.Attach(LoadBitmapResource(bitmapId))) {
        std::printf("ERROR: Can Not Find The Bitmap Resource\n");
        return FALSE;
    }
    BITMAP size;
    bitmap.GetBitmap(&size);
    CDC memory;
    memory.CreateCompatibleDC(dc);
    CBitmap* previous = memory.SelectObject(&bitmap);
    dc->BitBlt(x, y, size.bmWidth, size.bmHeight, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(previous);
    return TRUE;
}
