#include "analysis/pair_readings_data.h"

namespace orbelle {

// The prose is kept in four files so that each stays readable in an editor.
constinit const std::array<PairReading, kPairReadingCount> kPairReadings = {{
#include "analysis/pair_readings_data_1.inc"
#include "analysis/pair_readings_data_2.inc"
#include "analysis/pair_readings_data_3.inc"
#include "analysis/pair_readings_data_4.inc"
}};

} // namespace orbelle
