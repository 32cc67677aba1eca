#include "platform/ui/qt/BitmapBold.h"

#include "platform/ui/qt/SfntTables.h"

#include <QtEndian>
#include <vector>

namespace platform::ui::detail {
namespace {

constexpr qsizetype kSizeRecord = 48;
constexpr qsizetype kBigMetrics = 8;
constexpr qsizetype kSmallMetrics = 5;
constexpr quint16 kOffsetsIndex = 1;         // index format: an offset for each glyph
constexpr quint16 kFixedSizeIndex = 2;       // index format: one size and metrics for all
constexpr quint16 kSmallMetricsImage = 2;    // image format: small metrics, bit-aligned
constexpr quint16 kSharedMetricsImage = 5;   // image format: bit-aligned, metrics in the index
constexpr quint16 kBigMetricsImage = 7;      // image format: big metrics, bit-aligned
constexpr int kBold = 700;

// Big-endian reads that mark the whole read failed instead of leaving the data.
class Reader {
public:
    explicit Reader(const QByteArray& data) : m_data(data) {}
    bool Failed() const { return m_failed; }
    template <typename T> T At(qsizetype at)
    {
        if (at < 0 || at + qsizetype(sizeof(T)) > m_data.size()) {
            m_failed = true;
            return 0;
        }
        return qFromBigEndian<T>(m_data.constData() + at);
    }
    QByteArray Bytes(qsizetype at, qsizetype length)
    {
        if (at < 0 || length < 0 || at + length > m_data.size()) {
            m_failed = true;
            return {};
        }
        return m_data.mid(at, length);
    }

private:
    const QByteArray& m_data;
    bool m_failed = false;
};

template <typename T> void Put(QByteArray& out, qsizetype at, T value)
{
    qToBigEndian<T>(value, out.data() + at);
}

bool Bit(const QByteArray& bits, int index)
{
    return (static_cast<quint8>(bits.at(index / 8)) >> (7 - index % 8)) & 1;
}

// A glyph image in the big-metrics form, drawn twice one pixel apart; empty when it would not
// fit the metrics' bytes.
QByteArray Emboldened(QByteArray metrics, const QByteArray& bits)
{
    const int height = static_cast<quint8>(metrics.at(0));
    const int width = static_cast<quint8>(metrics.at(1));
    const int advance = static_cast<quint8>(metrics.at(4));
    if (width >= 255 || advance >= 255 || bits.size() * 8 < height * width)
        return {};
    const int wider = width > 0 ? width + 1 : 0;
    metrics[1] = static_cast<char>(wider);
    metrics[4] = static_cast<char>(advance + 1);
    QByteArray out((height * wider + 7) / 8, '\0');
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < wider; ++column) {
            const int source = row * width + column;
            const bool on = (column < width && Bit(bits, source)) || (column > 0 && Bit(bits, source - 1));
            const int target = row * wider + column;
            if (on)
                out[target / 8] = static_cast<char>(out.at(target / 8) | (0x80 >> (target % 8)));
        }
    return metrics + out;
}

// The big metrics for small ones; the vertical ones are not used for horizontal text.
QByteArray BigMetrics(const QByteArray& small)
{
    return small + QByteArray(2, '\0') + small.left(1);
}

// A run of glyphs of a strike, each the image it is drawn with, or empty when it has none.
struct GlyphRun {
    quint16 first = 0;
    quint16 last = 0;
    std::vector<QByteArray> images;
};

// The glyph's image, emboldened; `metrics` empty when they precede the image.
QByteArray BoldImage(Reader& ebdt, qsizetype at, qsizetype length, const QByteArray& metrics)
{
    if (length <= 0)
        return {};
    if (!metrics.isEmpty())
        return Emboldened(metrics, ebdt.Bytes(at, length));
    const QByteArray small = ebdt.Bytes(at, kSmallMetrics);
    return Emboldened(BigMetrics(small), ebdt.Bytes(at + kSmallMetrics, length - kSmallMetrics));
}

bool ReadRun(Reader& eblc, Reader& ebdt, qsizetype array, qsizetype entry, GlyphRun& run)
{
    run.first = eblc.At<quint16>(entry);
    run.last = eblc.At<quint16>(entry + 2);
    const qsizetype header = array + eblc.At<quint32>(entry + 4);
    const quint16 indexFormat = eblc.At<quint16>(header);
    const quint16 imageFormat = eblc.At<quint16>(header + 2);
    const qsizetype data = eblc.At<quint32>(header + 4);
    if (eblc.Failed() || run.last < run.first)
        return false;
    const int count = run.last - run.first + 1;
    for (int glyph = 0; glyph < count; ++glyph) {
        QByteArray image;
        if (indexFormat == kOffsetsIndex && imageFormat == kSmallMetricsImage) {
            const qsizetype from = eblc.At<quint32>(header + 8 + 4 * glyph);
            const qsizetype to = eblc.At<quint32>(header + 12 + 4 * glyph);
            image = BoldImage(ebdt, data + from, to - from, {});
            if (image.isEmpty() && to > from)
                return false;
        } else if (indexFormat == kFixedSizeIndex && imageFormat == kSharedMetricsImage) {
            const qsizetype size = eblc.At<quint32>(header + 8);
            image = BoldImage(ebdt, data + size * glyph, size, eblc.Bytes(header + 12, kBigMetrics));
            if (image.isEmpty() && size > 0)
                return false;
        } else {
            return false;
        }
        run.images.push_back(image);
    }
    return !eblc.Failed() && !ebdt.Failed();
}

// Writes the runs of a strike as index tables of offsets into `ebdt`; their bytes, which start
// at `arrayOffset` of the new index.
QByteArray WriteRuns(const std::vector<GlyphRun>& runs, QByteArray& ebdt)
{
    QByteArray array, tables;
    const auto arraySize = static_cast<quint32>(8 * runs.size());
    for (const GlyphRun& run : runs) {
        Append<quint16>(array, run.first);
        Append<quint16>(array, run.last);
        Append<quint32>(array, arraySize + static_cast<quint32>(tables.size()));
        Append<quint16>(tables, kOffsetsIndex);
        Append<quint16>(tables, kBigMetricsImage);
        Append<quint32>(tables, static_cast<quint32>(ebdt.size()));
        quint32 offset = 0;
        for (const QByteArray& image : run.images) {
            Append<quint32>(tables, offset);
            offset += static_cast<quint32>(image.size());
            ebdt.append(image);
        }
        Append<quint32>(tables, offset);
    }
    return array + tables;
}

// The bitmap tables with every glyph emboldened, or false.
bool EmboldenStrikes(std::map<QByteArray, QByteArray>& tables)
{
    const QByteArray& oldEblc = tables["EBLC"];
    Reader eblc(oldEblc);
    Reader ebdt(tables["EBDT"]);
    const quint32 strikes = eblc.At<quint32>(4);
    if (eblc.Failed() || strikes == 0 || 8 + kSizeRecord * qsizetype(strikes) > oldEblc.size())
        return false;
    QByteArray newEbdt = ebdt.Bytes(0, 4);
    QByteArray newEblc = oldEblc.left(8 + kSizeRecord * strikes);
    for (quint32 strike = 0; strike < strikes; ++strike) {
        const qsizetype record = 8 + kSizeRecord * strike;
        const qsizetype array = eblc.At<quint32>(record);
        const quint32 runCount = eblc.At<quint32>(record + 8);
        if (eblc.At<quint8>(record + 46) != 1)
            return false;   // not one bit a pixel
        std::vector<GlyphRun> runs(runCount);
        for (quint32 run = 0; run < runCount; ++run)
            if (!ReadRun(eblc, ebdt, array, array + 8 * qsizetype(run), runs[run]))
                return false;
        const QByteArray written = WriteRuns(runs, newEbdt);
        Put<quint32>(newEblc, record, static_cast<quint32>(newEblc.size()));
        Put<quint32>(newEblc, record + 4, static_cast<quint32>(written.size()));
        const qsizetype widthMax = record + 16 + 2;
        newEblc[widthMax] = static_cast<char>(qMin(255, static_cast<quint8>(newEblc.at(widthMax)) + 1));
        newEblc.append(written);
    }
    tables["EBLC"] = newEblc;
    tables["EBDT"] = newEbdt;
    return true;
}

// Weight 700, flagged bold and no longer regular.
bool MarkBold(std::map<QByteArray, QByteArray>& tables)
{
    QByteArray& os2 = tables["OS/2"];
    QByteArray& head = tables["head"];
    if (os2.size() < 64 || head.size() < 46)
        return false;
    constexpr quint16 kBoldSelection = 0x20, kRegularSelection = 0x40, kBoldStyle = 0x1;
    Put<quint16>(os2, 4, kBold);
    const auto selection = qFromBigEndian<quint16>(os2.constData() + 62);
    Put<quint16>(os2, 62, static_cast<quint16>((selection | kBoldSelection) & ~kRegularSelection));
    Put<quint16>(head, 44, static_cast<quint16>(qFromBigEndian<quint16>(head.constData() + 44) | kBoldStyle));
    return true;
}

// The style named Bold, for the font database keeps one style of a name.
bool NameBold(QByteArray& name)
{
    Reader reader(name);
    const quint16 count = reader.At<quint16>(2);
    const qsizetype storage = reader.At<quint16>(4);
    constexpr qsizetype kNameRecord = 12;
    constexpr quint16 kStyle = 2, kTypographicStyle = 17, kMacintosh = 1;
    QByteArray records = reader.Bytes(0, 6 + kNameRecord * count);
    QByteArray strings;
    for (quint16 index = 0; index < count; ++index) {
        const qsizetype record = 6 + kNameRecord * index;
        const quint16 nameId = reader.At<quint16>(record + 6);
        QByteArray text = reader.Bytes(storage + reader.At<quint16>(record + 10), reader.At<quint16>(record + 8));
        if (nameId == kStyle || nameId == kTypographicStyle)
            text = reader.At<quint16>(record) == kMacintosh ? QByteArray("Bold") : QByteArray("\0B\0o\0l\0d", 8);
        Put<quint16>(records, record + 8, static_cast<quint16>(text.size()));
        Put<quint16>(records, record + 10, static_cast<quint16>(strings.size()));
        strings.append(text);
    }
    if (reader.Failed() || strings.size() > 0xFFFF)
        return false;
    Put<quint16>(records, 4, static_cast<quint16>(records.size()));
    name = records + strings;
    return true;
}

} // namespace

QByteArray SynthesisedBold(const QByteArray& face)
{
    std::map<QByteArray, QByteArray> tables = SfntTables(face);
    if (!tables.count("EBLC") || !tables.count("EBDT"))
        return {};
    if (!EmboldenStrikes(tables) || !MarkBold(tables) || !NameBold(tables["name"]))
        return {};
    return SfntFile(tables);
}

} // namespace platform::ui::detail
