// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "rates_store.h"

#include "file_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QStandardPaths>

#include <cstring>
#include <string_view>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orv {

QUrl ratesAddress(RateSource source) {
    const QByteArray overridden = qgetenv("ORVANTIS_RATES_URL");
    if (!overridden.isEmpty()) return QUrl(QString::fromUtf8(overridden));
    if (source == RateSource::BankOfRussia) return QUrl(QStringLiteral("https://www.cbr.ru/scripts/XML_daily.asp"));
    return QUrl(QStringLiteral("https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml"));
}

bool ratesAddressOverridden() {
    return !qgetenv("ORVANTIS_RATES_URL").isEmpty();
}

bool isAllowedRatesAddress(const QUrl& address) {
    if (!address.isValid() || address.host().isEmpty()) return false;
    const QString scheme = address.scheme().toLower();
    if (scheme == QLatin1String("https")) return true;
    if (scheme != QLatin1String("http")) return false;
    const QString host = address.host().toLower();
    return host == QLatin1String("localhost") || QHostAddress(host).isLoopback();
}

QString keptRatesFile() {
    // The generic cache folder, so the command line (which has no application name set) and the
    // window share one file.
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    return QDir(cache).filePath(QStringLiteral("Orvantis/exchange-rates.xml"));
}

DocumentReading readKeptRates(QDate todayUtc) {
    // Opened without waiting and read only if it is a file: a FIFO or a device put in its place
    // must not hold up the window.
    const QByteArray path = QFile::encodeName(keptRatesFile());
    const int fd = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat status {};
    QFile file;
    if (fd < 0 || ::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        if (fd >= 0) ::close(fd);
        return {std::nullopt, {RatesProblem::NothingKept, {}}};
    }
    const QByteArray document = file.read(kMaxDocumentSize + 1);
    DocumentReading reading = readRatesDocument(document, todayUtc);
    if (!reading.table) reading.failure = {RatesProblem::NothingKept, {}}; // damaged: as if never fetched
    return reading;
}

bool keepRatesDocument(const QByteArray& document, QString* error) {
    const QString path = keptRatesFile();
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        if (error) *error = QStringLiteral("no folder can be made at ") + QFileInfo(path).absolutePath();
        return false;
    }
    const TapeFileError failure = replaceFileAtomically(QFile::encodeName(path).toStdString(),
                                                        std::string_view(document.constData(), std::size_t(document.size())));
    if (!failure) return true;
    if (error) *error = QString::fromLocal8Bit(std::strerror(failure.systemError));
    return false;
}

} // namespace orv
