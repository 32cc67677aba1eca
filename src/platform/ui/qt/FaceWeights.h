#pragma once
// Private to the window layer: which weight of a face a font request is drawn at. A face has
// few weights (most have a regular and a bold only), and the font engine draws a weight it
// lacks at the nearest weight it finds, which for 900 can be the regular face; Windows draws
// anything from 600 up bold.

#include <QString>
#include <vector>

namespace platform::ui::detail {

// The weight to ask the font engine for, given the weights of the face's upright styles: the
// nearest of them on the same side of 600 as the request. From 600 up it is at least 700, so
// the engine emboldens a face that has no heavy style of its own; a request lighter than 600 is
// never drawn heavy when the face has a lighter style.
int WeightToAsk(const std::vector<int>& faceWeights, int requested);

// The same for an installed family (or the family the font matcher puts in its place).
int WeightToAsk(const QString& family, int requested);

} // namespace platform::ui::detail
