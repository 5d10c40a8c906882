#include "statistics_panel.h"

#include "button_panel.h"
#include "colour.h"
#include "legacy_font.h"
#include "number_text.h"
#include "operand_value.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

namespace orv {
namespace {

constexpr int kKeyLeft = 1, kKeyWidth = 34, kKeyHeight = 23;

KeyPicture meanPicture() { return formulaPicture({{"x", RunPlace::Base, true}}); }
KeyPicture sumPicture() { return formulaPicture({{"\u03A3x"}}); }
KeyPicture sumOfSquaresPicture() { return formulaPicture({{"\u03A3x"}, {"2", RunPlace::Raised}}); }
KeyPicture sigmaNPicture() { return formulaPicture({{"\u03C3"}, {"n", RunPlace::Lowered}}); }
KeyPicture sigmaNm1Picture() { return formulaPicture({{"\u03C3"}, {"n-1", RunPlace::Lowered}}); }

const StatisticsKeySpec kKeys[kStatisticsKeyCount] = {
    {"bpStatEnter", "", chevronsPicture, 1, std::nullopt},
    {"bpStatCount", "N", nullptr, 29, Statistic::Count},
    {"bpStatSrednee", "", meanPicture, 52, Statistic::Mean},
    {"bpStatSumma", "", sumPicture, 75, Statistic::Sum},
    {"bpStatSumma2", "", sumOfSquaresPicture, 98, Statistic::SumOfSquares},
    {"bpStatSigmaN", "", sigmaNPicture, 121, Statistic::SigmaN},
    {"bpStatSigmaNm1", "", sigmaNm1Picture, 144, Statistic::SigmaNm1},
};

} // namespace

std::span<const StatisticsKeySpec> statisticsKeys() { return kKeys; }

TStatisticsPanel::TStatisticsPanel(Calculator& calculator, QWidget* parent) : QFrame(parent), calc_(calculator) {
    setObjectName(QStringLiteral("pnStatist"));
    resize(kWidth, kHeight);

    const QFont captionFont = legacySansSerifPixels(12, true);
    for (const StatisticsKeySpec& spec : kKeys) {
        auto* key = new TButtonPanel(this);
        key->setObjectName(QString::fromLatin1(spec.name));
        key->setGeometry(kKeyLeft, spec.top, kKeyWidth, kKeyHeight);
        key->setTextColour(colorFromColorRef(kKeyBlue));
        if (spec.picture) {
            key->setPicture(spec.picture());
        } else {
            key->setText(QString::fromUtf8(spec.caption));
            key->setFont(captionFont);
        }
        const StatisticsKeySpec* row = &spec;
        connect(key, &TButtonPanel::clicked, this, [this, row] { bpStatClick(*row); });
    }

    mmStat = new QTextEdit(this);
    mmStat->setObjectName(QStringLiteral("mmStat"));
    mmStat->setGeometry(kKeyLeft + kKeyWidth + 4, 2, 183, 166);
    mmStat->setAcceptRichText(false);
    mmStat->setLineWrapMode(QTextEdit::NoWrap);
    mmStat->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmStat->document()->setDefaultTextOption(QTextOption(Qt::AlignRight));
}

void TStatisticsPanel::bpStatClick(const StatisticsKeySpec& key) {
    if (!key.statistic) {
        bpStatEnterClick();
        return;
    }
    const StatisticsLines lines = memoLines(mmStat->toPlainText().toStdString());
    if (const auto value = computeStatistic(*key.statistic, lines, calc_.separators()))
        loadOperandValue(calc_, *value);
}

void TStatisticsPanel::bpStatEnterClick() {
    CalculatorState& s = calc_.state();
    s.EntryText = generalText(s.CurrentValue, calc_.separators());
    calc_.Indicate(s.CurrentValue); // the display text is rebuilt, not redrawn

    // Every entry ends with a line break; a list whose last break was removed by hand gets one
    // before the new entry instead.
    QString entry = QString::fromStdString(s.EntryText) + QLatin1Char('\n');
    const QString text = mmStat->toPlainText();
    if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) entry.prepend(QLatin1Char('\n'));
    QTextCursor cursor(mmStat->document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(entry);
    mmStat->setTextCursor(cursor);
    mmStat->ensureCursorVisible();

    s.Typing = false;
    s.DecimalEntered = false;
    s.OperandStored = true;
    s.EqualsEnabled = true;
}

} // namespace orv
