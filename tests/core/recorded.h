#pragma once

#include <gtest/gtest.h>

#include "recordingsurface.h"

// What a walk drew on a recording surface.
inline QStringList texts(const RecordingSurface& surface) {
    QStringList drawn;
    for (const auto& line : surface.lines()) drawn << line.text;
    return drawn;
}

// The first line drawn with `text`; a failure when there is none.
inline RecordingSurface::Line lineWith(const RecordingSurface& surface, const QString& text) {
    for (const auto& line : surface.lines()) {
        if (line.text == text) return line;
    }
    ADD_FAILURE() << "no line " << text.toStdString();
    return {0, -1, -1, {}, {}, 0, false};
}

inline void expectAt(const RecordingSurface& surface, const QString& text, int sheet, double xCm,
                     double yCm) {
    const RecordingSurface::Line line = lineWith(surface, text);
    EXPECT_EQ(line.sheet, sheet) << text.toStdString();
    EXPECT_NEAR(line.xCm, xCm, 1e-9) << text.toStdString();
    EXPECT_NEAR(line.yCm, yCm, 1e-9) << text.toStdString();
}
