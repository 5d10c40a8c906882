// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_fetcher.h"

#include "rates_store.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace orv {

RatesFetcher::RatesFetcher(QObject* parent) : QObject(parent), network_(new QNetworkAccessManager(this)) {
    deadline_.setSingleShot(true);
    deadline_.setTimerType(Qt::PreciseTimer); // a coarse timer may fire 5% early
    connect(&deadline_, &QTimer::timeout, this, [this] { fail(RatesProblem::TimedOut, {}); });
}

RatesFetcher::~RatesFetcher() {
    cancel();
}

void RatesFetcher::fetch(const QUrl& address) {
    if (busy()) return;
    failure_ = {};
    if (!isAllowedRatesAddress(address)) {
        const RatesFailure failure{RatesProblem::InsecureAddress, address.toDisplayString()};
        QMetaObject::invokeMethod(this, [this, failure] { emit fetched({}, failure); }, Qt::QueuedConnection);
        return;
    }
    address_ = address;
    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    request.setMaximumRedirectsAllowed(5);
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    QNetworkReply* reply = network_->get(request);
    reply_ = reply;
    connect(reply, &QNetworkReply::redirected, this, [this, reply](const QUrl& target) {
        // The reply already names the new address: compare with the one it leaves.
        const QUrl from = address_;
        const QUrl to = from.resolved(target);
        // Downgrading HTTPS to HTTP counts as leaving the host.
        const bool sameHost = to.host().compare(from.host(), Qt::CaseInsensitive) == 0 &&
                              (to.scheme() == from.scheme() || to.scheme() == QLatin1String("https"));
        if (sameHost && isAllowedRatesAddress(to)) {
            address_ = to;
            emit reply->redirectAllowed();
        } else fail(RatesProblem::RedirectOffHost, to.toDisplayString());
    });
    connect(reply, &QNetworkReply::metaDataChanged, this, [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > kMaxDocumentSize) fail(RatesProblem::TooLarge, {});
    });
    connect(reply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        if (received > kMaxDocumentSize) fail(RatesProblem::TooLarge, {});
    });
    connect(reply, &QNetworkReply::finished, this, &RatesFetcher::onFinished);
    deadline_.start(timeoutMs_);
}

void RatesFetcher::fail(RatesProblem problem, const QString& detail) {
    if (!reply_ || failure_.problem != RatesProblem::None) return;
    failure_ = {problem, detail};
    reply_->abort(); // finished follows, and reports the failure kept here
}

void RatesFetcher::onFinished() {
    QNetworkReply* reply = reply_;
    if (!reply) return;
    reply_ = nullptr;
    deadline_.stop();
    reply->deleteLater();
    RatesFailure failure = failure_;
    QByteArray document;
    if (failure.problem == RatesProblem::None) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (status >= 300) {
            const QString reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
            failure = {RatesProblem::HttpError, (QString::number(status) + QLatin1Char(' ') + reason).trimmed()};
        } else if (reply->error() != QNetworkReply::NoError) {
            failure = {RatesProblem::Unreachable, reply->errorString()};
        } else {
            document = reply->read(kMaxDocumentSize + 1);
            if (document.size() > kMaxDocumentSize) failure = {RatesProblem::TooLarge, {}};
        }
    }
    emit fetched(failure.problem == RatesProblem::None ? document : QByteArray(), failure);
}

void RatesFetcher::cancel() {
    QNetworkReply* reply = reply_;
    if (!reply) return;
    reply_ = nullptr;
    deadline_.stop();
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

} // namespace orv
