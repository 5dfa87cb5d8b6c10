#include "analysis/PairAnalysis.h"

#include "analysis/pair_readings_data.h"
#include "signs/SignCatalogue.h"

#include <algorithm>

namespace orbelle {

const PairReading* findPairReading(std::string_view sign1, std::string_view sign2)
{
    const auto matches = [&](const PairReading& e) {
        return (e.signA == sign1 && e.signB == sign2) || (e.signA == sign2 && e.signB == sign1);
    };
    const auto it = std::find_if(kPairReadings.begin(), kPairReadings.end(), matches);
    return it == kPairReadings.end() ? nullptr : &*it;
}

std::string composeReading(const PairReading& entry)
{
    std::string reading;
    reading.append(entry.firstParagraph).append(kLineBreak);
    reading.append(entry.secondParagraph).append(kLineBreak).append(kLineBreak);
    reading.append(entry.verdict);
    return reading;
}

std::string analysisCaption(std::string_view sign1, std::string_view sign2)
{
    std::string caption = "Astro-Analyse für ";
    caption.append(sign1).append(" und ").append(sign2);
    return caption;
}

std::string analysisDisplayText(const AnalysisFields& fields)
{
    std::string text = analysisCaption(fields.sign1, fields.sign2);
    text.append(kLineBreak).append(kLineBreak);
    text.append(fields.reading);
    text.append(kLineBreak).append(kLineBreak);
    text.append(kAnalysisFooter);
    return text;
}

void loadAnalysis(AnalysisFields& fields, std::string_view ownSign, std::string_view partnerSign)
{
    fields.sign1 = ownSign;
    fields.sign2 = partnerSign;
    if (const PairReading* entry = findPairReading(fields.sign1, fields.sign2))
        fields.reading = composeReading(*entry);
}

} // namespace orbelle
