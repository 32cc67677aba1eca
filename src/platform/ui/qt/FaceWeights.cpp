#include "platform/ui/qt/FaceWeights.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QRawFont>
#include <algorithm>
#include <cstdlib>

namespace platform::ui::detail {
namespace {

constexpr int kHeavyFrom = 600;
constexpr int kBold = 700;

std::vector<int> UprightWeights(const QString& family)
{
    std::vector<int> weights;
    for (const QString& style : QFontDatabase::styles(family))
        if (!QFontDatabase::italic(family, style))
            weights.push_back(QFontDatabase::weight(family, style));
    std::sort(weights.begin(), weights.end());
    return weights;
}

// Asked for on every font made, so each family is looked up once.
const std::vector<int>& FaceWeightsOf(const QString& family)
{
    static QHash<QString, std::vector<int>> known;
    if (const auto found = known.constFind(family); found != known.constEnd())
        return *found;
    QString drawn = family;
    if (!QFontDatabase::hasFamily(family)) {
        QFont font(family);
        drawn = QRawFont::fromFont(font).familyName();
    }
    return *known.insert(family, UprightWeights(drawn));
}

} // namespace

int WeightToAsk(const std::vector<int>& faceWeights, int requested)
{
    const bool heavy = requested >= kHeavyFrom;
    int nearest = -1;
    for (int weight : faceWeights) {
        if ((weight >= kHeavyFrom) != heavy)
            continue;
        if (nearest < 0 || std::abs(weight - requested) < std::abs(nearest - requested))
            nearest = weight;
    }
    if (heavy)
        return std::max(nearest, kBold);
    return nearest < 0 ? requested : nearest;
}

int WeightToAsk(const QString& family, int requested)
{
    return WeightToAsk(FaceWeightsOf(family), requested);
}

} // namespace platform::ui::detail
