#include "signs/SignCatalogue.h"

#include "signs/sign_profiles_data.h"

#include <algorithm>

namespace orbelle {

namespace {

// The profile is found by the name it stands under, not by its place in the table; a sign
// without one shows its date line only, which the catalogue's tests do not let pass.
std::string_view profileOf(std::string_view displayName)
{
    const auto it = std::find_if(kSignProfiles.begin(), kSignProfiles.end(),
                                 [&](const SignProfile& p) { return p.sign == displayName; });
    return it == kSignProfiles.end() ? std::string_view{} : it->text;
}

} // namespace

const std::array<SignEntry, kSignCount>& signCatalogue()
{
    // Built on first use: the profile texts live in another translation unit, and a
    // function-local static cannot be read before that unit is initialised.
    static const std::array<SignEntry, kSignCount> entries = {{
        {"Widder", "widder", "Widder: 21. März bis 20. April", profileOf("Widder")},
        {"Stier", "stier", "Stier: 21. April bis 21. Mai", profileOf("Stier")},
        {"Zwillinge", "zwilling", "Zwillinge: 22. Mai bis 21. Juni", profileOf("Zwillinge")},
        {"Krebs", "krebs", "Krebs: 22. Juni bis 22. Juli", profileOf("Krebs")},
        {"Löwe", "loewe", "Löwe: 23. Juli bis 23. August", profileOf("Löwe")},
        {"Jungfrau", "jungfrau", "Jungfrau: 24. August bis 22. September", profileOf("Jungfrau")},
        {"Waage", "waage", "Waage: 23. September bis 23. Oktober", profileOf("Waage")},
        {"Skorpion", "skorpion", "Skorpion: 24. Oktober bis 22. November", profileOf("Skorpion")},
        {"Schütze", "schuetze", "Schütze: 23. November bis 21. Dezember", profileOf("Schütze")},
        {"Steinbock", "steinbock", "Steinbock: 22. Dezember bis 20. Januar",
         profileOf("Steinbock")},
        {"Wassermann", "wassermann", "Wassermann: 21. Januar bis 19. Februar",
         profileOf("Wassermann")},
        // Two blanks before "bis": the line has always been shown this way.
        {"Fische", "fische", "Fische: 20. Februar  bis 20. März", profileOf("Fische")},
    }};
    return entries;
}

const SignEntry* findSignByPictureControl(std::string_view pictureControl)
{
    const auto& entries = signCatalogue();
    const auto it = std::find_if(entries.begin(), entries.end(), [&](const SignEntry& e) {
        return e.pictureControl == pictureControl;
    });
    return it == entries.end() ? nullptr : &*it;
}

std::string profileWindowText(const SignEntry& entry)
{
    std::string text;
    text.reserve(entry.dateLine.size() + 2 * kLineBreak.size() + entry.profileText.size());
    text.append(entry.dateLine).append(kLineBreak).append(kLineBreak).append(entry.profileText);
    return text;
}

} // namespace orbelle
