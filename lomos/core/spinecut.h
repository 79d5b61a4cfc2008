#pragma once

#include <QString>
#include <QStringList>

#include "common/core/design/design.h"

// How a label design turns a call number, and the values of other tags,
// into the lines of a spine label.
namespace lomos {

// Whether `spine` cuts call numbers as the program always did: at every
// blank, two blanks giving an empty line, as written.
bool cutsAsAlways(const design::Spine& spine);

struct CallNumberCut {
    QStringList lines;
    bool dropped = false;  // the parts after the sixth were left out
};

// The lines of a call number as `spine` cuts them: a new line at each of
// its characters (which are not printed) and, if it says so, at blanks; the
// words it drops left out, in capitals if it asks for them. Parts left empty
// give no line; at most six lines.
CallNumberCut cutCallNumber(const QString& callNumber, const design::Spine& spine);

// The line a tag's value gives: its short code from the design's table (the
// value as it stands when it has none), its first letters if the line asks
// for them, in capitals or small letters as it says, else as the call
// number's lines.
QString tagLineText(const QString& value, const design::TagLine& line,
                    const design::Design& design);

}  // namespace lomos
