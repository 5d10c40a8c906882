// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace orv {

QString helpIndexPath() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QString index = QStringLiteral("/index.html");
    for (const QString& candidatePath :
         {programDir.filePath(QStringLiteral("help") + index),
          programDir.filePath(QString::fromUtf8(identity::kHelpDirFromProgram) + index),
          QString::fromUtf8(identity::kInstalledHelpDir) + index}) {
        const QFileInfo candidate(candidatePath);
        if (candidate.isFile()) return candidate.canonicalFilePath();
    }
    return {};
}

QUrl helpUrl(int topic) {
    const QString path = helpIndexPath();
    if (path.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(path);
    if (topic != kContentsHelpTopic) url.setFragment(QStringLiteral("topic%1").arg(topic));
    return url;
}

void openHelp(int topic) {
    const QUrl url = helpUrl(topic);
    if (url.isValid()) QDesktopServices::openUrl(url);
}

void openHomePage() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("http://%1").arg(QLatin1String(kMakerWebHost))));
}

void openMail() {
    QDesktopServices::openUrl(QUrl(QStringLiteral("mailto:%1").arg(QLatin1String(kMakerMail))));
}

} // namespace orv
