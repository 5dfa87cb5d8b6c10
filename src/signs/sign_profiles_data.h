#pragma once
#include "signs/SignProfile.h"
#include <array>
namespace orbelle {
// The German profile texts, each under the name of its sign.
extern const std::array<SignProfile, 12> kSignProfiles;
}
