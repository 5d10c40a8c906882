// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QFont>

namespace orv {

// The small bitmap sans-serif of the key captions and the exponent. Where it is not installed the
// style hint lets the system's own sans-serif stand in, never a serif face.
inline QFont legacySansSerif(int pointSize) {
    QFont f(QStringLiteral("MS Sans Serif"), pointSize);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

// The same face at a pixel size, for captions and pictures sized to the key rather than the screen.
inline QFont legacySansSerifPixels(int pixelSize, bool bold) {
    QFont f = legacySansSerif(-1); // no point size of its own: the pixel size decides
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

} // namespace orv
