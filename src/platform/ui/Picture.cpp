#include "platform/ui/Picture.h"

#include "platform/ui/DC.h"
#include "platform/ui/qt/DcRecord.h"

#include <QImage>

using namespace platform::ui::detail;

namespace {

constexpr int kScreenDpi = 96;
constexpr int kHimetricPerInch = 2540;

} // namespace

struct Picture::Data {
    std::vector<BYTE> bytes;
    QImage image;
};

Picture::Picture(std::unique_ptr<Data> data) : m_data(std::move(data)) {}

Picture::~Picture() = default;

std::unique_ptr<Picture> Picture::FromBytes(std::vector<BYTE> bytes)
{
    auto data = std::make_unique<Data>();
    if (!data->image.loadFromData(bytes.data(), static_cast<int>(bytes.size())))
        return nullptr;
    data->bytes = std::move(bytes);
    return std::unique_ptr<Picture>(new Picture(std::move(data)));
}

LONG Picture::HimetricWidth() const
{
    return PixelsToHimetric(m_data->image.width(), kScreenDpi);
}

LONG Picture::HimetricHeight() const
{
    return PixelsToHimetric(m_data->image.height(), kScreenDpi);
}

LONG Picture::SaveAsFile(std::vector<BYTE>& stream) const
{
    stream.insert(stream.end(), m_data->bytes.begin(), m_data->bytes.end());
    return static_cast<LONG>(m_data->bytes.size());
}

BOOL Picture::Render(CDC* dc, int x, int y, int cx, int cy) const
{
    DcRecord* record = dc ? LiveDc(dc->GetSafeHdc()) : nullptr;
    if (!record || cx <= 0 || cy <= 0)
        return FALSE;
    DrawImageOn(record, QPoint(x, y), m_data->image.convertToFormat(QImage::Format_ARGB32), QSize(cx, cy));
    return TRUE;
}

LONG HimetricToPixels(LONG himetric, int dotsPerInch)
{
    return MulDiv(himetric, dotsPerInch, kHimetricPerInch);
}

LONG PixelsToHimetric(LONG pixels, int dotsPerInch)
{
    return MulDiv(pixels, kHimetricPerInch, dotsPerInch);
}
