// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {
namespace {

// The folder of each language's help below the help folder; English is the help folder itself.
QString languageFolder(int language) { return language == 1 ? QStringLiteral("ru/") : QString(); }

QString helpTitle(int language) {
    return language == 1 ? QString::fromUtf8("Справка Orvantis") : QStringLiteral("Orvantis Help");
}

// Qt starts xdg-open detached, so an xdg-open that finds no program for the address would fail
// unseen: run it here and watch how it ends. Without it, Qt's own search for a browser answers.
void openOnDesktop(const QUrl& url, const std::function<void()>& failed) {
    const QString xdgOpen = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (xdgOpen.isEmpty() || !QCoreApplication::instance()) {
        if (!QDesktopServices::openUrl(url)) failed();
        return;
    }
    auto* process = new QProcess(QCoreApplication::instance());
    // A browser started by xdg-open may outlive it and us: it must not write into our pipes.
    process->setStandardInputFile(QProcess::nullDevice());
    process->setStandardOutputFile(QProcess::nullDevice());
    process->setStandardErrorFile(QProcess::nullDevice());
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int code, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || code != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [process, failed](QProcess::ProcessError error) {
                         if (error != QProcess::FailedToStart) return; // a crash also ends in finished()
                         failed();
                         process->deleteLater();
                     });
    process->start(xdgOpen, {QString::fromUtf8(url.toEncoded())});
}

DesktopOpener& desktopOpener() {
    static DesktopOpener opener = openOnDesktop;
    return opener;
}

void openAddress(const QUrl& url) { desktopOpener()(url, [] {}); }

} // namespace

QString helpIndexPath(int language) {
    const QDir programDir(QCoreApplication::applicationDirPath());
    const QStringList folders{programDir.filePath(QStringLiteral("help")),
                              programDir.filePath(QString::fromUtf8(identity::kHelpDirFromProgram)),
                              QString::fromUtf8(identity::kInstalledHelpDir)};
    // Each folder is one installation: its own page in the language, else its English one.
    for (const QString& folder : folders)
        for (const QString& page :
             {languageFolder(language) + QStringLiteral("index.html"), QStringLiteral("index.html")}) {
            const QFileInfo candidate(QDir(folder).filePath(page));
            if (candidate.isFile()) return candidate.canonicalFilePath();
        }
    return {};
}

QUrl helpUrl(int topic, int language) {
    const QString path = helpIndexPath(language);
    if (path.isEmpty()) return {};
    QUrl url = QUrl::fromLocalFile(path);
    if (topic != kContentsHelpTopic) url.setFragment(QStringLiteral("topic%1").arg(topic));
    return url;
}

void setDesktopOpener(DesktopOpener opener) { desktopOpener() = opener ? std::move(opener) : openOnDesktop; }

void openHelp(int topic, int language, QWidget* owner) {
    const QUrl url = helpUrl(topic, language);
    if (!url.isValid()) return;
    QPointer<QWidget> window(owner ? owner->window() : nullptr);
    desktopOpener()(url, [window, url, language] {
        if (!window) return; // closed while the desktop was trying
        auto* viewer = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
        if (!viewer) viewer = new HelpWindow(window);
        viewer->showPage(url, language);
    });
}

void openHomePage() {
    openAddress(QUrl(QStringLiteral("http://%1").arg(QLatin1String(kMakerWebHost))));
}

void openMail() {
    openAddress(QUrl(QStringLiteral("mailto:%1").arg(QLatin1String(kMakerMail))));
}

// A dialog to the window manager, so it stays above its owner, also above a modal or stay-on-top
// one; but a resizable one.
HelpWindow::HelpWindow(QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("HelpWindow"));
    resize(kWidth, kHeight);
    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    setFocusProxy(browser_);
    // The page's own title follows its language link.
    connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
        if (!browser_->documentTitle().isEmpty()) setWindowTitle(browser_->documentTitle());
    });
}

void HelpWindow::showPage(const QUrl& page, int language) {
    setWindowTitle(helpTitle(language));
    browser_->setAccessibleName(helpTitle(language));
    if (!isVisible()) placeBesideOwner();
    // Shown first: the browser scrolls to the topic only once it has its size.
    show();
    raise();
    activateWindow();
    browser_->setSource(page);
    if (!page.fragment().isEmpty()) browser_->scrollToAnchor(page.fragment());
}

void HelpWindow::placeBesideOwner() {
    // Beside the window it explains, where the screen has room, so both can be seen.
    const QWidget* owner = parentWidget();
    const QScreen* screen = owner ? owner->screen() : nullptr;
    if (!owner || !screen) return;
    const QRect room = screen->availableGeometry();
    const QRect beside = owner->frameGeometry();
    const int top = std::clamp(beside.top(), room.top(), std::max(room.top(), room.bottom() - kHeight));
    if (beside.right() + kWidth < room.right())
        move(beside.right() + 1, top);
    else if (beside.left() - kWidth > room.left())
        move(beside.left() - kWidth, top);
}

} // namespace orv
