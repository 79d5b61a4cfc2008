#pragma once

#include "common/core/program/labelprogram.h"

namespace fichas {

// fichas, described once: full labels (barcode, call number, author, title),
// 36 to a sheet at fixed places, printed after the printer dialog.
const LabelProgram& program();

}  // namespace fichas
