#pragma once
// Search options over index ranges of the catalogue, for the tests of both search modes.

#include "evaluation/optimisation_search.h"

namespace talp::testing {

inline OptimisationOptions withRanges(IndexRange pipes, IndexRange lengths, IndexRange diameters, IndexRange spacings,
                                      IndexRange depths, FanPosition fan = FanPosition::Either)
{
    OptimisationOptions o;
    o.range(CatalogueParam::PipeCount) = pipes;
    o.range(CatalogueParam::Length) = lengths;
    o.range(CatalogueParam::Diameter) = diameters;
    o.range(CatalogueParam::Spacing) = spacings;
    o.range(CatalogueParam::Depth) = depths;
    o.fan = fan;
    return o;
}

}  // namespace talp::testing
