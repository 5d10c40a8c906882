// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "statistics_panel.h"

#include "button_panel.h"
#include "colour.h"
#include "legacy_font.h"
#include "calculator_keys.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace orv {
namespace {

constexpr int kKeyLeft = 1, kKeyWidth = 34, kKeyHeight = 23;

KeyPicture meanPicture() { return formulaPicture({{"x", RunPlace::Base, true}}); }
KeyPicture sumPicture() { return formulaPicture({{"\u03A3x"}}); }
KeyPicture sumOfSquaresPicture() { return formulaPicture({{"\u03A3x"}, {"2", RunPlace::Raised}}); }
KeyPicture sigmaNPicture() { return formulaPicture({{"\u03C3"}, {"n", RunPlace::Lowered}}); }
KeyPicture sigmaNm1Picture() { return formulaPicture({{"\u03C3"}, {"n-1", RunPlace::Lowered}}); }

const StatisticsKeyRow kKeys[kStatisticsKeyCount] = {
    {"bpStatEnter", "", chevronsPicture, 1, std::nullopt, "enter into the list", "внести в список"},
    {"bpStatCount", "N", nullptr, 29, Statistic::Count, "count", "количество чисел"},
    {"bpStatSrednee", "", meanPicture, 52, Statistic::Mean, "mean", "среднее арифметическое"},
    {"bpStatSumma", "", sumPicture, 75, Statistic::Sum, "sum of x", "сумма чисел"},
    {"bpStatSumma2", "", sumOfSquaresPicture, 98, Statistic::SumOfSquares, "sum of x squared",
     "сумма квадратов чисел"},
    {"bpStatSigmaN", "", sigmaNPicture, 121, Statistic::SigmaN, "sigma n", "сигма n"},
    {"bpStatSigmaNm1", "", sigmaNm1Picture, 144, Statistic::SigmaNm1, "sigma n minus 1", "сигма n минус 1"},
};

} // namespace

std::span<const StatisticsKeyRow> statisticsKeys() { return kKeys; }

TStatisticsPanel::TStatisticsPanel(Calculator& calculator, QWidget* parent) : QFrame(parent), calc_(calculator) {
    setObjectName(QStringLiteral("pnStatist"));
    resize(kWidth, kHeight);

    const QFont captionFont = legacySansSerifPixels(12, true);
    for (const StatisticsKeyRow& row : kKeys) {
        auto* key = new TButtonPanel(this);
        key->setObjectName(QString::fromLatin1(row.name));
        key->setAccessibleName(QString::fromUtf8(row.spoken));
        key->setGeometry(kKeyLeft, row.top, kKeyWidth, kKeyHeight);
        key->setTextColour(colorFromColorRef(kKeyBlue));
        if (row.picture) {
            key->setPicture(row.picture());
        } else {
            key->setText(QString::fromUtf8(row.caption));
            key->setFont(captionFont);
        }
        connect(key, &TButtonPanel::clicked, this, [this, &row] { bpStatClick(row); });
    }

    mmStat = new QTextEdit(this);
    mmStat->setObjectName(QStringLiteral("mmStat"));
    mmStat->setGeometry(kKeyLeft + kKeyWidth + 4, 2, 183, 166);
    mmStat->setAcceptRichText(false);
    mmStat->setLineWrapMode(QTextEdit::NoWrap);
    mmStat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // One value a line, never broken at its separators: a value wider than the list scrolls
    // sideways. The option replaces the list's own, so it says NoWrap again.
    QTextOption lines(Qt::AlignRight);
    lines.setWrapMode(QTextOption::NoWrap);
    mmStat->document()->setDefaultTextOption(lines);
    mmStat->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    connect(mmStat->document(), &QTextDocument::contentsChanged, this, &TStatisticsPanel::fitWidestValue);
    // Tab leaves the list: it holds one number a line, never a tab.
    mmStat->setTabChangesFocus(true);
    mmStat->installEventFilter(this);
}

void TStatisticsPanel::fitWidestValue() {
    // Right-aligned lines are laid out as wide as the list, so a wider one would run past its
    // edge where no scroll bar reaches: they are laid out as wide as the widest instead.
    const QFontMetrics metrics(mmStat->font());
    int widest = 0;
    for (const QString& line : mmStat->toPlainText().split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    const int needed = widest + 2 * int(mmStat->document()->documentMargin()) + 2; // and the cursor
    if (needed <= mmStat->viewport()->width()) {
        mmStat->setLineWrapMode(QTextEdit::NoWrap);
    } else {
        mmStat->setLineWrapMode(QTextEdit::FixedPixelWidth);
        mmStat->setLineWrapColumnOrWidth(needed);
    }
}

bool TStatisticsPanel::eventFilter(QObject* watched, QEvent* event) {
    // Ctrl+Insert is the window's Copy of the entry, also while the list has the focus; left to
    // the list, it would copy the list's (usually empty) selection instead.
    if (watched == mmStat && event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ControlModifier) return true;
    }
    return QFrame::eventFilter(watched, event);
}

void TStatisticsPanel::bpStatClick(const StatisticsKeyRow& key) {
    if (key.statistic) pressStatisticKey(calc_, *key.statistic, mmStat->toPlainText().toStdString());
    else bpStatEnterClick();
}

void TStatisticsPanel::bpStatEnterClick() {
    // Every entry ends with a line break; a list whose last break was removed by hand gets one
    // before the new entry instead.
    QString entry = QString::fromStdString(calc_.enterIntoList()) + QLatin1Char('\n');
    const QString text = mmStat->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) entry.prepend(QLatin1Char('\n'));
    QTextCursor cursor(mmStat->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(entry);
    mmStat->setTextCursor(cursor);
    mmStat->ensureCursorVisible();
}

} // namespace orv
