// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "tape_link.h"

#include "calculator.h"
#include "settings_store.h"
#include "settings_values.h"
#include "stay_on_top.h"
#include "tape_keeper.h"
#include "tape_texts.h"
#include "tape_window.h"

#include <QFile>
#include <QTimer>
#include <QWidget>

namespace orv {

TapeLink::TapeLink(QWidget& mainWindow, Calculator& calculator, SettingsStore& store, const QString& filePath,
                   bool keep)
    : mainWindow_(mainWindow), calculator_(calculator), store_(store) {
    // Nothing is read here: the file is opened when a line is written or the tape is shown.
    keeper_ = std::make_unique<TapeKeeper>(QFile::encodeName(filePath).toStdString(), keep,
                                           [this](std::function<void()> job) {
                                               QMetaObject::invokeMethod(this, std::move(job), Qt::QueuedConnection);
                                           });
    keeper_->onTrouble = [this](TapeKeeper::Trouble) { showTrouble(); };
    calculator_.setTape(keeper_.get());
}

TapeLink::~TapeLink() {
    calculator_.setTape(nullptr);
    delete window_; // before the tape it shows
}

void TapeLink::open(bool takeKeyboard) {
    if (!window_) {
        window_ = new TapeWindow(*keeper_, calculator_, store_, mainWindow_);
        window_->returnToCalculator = [this] {
            if (returnToCalculator) returnToCalculator();
        };
        window_->SetLang(language_);
        window_->applyLook(font_, digitColour_, background_);
        orv::setStaysOnTop(*window_, staysOnTop_);
    }
    window_->open(takeKeyboard);
}

void TapeLink::reopenIfItWasOpen() {
    if (reopened_) return;
    reopened_ = true;
    // Beside the calculator once it has its place; the keyboard stays with the calculator.
    if (store_.readInt(QString::fromLatin1(value::RTapeOpen)).value_or(0) == 1)
        QTimer::singleShot(0, this, [this] {
            open(false);
            mainWindow_.activateWindow();
        });
}

void TapeLink::rememberForNextRun() {
    if (window_ && window_->isVisible()) window_->rememberGeometry();
    // Open at the end, open at the next start.
    store_.writeInt(QString::fromLatin1(value::RTapeOpen), window_ && window_->wantedOpen() ? 1 : 0);
}

void TapeLink::setLanguage(int language) {
    language_ = language;
    if (window_) window_->SetLang(language);
}

// The display's face and its chosen colours, not the red of a failure it may be showing now.
void TapeLink::setLook(const QFont& digits, const QColor& digitColour, const QColor& background) {
    font_ = digits;
    digitColour_ = digitColour;
    background_ = background;
    if (window_) window_->applyLook(font_, digitColour_, background_);
}

void TapeLink::setStaysOnTop(bool on) {
    staysOnTop_ = on;
    if (window_) orv::setStaysOnTop(*window_, on);
}

void TapeLink::setKeep(bool keep) {
    keeper_->setKeep(keep);
    if (window_) window_->showTrouble();
}

void TapeLink::hideWithCalculator() {
    hiddenWithCalculator_ = window_ && window_->isVisible();
    if (hiddenWithCalculator_) window_->hide();
}

void TapeLink::showWithCalculator() {
    if (hiddenWithCalculator_ && window_) window_->showNormal();
    hiddenWithCalculator_ = false;
}

void TapeLink::hide() {
    if (window_) window_->hide();
}

void TapeLink::showTrouble() {
    if (window_) window_->showTrouble();
    // Said once under the display as well, when the user is at work there.
    if (troubleSaid_ || !mainWindow_.isActiveWindow()) return;
    troubleSaid_ = true;
    if (sayTrouble) sayTrouble(tapeTroubleText(*keeper_, language_));
}

} // namespace orv
