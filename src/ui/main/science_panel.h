// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "angle.h"
#include "calculator.h"
#include "key_pictures.h"
#include "scientific_keys.h"

#include <QFrame>

#include <array>
#include <span>

class QRadioButton;

namespace orv {

class TButtonPanel;

// What a key of the scientific panel does.
enum class ScienceCommand {
    Function, // a one-operand key: the science module's result, then Obluzh
    Power,    // x^y, an operation key
    LogBase,  // the logarithm of X to base Y, an operation key
    Pi,       // loads π without closing the chain
};

// One key of the scientific panel: its control, its face, its cell and its command. The hints
// come with the language (they differ between English and Russian).
struct ScienceKeyRow {
    const char* name;
    const char* caption;       // UTF-8; empty when the face is a picture
    KeyPicture (*picture)();   // null for a text face
    int gridColumn, gridRow;   // 0-based cell of the 5 x 6 grid
    ScienceCommand command;
    ScientificKey function;    // for ScienceCommand::Function
    const char* spoken;        // the name a screen reader says in English
    const char* spokenRussian; // and in Russian (the language switches it)
};

inline constexpr int kScienceKeyCount = 30;
std::span<const ScienceKeyRow> scienceKeys();

// The scientific panel `pnScience`: the angle-measure radio buttons above thirty function keys.
// Keys act on click; every computation is the science module's.
class TSciencePanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kWidth = 225, kHeight = 173;

    TSciencePanel(Calculator& calculator, QWidget* parent);

    // The first checked of rbRad, rbDegr, rbGrad, rbCycle; radians when none is.
    AngleMeasure angleMeasure() const;
    // bpSinClick .. bpExpClick, bpXYClick, bpLogXYClick, bpPIClick: one handler, the key's row.
    void bpClick(const ScienceKeyRow& key);

  private:
    Calculator& calc_;
    std::array<QRadioButton*, 4> measures_{};
};

} // namespace orv
