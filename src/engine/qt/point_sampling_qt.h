// SPDX-License-Identifier: MIT
#pragma once

#include "engine/point_sampling.h"

#include <QImage>

namespace engine {

// The thumbnail of a window image, sampled as the core samples (see point_sampling.h). A null
// image when the call size leaves no inner area or the source is empty.
QImage sampleThumbnail(const QImage& source, int callWidth, int callHeight);

}  // namespace engine
