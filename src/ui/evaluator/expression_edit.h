// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include <QPlainTextEdit>

namespace orv {

// The Evaluator's expression field. A pasted or dropped line longer than kLongLine characters is
// put in as lines of that length: the Evaluator joins the lines with nothing between them, so the
// expression and its positions are the same, while the text layout never has to wrap a line of
// megabytes (which takes minutes and freezes the program).
class ExpressionEdit : public QPlainTextEdit {
public:
    static constexpr qsizetype kLongLine = 1024;

    using QPlainTextEdit::QPlainTextEdit;

protected:
    void insertFromMimeData(const QMimeData* source) override;
};

// `text` with every line longer than `length` broken into lines of `length` characters (a
// character outside the basic plane is never cut in two).
QString withLongLinesBroken(const QString& text, qsizetype length);

} // namespace orv
