#include "platform/ui/ImageList.h"

#include "platform/ui/DC.h"
#include "platform/ui/qt/DcRecord.h"
#include "platform/ui/qt/GdiAccess.h"
#include "platform/ui/qt/ImageListRecord.h"

#include <functional>

using namespace platform::ui::detail;

namespace {

// Cuts the bitmap into images; `clear` says which pixels become transparent.
int AddImages(ImageListRecord* list, const QImage* bitmap, const std::function<bool(int, int)>& clear)
{
    if (!list || !bitmap || bitmap->isNull())
        return -1;
    const int count = bitmap->width() / list->cx;
    if (count == 0)
        return -1;
    const int first = static_cast<int>(list->images.size());
    for (int n = 0; n < count; ++n) {
        QImage image = bitmap->copy(n * list->cx, 0, list->cx, list->cy).convertToFormat(QImage::Format_ARGB32);
        if (list->flags & ILC_MASK) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (clear(n * list->cx + x, y))
                        image.setPixel(x, y, qRgba(0, 0, 0, 0));
                }
            }
        }
        list->images.push_back(image);
    }
    return first;
}

bool Valid(const ImageListRecord* list, int index)
{
    return list && index >= 0 && index < static_cast<int>(list->images.size());
}

} // namespace

CImageList::~CImageList()
{
    DeleteImageList();
}

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int)
{
    if (cx <= 0 || cy <= 0)
        return FALSE;
    DeleteImageList();
    m_hImageList = new ImageListRecord{cx, cy, flags, {}};
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    delete m_hImageList;
    m_hImageList = nullptr;
    return TRUE;
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask)
{
    const QImage* pixels = bitmap ? ImageOf(bitmap->m_hObject) : nullptr;
    const QImage* maskPixels = mask ? ImageOf(mask->m_hObject) : nullptr;
    return AddImages(m_hImageList, pixels, [maskPixels](int x, int y) {
        return maskPixels && maskPixels->valid(x, y) && qRed(maskPixels->pixel(x, y)) != 0;
    });
}

int CImageList::Add(CBitmap* bitmap, COLORREF maskColour)
{
    const QImage* pixels = bitmap ? ImageOf(bitmap->m_hObject) : nullptr;
    return AddImages(m_hImageList, pixels, [pixels, maskColour](int x, int y) {
        return ColourRefOf(pixels->pixel(x, y)) == maskColour;
    });
}

BOOL CImageList::Remove(int index)
{
    if (m_hImageList && index == -1) {
        m_hImageList->images.clear();
        return TRUE;
    }
    if (!Valid(m_hImageList, index))
        return FALSE;
    m_hImageList->images.erase(m_hImageList->images.begin() + index);
    return TRUE;
}

BOOL CImageList::SetImageCount(UINT count)
{
    if (!m_hImageList)
        return FALSE;
    QImage empty(m_hImageList->cx, m_hImageList->cy, QImage::Format_ARGB32);
    empty.fill(Qt::transparent);
    m_hImageList->images.resize(count, empty);
    return TRUE;
}

int CImageList::GetImageCount() const
{
    return m_hImageList ? static_cast<int>(m_hImageList->images.size()) : 0;
}

BOOL CImageList::Draw(CDC* dc, int index, POINT point, UINT)
{
    DcRecord* record = dc ? LiveDc(dc->m_hDC) : nullptr;
    if (!record || !Valid(m_hImageList, index))
        return FALSE;
    DrawImageOn(record, QPoint(point.x, point.y), m_hImageList->images[static_cast<size_t>(index)]);
    return TRUE;
}

HICON CImageList::ExtractIcon(int index)
{
    return Valid(m_hImageList, index) ? MakeIcon(m_hImageList->images[static_cast<size_t>(index)]) : nullptr;
}

BOOL ImageList_GetIconSize(HIMAGELIST list, int* cx, int* cy)
{
    if (!list || !cx || !cy)
        return FALSE;
    *cx = list->cx;
    *cy = list->cy;
    return TRUE;
}
