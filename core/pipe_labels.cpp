#include "core/pipe_labels.h"

#include <array>

#include "core/numeric.h"

namespace talp {

namespace {

struct LabelFormat {
    int decimals;
    std::string_view unit;
    Text word;
};

constexpr std::array<LabelFormat, 6> kFormats{{
    {0, "", ewt_text::kRohre},       // Anzahl: "2 Rohr(e)"
    {1, " m ", ewt_text::kLang},     // Rohrlnge
    {0, " mm ", {"", ""}},           // Rohrquer
    {1, " m ", ewt_text::kTief},     // Verlegungstiefe
    {1, " m ", ewt_text::kAbstand},  // AbsGebaeude
    {1, " m ", ewt_text::kAbstand},  // AbstandzwRohren
}};

constexpr std::size_t kLabelLength = 20;

}  // namespace

std::string pipeLabelText(PipeLabel label, long double value, Language language)
{
    const LabelFormat& f = kFormats[static_cast<std::size_t>(label)];
    const std::string word(f.word.in(language));
    const std::string text = label == PipeLabel::Anzahl
                                 ? formatFixed(value, 0) + " " + word
                                 : " " + formatFixed(value, f.decimals) + std::string(f.unit) + word;
    return cutToCharacters(text, kLabelLength);
}

}  // namespace talp
