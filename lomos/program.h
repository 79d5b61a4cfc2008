#pragma once

#include "common/core/program/labelprogram.h"

namespace lomos {

// lomos, described once: spine labels, 33 to a sheet, at the positions of the
// coordinate file, in bold at the size the user chose. Its texts are in the
// language of the moment it is asked for.
LabelProgram program();

}  // namespace lomos
