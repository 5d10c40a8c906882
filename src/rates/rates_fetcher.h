// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "rates_document.h"

#include <QNetworkReply>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>

class QNetworkAccessManager;

namespace orv {

// Fetches one rate document asynchronously: nothing is sent but the request (no cookies, no
// cache), a redirect is followed only on the same host and scheme, the answer is cut off past
// kMaxDocumentSize, and the whole fetch has a time limit. The event loop never waits on it.
class RatesFetcher : public QObject {
    Q_OBJECT
  public:
    static constexpr int kTimeoutMs = 15000;

    explicit RatesFetcher(QObject* parent = nullptr);
    ~RatesFetcher() override;

    void setTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    bool busy() const { return reply_ != nullptr; }
    // Starts a fetch unless one is running; `fetched` follows, always from the event loop.
    void fetch(const QUrl& address);
    // Drops a running fetch without a report.
    void cancel();

  signals:
    // The document when `failure.problem` is None; it is not read yet.
    void fetched(const QByteArray& document, const orv::RatesFailure& failure);

  private:
    void fail(RatesProblem problem, const QString& detail);
    void onFinished();

    QNetworkAccessManager* network_ = nullptr;
    QPointer<QNetworkReply> reply_;
    QUrl address_; // where the reply now fetches from
    QTimer deadline_;
    int timeoutMs_ = kTimeoutMs;
    RatesFailure failure_;
};

} // namespace orv
