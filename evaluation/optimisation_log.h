#pragma once
// The text log "Optimum.log" of a search: a header, then one line per evaluated
// combination.

#include <ctime>
#include <string>
#include <vector>

#include "core/texts.h"
#include "evaluation/combination_record.h"

namespace talp {

// The header lines, the calculation's date and time in line 3.
std::vector<std::string> optimisationLogHeader(Language language, const std::tm& calculatedAt);

// The line of evaluation number `number`; `pipePrice` is the price per metre for the
// combination's diameter. A combination without an internal rate ends in " ---.- ".
std::string optimisationLogLine(long long number, const CombinationRecord& record, long double pipePrice);

// The line of a combination the exhaustive search skipped for its air velocity: in place of
// a number the mark "     -", the geometry's fields, then the reason with the velocity.
// Skipped combinations have no record, so the numbers keep counting the evaluations.
inline constexpr std::string_view kSkippedMark = "     -";
std::string optimisationSkippedLine(const Combination& combination, long double pipePrice, long double airVelocity,
                                    Language language);

}  // namespace talp
