// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "calculator.h"
#include "key_pictures.h"
#include "statistics.h"

#include <QFrame>

#include <optional>
#include <span>

class QTextEdit;

namespace orv {

// One key of the statistics panel: the Enter key, or the statistic it shows.
struct StatisticsKeyRow {
    const char* name;
    const char* caption;                // UTF-8; empty when the face is a picture
    KeyPicture (*picture)();            // null for a text face
    int top;
    std::optional<Statistic> statistic; // empty: bpStatEnter
    const char* spoken;                 // the name a screen reader says in English
    const char* spokenRussian;          // and in Russian (the language switches it)
};

inline constexpr int kStatisticsKeyCount = 7;
std::span<const StatisticsKeyRow> statisticsKeys();

// The statistics panel `pnStatist`: seven keys beside the list `mmStat`, one number a line.
// Every result reads the list afresh, so hand edits count as the list shows them.
class TStatisticsPanel : public QFrame {
    Q_OBJECT
  public:
    static constexpr int kWidth = 225, kHeight = 170;

    TStatisticsPanel(Calculator& calculator, QWidget* parent);

    QTextEdit* list() const { return mmStat; }
    // bpStatEnterClick .. bpStatSigmaNm1Click: one handler, the key's row.
    void bpStatClick(const StatisticsKeyRow& key);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void bpStatEnterClick();
    void fitWidestValue();

    Calculator& calc_;
    QTextEdit* mmStat = nullptr;
};

} // namespace orv
