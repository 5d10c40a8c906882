// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

#include <functional>
#include <initializer_list>

class QFont;
class QPainter;

namespace orv {

// A picture drawn into a key's face, scaled to it: vector outlines, crisp at any screen scale.
using KeyPicture = std::function<void(QPainter&, const QRectF&)>;

// Where a run of a formula sits relative to the base line.
enum class RunPlace { Base, Raised, Lowered };

struct FormulaRun {
    QString text;
    RunPlace place = RunPlace::Base;
    bool overline = false; // x with a bar: the mean
};

// A small formula (x², log_y x, Σx², σ with n-1 below...) in blue, centred in the face.
KeyPicture formulaPicture(std::initializer_list<FormulaRun> runs);

// The root sign with a small 3 in its notch.
KeyPicture cubeRootPicture();
// Its two outlines at design size, which must not touch however small the key draws them.
struct CubeRootParts {
    QPainterPath sign;
    QPainterPath index;
};
CubeRootParts cubeRootParts();

// Two right-pointing chevrons (>>), the statistics entry key.
KeyPicture chevronsPicture();

// A blue arrow, up (towards the upper unit list) or down.
KeyPicture arrowPicture(bool up);

// The decimal key: the separator in use (`,` or `.`), sitting on the digits' base line and
// enlarged so that it reads as clearly as the digit captions in `digitFont` beside it.
KeyPicture decimalSeparatorPicture(const QString& separator, const QFont& digitFont);

} // namespace orv
