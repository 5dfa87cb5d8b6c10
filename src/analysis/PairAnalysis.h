#pragma once

#include "OrbelleVersion.h"
#include "analysis/PairReading.h"

#include <string>
#include <string_view>

namespace orbelle {

inline constexpr std::string_view kAnalysisFooter =
    "Diese astrologische Analyse wurde mit " ORBELLE_PRODUCT_TITLE " - Tavix Edition erstellt.";

// The fields of the analysis window class. They outlive the window itself, so a
// reading composed once stays here when a later load finds no entry.
struct AnalysisFields {
    std::string sign1; // own sign, as the picker showed it
    std::string sign2; // partner's sign
    std::string reading; // without heading and footer
};

// The entry of the unordered pair, or nullptr; exact, case-sensitive, untrimmed match.
const PairReading* findPairReading(std::string_view sign1, std::string_view sign2);

// First paragraph, line break, second paragraph, two line breaks, verdict.
std::string composeReading(const PairReading& entry);

// "Astro-Analyse für <sign1> und <sign2>": window caption and first line of the text.
std::string analysisCaption(std::string_view sign1, std::string_view sign2);

// Heading, empty line, reading, empty line, footer; no line break after the footer.
std::string analysisDisplayText(const AnalysisFields& fields);

// What the analysis window does when it loads: take both picker texts, and compose the
// reading when they name a pair. A text that is no sign leaves the earlier reading.
void loadAnalysis(AnalysisFields& fields, std::string_view ownSign, std::string_view partnerSign);

} // namespace orbelle
