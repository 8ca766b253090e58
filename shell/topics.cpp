#include "shell/topics.h"

namespace talp {

namespace {

using M = MenuItem;

constexpr std::array<TopicSpec, kTopicCount> kTopics{{
    {Topic::Ewt, "ewtmenue", {"EWT", "EHX"}, M::Erdwrmeaustauscher1, M::Erdwrmeaustauscher2, 700},
    {Topic::Erde, "erdemenue", {"Erde", "Soil"}, M::Erdreich1, M::Erdreich2, 800},
    {Topic::Klima, "klimamenue", {"Klima", "Climate"}, M::Klimawerte1, M::Klimawerte2, 900},
    {Topic::Hlk, "hlkmenue", {"HLK", "HVAC"}, M::HeizungLftungKlimatisierung1, M::HeizungLftungKlimatisierung2, 1000},
    {Topic::Kosten, "kostenmenue", {"Kosten", "Costs"}, M::Wirtschaftlichkeit1, M::Wirtschaftlichkeit2, 1100},
    {Topic::Jahr, "jahreswmenue", {"Jahr", "Year"}, M::Jahresauswertung1, M::Jahresauswertung2, 1200},
    {Topic::Tag, "tageswmenue", {"Tag", "Day"}, M::Tagesauswertung1, M::Tagesauswertung2, 1300},
    {Topic::Optimum, "optmenue", {"Optimum", "Optimum"}, M::OptimierteErgebnisse1, M::OptimierteErgebnisse2, 1400},
    {Topic::Varianten, "variantenmenue", {"Varianten", "Variants"}, M::Variantenvergleich1, M::Variantenvergleich2, 1500},
}};

}  // namespace

std::span<const TopicSpec> topicTable() { return kTopics; }

const TopicSpec& topic(Topic id) { return kTopics[static_cast<std::size_t>(id)]; }

}  // namespace talp
