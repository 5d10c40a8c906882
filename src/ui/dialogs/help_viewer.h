// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "program_identity.h"

#include <QString>
#include <QUrl>
#include <QWidget>

#include <functional>

class QTextBrowser;

namespace orv {

// The maker's addresses, shown in the About window and opened by the Home Page commands.
inline constexpr const char* kMakerWebHost = identity::kHomePageHost;
inline constexpr const char* kMakerMail = identity::kMail;

// Help topics: the main window, the Preferences window, the Evaluator.
inline constexpr int kMainWindowHelpTopic = 30;
inline constexpr int kContentsHelpTopic = 0; // the start of the help, no topic

// The bundled HTML help in a language (0 English, 1 Russian): beside the program in the build
// tree, else where it was installed (found relative to the program first, so a moved installation
// still finds its own). A language without a help of its own gets the English one. Empty when
// none exists.
QString helpIndexPath(int language = 0);

// The help page at a topic (an anchor "topicN"); the start of the help for kContentsHelpTopic.
QUrl helpUrl(int topic, int language = 0);

// Hands an address to the desktop's default program; `failed` runs, at once or once the desktop
// has given up, when no program took it.
using DesktopOpener = std::function<void(const QUrl& url, const std::function<void()>& failed)>;
// Replaces how addresses are handed to the desktop (tests record them); an empty one restores
// the desktop's own.
void setDesktopOpener(DesktopOpener opener);

// Opens the help in the browser at the topic; where no browser takes it, in a help window of
// our own belonging to `owner` (so a modal owner does not block it).
void openHelp(int topic, int language, QWidget* owner);
// Each opens its address with the desktop's default program; a missing program shows nothing.
void openHomePage();
void openMail();

// The help shown by the program itself, for a desktop without a browser: the page scrolled to
// the topic, the links inside it followed, the others handed to the desktop.
class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 520;

    explicit HelpWindow(QWidget* owner);

    void showPage(const QUrl& page, int language);
    QTextBrowser* browser() const { return browser_; }

  private:
    void placeBesideOwner();

    QTextBrowser* browser_ = nullptr;
};

} // namespace orv
