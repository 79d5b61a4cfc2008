#pragma once

#include "common/core/program/labelprogram.h"

namespace fichas {

// fichas, described once: full labels (barcode, call number, author, title),
// 36 to a sheet at fixed places, printed after the printer dialog. Its
// texts are in the language of the moment it is asked for.
LabelProgram program();

}  // namespace fichas
