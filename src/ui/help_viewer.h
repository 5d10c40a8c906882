// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#pragma once

#include "program_identity.h"

#include <QString>
#include <QUrl>

namespace orv {

// The maker's addresses, shown in the About window and opened by the Home Page commands.
inline constexpr const char* kMakerWebHost = identity::kHomePageHost;
inline constexpr const char* kMakerMail = identity::kMail;

// Help topics: the main window, the Preferences window, the Evaluator.
inline constexpr int kMainWindowHelpTopic = 30;
inline constexpr int kContentsHelpTopic = 0; // the start of the help, no topic

// The bundled HTML help: beside the program in the build tree, else where it was installed
// (found relative to the program first, so a moved installation still finds its own). Empty
// when none exists.
QString helpIndexPath();

// The help page at a topic (an anchor "topicN"); the start of the help for kContentsHelpTopic.
QUrl helpUrl(int topic);

// Each opens its address with the desktop's default program; a missing program shows nothing.
void openHelp(int topic);
void openHomePage();
void openMail();

} // namespace orv
