#pragma once
// Photos of the sample employees: a neutral head-and-shoulders silhouette in soft colours, so that
// the photo box of the employee screens has something to show. Drawn, not shipped: the same seed
// always gives the same picture.

#include <QImage>

namespace data::sample {

inline constexpr int kPhotoWidth = 120;
inline constexpr int kPhotoHeight = 160;

QImage samplePortrait(quint32 seed, bool female);

} // namespace data::sample
