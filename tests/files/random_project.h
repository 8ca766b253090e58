#pragma once
// Projects with every stored value drawn at random within its bounds, for round trips.

#include <random>
#include <string>

#include "core/project.h"

namespace talp::testing {

inline long double randomValue(std::mt19937_64& random, const ParamSpec& s)
{
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    // Full 64-bit mantissas: the values must survive as 10-byte reals, not as doubles.
    const long double fraction = static_cast<long double>(random()) / 18446744073709551616.0L;
    long double v = s.minValue + (s.maxValue - s.minValue) * fraction;
    if (s.kind != ParamKind::Real) v = std::nearbyint(v);
    return v;
}

inline std::string randomText(std::mt19937_64& random, std::size_t maxLength)
{
    static const char* pieces[] = {"Wärme", "Lehm", " ", "ö", "ß", "€", "x", "Ton", "Straße", "7"};
    std::string text;
    const std::size_t count = random() % (maxLength / 4 + 1);
    for (std::size_t i = 0; i < count; ++i) text += pieces[random() % std::size(pieces)];
    return cutToCharacters(text, maxLength);
}

inline CouplingRecord randomCoupling(std::mt19937_64& random)
{
    CouplingRecord r;
    r.valid = random() % 2;
    r.fileName = "/daten/" + randomText(random, 90);
    r.format = std::string(random() % 20, 'X') + "AAAA.A";
    for (auto& c : r.columns)
        c = {static_cast<std::int32_t>(random() % 50), static_cast<std::int32_t>(random() % 8),
             static_cast<std::int32_t>(random() % 3), "AVSP "[random() % 5]};
    r.columnCount = static_cast<std::int32_t>(random() % 7);
    r.headerLines = static_cast<std::int32_t>(random() % 101);
    return r;
}

inline Project randomProject(std::mt19937_64& random)
{
    Project p;
    for (const ParamSpec& s : parameterTable()) p.set(s.id, randomValue(random, s));
    // Values tied by the windows' rules are drawn as the rules leave them: the minimum
    // mirrors the maximum about the mean, the air change is the flow's, rounded.
    p.set(Param::min_monatsmittel, 2 * p.get(Param::jahresmittel) - p.get(Param::max_monatsmittel));
    const long double volume = p.get(Param::geb_vol);
    p.set(Param::luftstrom, std::nearbyint(volume * static_cast<long double>(random() % 2000) / 100.0L * 10) / 10);
    p.set(Param::luftwechsel, std::nearbyint(p.get(Param::luftstrom) / volume * 100) / 100);
    p.erdreich = randomText(random, 30);
    p.klimaModell = random() % 2 ? "sim" : "";
    p.HlkModus = random() % 2 ? "sim" : "quasistat";
    for (SegmentTable* t : {&p.SegmentDepth, &p.SegmentBuildingDistance}) {
        for (std::size_t i = 0; i < t->values.size(); ++i) {
            t->values[i] = randomValue(random, paramSpec(Param::verlegungstiefe));
            t->entered[i] = random() % 2;
        }
        t->variable = random() % 2;
    }
    for (int m = 1; m <= 12; ++m)
        for (int d = 1; d <= 31; ++d) p.calendar.set(m, d, random() % 3 != 0);
    p.climateCoupling = randomCoupling(random);
    p.buildingCoupling = randomCoupling(random);
    p.lastClimateCoupling = randomCoupling(random);
    return p;
}

}  // namespace talp::testing
