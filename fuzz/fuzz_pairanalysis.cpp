// Any two texts and any earlier reading: the lookup and the composition keep their shape.
// Both orders find the same entry, a text that is no sign leaves the earlier reading,
// and the display text runs from the heading to the footer.

#include "FuzzCheck.h"
#include "analysis/PairAnalysis.h"
#include "signs/SignCatalogue.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <string>

namespace {

bool isSignName(std::string_view text)
{
    const auto& signs = orbelle::signCatalogue();
    return std::any_of(signs.begin(), signs.end(),
                       [text](const orbelle::SignEntry& sign) { return sign.displayName == text; });
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace orbelle;
    FuzzedDataProvider input(data, size);
    // Half of the time pick real signs, so that the matching path is exercised too.
    const auto pick = [&input]() -> std::string {
        if (input.ConsumeBool()) {
            const auto& signs = signCatalogue();
            return std::string(signs[input.ConsumeIntegralInRange<std::size_t>(0, 11)].displayName);
        }
        return input.ConsumeRandomLengthString(24);
    };
    const std::string own = pick();
    const std::string partner = pick();
    AnalysisFields fields;
    fields.reading = input.ConsumeRandomLengthString(64);
    const std::string earlier = fields.reading;

    const PairReading* entry = findPairReading(own, partner);
    FUZZ_CHECK(entry == findPairReading(partner, own));
    FUZZ_CHECK((entry != nullptr) == (isSignName(own) && isSignName(partner)));

    loadAnalysis(fields, own, partner);
    FUZZ_CHECK(fields.sign1 == own && fields.sign2 == partner);
    FUZZ_CHECK(fields.reading == (entry ? composeReading(*entry) : earlier));

    const std::string text = analysisDisplayText(fields);
    const std::string heading = analysisCaption(own, partner) + "\r\n\r\n";
    FUZZ_CHECK(text.compare(0, heading.size(), heading) == 0);
    const std::string tail = std::string("\r\n\r\n") + std::string(kAnalysisFooter);
    FUZZ_CHECK(text.size() >= heading.size() + tail.size());
    FUZZ_CHECK(text.compare(text.size() - tail.size(), tail.size(), tail) == 0);
    return 0;
}
