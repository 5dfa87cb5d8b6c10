#pragma once

#include "analysis/PairReading.h"

#include <array>

namespace orbelle {

inline constexpr std::size_t kPairReadingCount = 78;

// All 78 pairs, sign A by canonical position, then sign B from sign A onward.
extern const std::array<PairReading, kPairReadingCount> kPairReadings;

} // namespace orbelle
