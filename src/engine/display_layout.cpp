// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "display_layout.h"

namespace orv {
namespace {

struct Geometry {
    int plainTop, plainHeight, raisedTop, raisedHeight;
    const char* exponentMark;
};

const Geometry& geometryOf(DisplayKind kind) {
    static const Geometry main{1, 20, 3, 18, "*10          "};
    static const Geometry memory{2, 15, 3, 15, "*10           "};
    static const Geometry evaluator{2, 15, 3, 15, "*10          "};
    switch (kind) {
    case DisplayKind::Main: return main;
    case DisplayKind::Memory: return memory;
    case DisplayKind::Evaluator: return evaluator;
    }
    return main;
}

} // namespace

DisplayLayout layoutDisplay(std::string_view text, DisplayKind kind) {
    const Geometry& g = geometryOf(kind);
    std::string collected;
    std::string mantissa;
    std::size_t exponentStart = std::string_view::npos;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == 'E' || text[i] == 'e') {
            mantissa = collected;
            exponentStart = i + 1;
        } else {
            collected += text[i];
        }
    }
    DisplayLayout layout;
    if (exponentStart == std::string_view::npos) {
        layout.mantissa = std::string(text) + " ";
        layout.mantissaTop = g.plainTop;
        layout.mantissaHeight = g.plainHeight;
        return layout;
    }
    layout.mantissa = mantissa + g.exponentMark;
    layout.exponent = std::string(text.substr(exponentStart));
    layout.exponentInFront = true;
    layout.mantissaTop = g.raisedTop;
    layout.mantissaHeight = g.raisedHeight;
    return layout;
}

} // namespace orv
