#pragma once

#include "common/core/check/labelcheck.h"
#include "common/core/sheets/firstsheet.h"
#include "fichas/core/fullgeneration.h"
#include "fichas/core/fullwalk.h"

namespace fichas {

// The check before printing the full labels of `lists` at `places` as
// `look` draws them, from the free places of `first`, measured on
// `surface`. It finds a call-number line cut at 30 characters, a
// call-number line that runs into the barcode, the author or the title
// beside it, an author or a title whose wrapping dropped words, a barcode
// its symbol cannot hold or whose symbol does not fit, and a label that
// runs into the one below (or off the area).
labelcheck::Result checkFullLabels(const FullGeneration& lists, const LabelPlaces& places,
                                   const FullLook& look, const FirstSheet& first,
                                   DrawingSurface& surface);

}  // namespace fichas
