// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "science_panel.h"

#include "button_panel.h"
#include "colour.h"
#include "legacy_font.h"
#include "calculator_keys.h"

#include <QHBoxLayout>
#include <QProxyStyle>
#include <QRadioButton>

namespace orv {
namespace {

using C = ScienceCommand;
using F = ScientificKey;

constexpr int kKeyWidth = 44, kKeyHeight = 23;
constexpr int kColumnLeft[] = {1, 45, 89, 133, 177};
constexpr int kRowTop[] = {32, 55, 78, 101, 124, 147};

KeyPicture squarePicture() { return formulaPicture({{"x"}, {"2", RunPlace::Raised}}); }
KeyPicture cubePicture() { return formulaPicture({{"x"}, {"3", RunPlace::Raised}}); }
KeyPicture powerPicture() { return formulaPicture({{"x"}, {"y", RunPlace::Raised}}); }
KeyPicture logBasePicture() {
    return formulaPicture({{"log"}, {"y", RunPlace::Lowered}, {"x"}});
}

const ScienceKeyRow kKeys[kScienceKeyCount] = {
    {"bpSin", "sin", nullptr, 0, 0, C::Function, F::Sin,
     "sine", "синус"},
    {"bpSh", "sh", nullptr, 1, 0, C::Function, F::Sh,
     "hyperbolic sine", "гиперболический синус"},
    {"bpArcsin", "arcsin", nullptr, 2, 0, C::Function, F::Arcsin,
     "arc sine", "арксинус"},
    {"bpArsh", "Arsh", nullptr, 3, 0, C::Function, F::Arsh,
     "inverse hyperbolic sine", "ареасинус"},
    {"bpLn", "ln", nullptr, 4, 0, C::Function, F::Ln,
     "natural logarithm", "натуральный логарифм"},

    {"bpCos", "cos", nullptr, 0, 1, C::Function, F::Cos,
     "cosine", "косинус"},
    {"bpCh", "ch", nullptr, 1, 1, C::Function, F::Ch,
     "hyperbolic cosine", "гиперболический косинус"},
    {"bpArccos", "arccos", nullptr, 2, 1, C::Function, F::Arccos,
     "arc cosine", "арккосинус"},
    {"bpArch", "Arch", nullptr, 3, 1, C::Function, F::Arch,
     "inverse hyperbolic cosine", "ареакосинус"},
    {"bpLog", "lg", nullptr, 4, 1, C::Function, F::Log,
     "common logarithm", "десятичный логарифм"},

    {"bpTg", "tg", nullptr, 0, 2, C::Function, F::Tg,
     "tangent", "тангенс"},
    {"bpTh", "th", nullptr, 1, 2, C::Function, F::Th,
     "hyperbolic tangent", "гиперболический тангенс"},
    {"bpArctg", "arctg", nullptr, 2, 2, C::Function, F::Arctg,
     "arc tangent", "арктангенс"},
    {"bpArth", "Arth", nullptr, 3, 2, C::Function, F::Arth,
     "inverse hyperbolic tangent", "ареатангенс"},
    {"bpLogXY", "", logBasePicture, 4, 2, C::LogBase, F::Ln,
     "logarithm of x to base y", "логарифм x по основанию y"},

    {"bpCtg", "ctg", nullptr, 0, 3, C::Function, F::Ctg,
     "cotangent", "котангенс"},
    {"bpCth", "cth", nullptr, 1, 3, C::Function, F::Cth,
     "hyperbolic cotangent", "гиперболический котангенс"},
    {"bpArcctg", "arcctg", nullptr, 2, 3, C::Function, F::Arcctg,
     "arc cotangent", "арккотангенс"},
    {"bpArcth", "Arcth", nullptr, 3, 3, C::Function, F::Arcth,
     "inverse hyperbolic cotangent", "ареакотангенс"},
    {"bpFactorial", "n!", nullptr, 4, 3, C::Function, F::Factorial,
     "factorial", "факториал"},

    {"bpSec", "sec", nullptr, 0, 4, C::Function, F::Sec,
     "secant", "секанс"},
    {"bpSech", "sech", nullptr, 1, 4, C::Function, F::Sech,
     "hyperbolic secant", "гиперболический секанс"},
    {"bpX2", "", squarePicture, 2, 4, C::Function, F::X2,
     "x squared", "x в квадрате"},
    {"bp3Root", "", cubeRootPicture, 3, 4, C::Function, F::CubeRoot,
     "cube root", "кубический корень"},
    {"bpPI", "\u03C0", nullptr, 4, 4, C::Pi, F::Ln,
     "pi", "число пи"},

    {"bpCosec", "cosec", nullptr, 0, 5, C::Function, F::Cosec,
     "cosecant", "косеканс"},
    {"bpCosech", "cosech", nullptr, 1, 5, C::Function, F::Cosech,
     "hyperbolic cosecant", "гиперболический косеканс"},
    {"bpX3", "", cubePicture, 2, 5, C::Function, F::X3,
     "x cubed", "x в кубе"},
    {"bpXY", "", powerPicture, 3, 5, C::Power, F::Ln,
     "x to the power y", "x в степени y"},
    {"bpExp", "Exp", nullptr, 4, 5, C::Function, F::Exp,
     "exponent", "экспонента"},
};

struct MeasureRow {
    const char* name;
    AngleMeasure measure;
};

constexpr MeasureRow kMeasures[] = {
    {"rbRad", AngleMeasure::Radians},
    {"rbDegr", AngleMeasure::Degrees},
    {"rbGrad", AngleMeasure::Grads},
    {"rbCycle", AngleMeasure::Cycles},
};

// Four captions share a narrow strip, "Градус" the longest of them: the gap between a radio
// button's circle and its caption is halved so each caption shows whole.
class AngleStripStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
        const int value = QProxyStyle::pixelMetric(metric, option, widget);
        return metric == PM_RadioButtonLabelSpacing ? value / 2 : value;
    }
};

