// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "expression_edit.h"

#include <QMimeData>

namespace orv {

QString withLongLinesBroken(const QString& text, qsizetype length) {
    QString out;
    out.reserve(text.size() + text.size() / length + 1);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n')) {
            lineStart = i + 1;
        } else if (i - lineStart >= length && !text[i].isLowSurrogate()) {
            out += QLatin1Char('\n');
            lineStart = i;
        }
        out += text[i];
    }
    return out;
}

void ExpressionEdit::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return QPlainTextEdit::insertFromMimeData(source);
    const QString text = source->text();
    if (text.size() <= kLongLine) return QPlainTextEdit::insertFromMimeData(source);
    insertPlainText(withLongLinesBroken(text, kLongLine));
    ensureCursorVisible();
}

} // namespace orv
