#pragma once
// Private to the window layer: what an image list handle stands for, for the list views and
// toolbars that show its images.

#include "platform/ui/ImageList.h"

#include <QImage>
#include <vector>

struct ImageListRecord {
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
    std::vector<QImage> images;   // cx x cy each, with alpha
};