QFont captionFont(bool pi) {
    return legacySansSerifPixels(pi ? 16 : 12, !pi);
}

} // namespace

std::span<const ScienceKeyRow> scienceKeys() { return kKeys; }

TSciencePanel::TSciencePanel(Calculator& calculator, QWidget* parent) : QFrame(parent), calc_(calculator) {
    setObjectName(QStringLiteral("pnScience"));
    resize(kWidth, kHeight);

    auto* strip = new QFrame(this);
    strip->setObjectName(QStringLiteral("pnAngles"));
    strip->setGeometry(1, 2, 220, 27);
    strip->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    QPalette red = palette();
    red.setColor(QPalette::WindowText, colorFromColorRef(kKeyRed));
    red.setColor(QPalette::ButtonText, colorFromColorRef(kKeyRed));
    // The captions differ in length between the languages ("Cycle", "Градус"), so the strip
    // shares its width out by a layout rather than fixed places: each button as wide as its
    // caption, the room left over spread between them.
    auto* row = new QHBoxLayout(strip);
    row->setContentsMargins(4, 0, 2, 0);
    row->setSpacing(2);
    QFont captions = font();
    captions.setPixelSize(11);
    auto* stripStyle = new AngleStripStyle;
    stripStyle->setParent(strip);
    for (std::size_t i = 0; i < std::size(kMeasures); ++i) {
        auto* button = new QRadioButton(strip);
        button->setStyle(stripStyle);
        button->setObjectName(QString::fromLatin1(kMeasures[i].name));
        button->setPalette(red);
        button->setFont(captions);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        if (i > 0) row->addStretch(1);
        row->addWidget(button);
        measures_[i] = button;
    }
    measures_[0]->setChecked(true); // every run starts in radians

    for (const ScienceKeyRow& row : kKeys) {
        auto* key = new TButtonPanel(this);
        key->setObjectName(QString::fromLatin1(row.name));
        key->setAccessibleName(QString::fromUtf8(row.spoken));
        key->setGeometry(kColumnLeft[row.gridColumn], kRowTop[row.gridRow], kKeyWidth, kKeyHeight);
        key->setTextColour(colorFromColorRef(kKeyBlue));
        if (row.picture) {
            key->setPicture(row.picture());
        } else {
            key->setText(QString::fromUtf8(row.caption));
            key->setFont(captionFont(row.command == C::Pi));
        }
        connect(key, &TButtonPanel::clicked, this, [this, &row] { bpClick(row); });
    }
}

AngleMeasure TSciencePanel::angleMeasure() const {
    for (std::size_t i = 0; i < std::size(kMeasures); ++i)
        if (measures_[i]->isChecked()) return kMeasures[i].measure;
    return AngleMeasure::Radians;
}

void TSciencePanel::bpClick(const ScienceKeyRow& key) {
    switch (key.command) {
    case C::Power: calc_.pressOperation(Operation::opPower); return;
    case C::LogBase: calc_.pressOperation(Operation::opLogBase); return;
    case C::Pi: pressPi(calc_); return;
    case C::Function: pressScientificKey(calc_, key.function, angleMeasure()); return;
    }
}

} // namespace orv
