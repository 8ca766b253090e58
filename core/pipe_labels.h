#pragma once
// The pipe window's schematic: the labels that repeat the current pipe values beside the
// drawing, and which inputs a single pipe leaves without meaning.

#include <string>

#include "core/texts.h"

namespace talp {

// The words the pipe window's code writes into its labels.
namespace ewt_text {
inline constexpr Text kTief{"tief", "Depth"};
inline constexpr Text kAbstand{"Abstand", "Distance"};
inline constexpr Text kLang{"lang", "Length"};
inline constexpr Text kRohre{"Rohr(e)", "Pipe(s)"};
}  // namespace ewt_text

enum class PipeLabel { Anzahl, Rohrlnge, Rohrquer, Verlegungstiefe, AbsGebaeude, AbstandzwRohren };

// The text of a schematic label for a value, e.g. " 50.0 m lang" or "2 Rohr(e)"; cut to
// 20 characters so that a long value never runs over the drawing.
std::string pipeLabelText(PipeLabel label, long double value, Language language);

// The spacing between pipes means nothing for a single pipe: its input is disabled then.
inline bool pipeSpacingApplies(int pipeCount) { return pipeCount >= 2; }

}  // namespace talp
