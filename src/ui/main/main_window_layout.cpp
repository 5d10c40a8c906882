// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The main window's layouts: the side panels and the View-menu commands that show them, the
// window's sizes and the 168-pixel moves, the size button, the housekeeping timer, hiding to the
// tray and the hints.
#include "calculator_window.h"

#include "accessible_panels.h"
#include "colour.h"
#include "conversion_panel.h"
#include "keypad.h"
#include "main_menus.h"
#include "register_row.h"
#include "science_panel.h"
#include "statistics_panel.h"
#include "tape_link.h"
#include "tooltip_controller.h"
#include "tray_icon.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

#include <algorithm>

namespace orv {
namespace {

// The size button's pictures: a bar with an arrow up (reduce) or down (restore).
void drawSizeArrow(QPainter& painter, const QRectF& area, bool pointsUp) {
    const qreal s = std::min(area.width(), area.height()) * 0.5;
    const QPointF c = area.center();
    QPainterPath triangle;
    if (pointsUp) {
        triangle.moveTo(c.x() - s / 2, c.y() + s / 4);
        triangle.lineTo(c.x() + s / 2, c.y() + s / 4);
        triangle.lineTo(c.x(), c.y() - s / 4);
    } else {
        triangle.moveTo(c.x() - s / 2, c.y() - s / 4);
        triangle.lineTo(c.x() + s / 2, c.y() - s / 4);
        triangle.lineTo(c.x(), c.y() + s / 4);
    }
    triangle.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colorFromColorRef(kColourNavy));
    painter.drawPath(triangle);
}

constexpr int kPanelBesideKeypad = 244;

// The display beside the keypad alone, and widened over the size button beside a panel.
struct DisplayGeometry {
    int outWidth, exponentLeft, mantissaWidth;
};
constexpr DisplayGeometry kNarrowDisplay{209, 166, 191};
constexpr DisplayGeometry kWideDisplay{240, 197, 222};
constexpr int kMantissaLeft = 16, kExponentTop = 1, kExponentWidth = 42, kExponentHeight = 10;

// The controls of a panel that Tab stops at, in the order they were made.
QList<QWidget*> tabStopsIn(const QWidget* panel) {
    QList<QWidget*> stops;
    for (QWidget* w : panel->findChildren<QWidget*>())
        if (w->focusPolicy() & Qt::TabFocus) stops << w;
    return stops;
}

} // namespace

void TCalculator::buildSidePanels(QWidget* area) {
    pnScience = new TSciencePanel(calc_, area);
    pnScience->move(kPanelBesideKeypad, 0);
    pnScience->hide(); // until shown: a narrow window would show a sliver of it
    pnStatist = new TStatisticsPanel(calc_, area);
    pnStatist->setGeometry(410, 2, TStatisticsPanel::kWidth, TStatisticsPanel::kHeight);
    pnStatist->hide();
    pnConvert = new TConversionPanel(calc_, area);
    pnConvert->setRateSettings(settings_.RateSource, settings_.AutoUpdateRates);

    // Tab goes as the window is drawn, from the left: the conversion panel, the display, the
    // keypad, the panel beside it, then the registers drawn under that panel. Panels out of view
    // are passed over.
    const QList<QWidget*> columns[] = {pnConvert->tabStops(), {pnOut}, tabStopsIn(pnSimple),
                                       tabStopsIn(pnScience), tabStopsIn(pnStatist), tabStopsIn(pnMemory)};
    QList<QWidget*> order;
    for (const QList<QWidget*>& column : columns)
        order += column;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    // The size button is no tab stop (F4 and the View menu do its job): an unnamed picture that
    // the keyboard cannot reach is left out for screen readers too.
    hideFromScreenReaders(pnSize);

    pnConvert->keyboardHome = [this] { pnOut->setFocus(Qt::OtherFocusReason); };

    tray_ = new TrayIcon(*this);
    connect(tray_, &TrayIcon::clicked, this, &TCalculator::RxTrayIcon1Click);
    connect(tray_, &TrayIcon::showHideChosen, this, [this] {
        if (isVisible() && !isMinimized())
            hideToTray();
        else
            restoreFromTray();
    });
    connect(tray_, &TrayIcon::quitChosen, this, [this] {
        close(); // saves the working state as any close does
        QCoreApplication::quit();
    });
    tray_->setShown(settings_.MinimizeToTray);

    tooltips_ = new TooltipController(this);
}

void TCalculator::refillUnitLists() {
    pnConvert->setUnitLanguage(settings_.Language == 1 ? Language::Russian : Language::English);
    pnConvert->cbViborClick();
}

DisplayLine::Rooms TCalculator::displayRooms(bool wide) {
    const DisplayGeometry& g = wide ? kWideDisplay : kNarrowDisplay;
    return {QRect(kMantissaLeft, 1, g.mantissaWidth, 20), QRect(g.exponentLeft, kExponentTop, kExponentWidth, kExponentHeight)};
}

void TCalculator::setDisplayWide(bool wide) {
    const DisplayGeometry& g = wide ? kWideDisplay : kNarrowDisplay;
    pnOut->resize(g.outWidth, pnOut->height());
    pnOut->setRooms(displayRooms(wide));
    pnSize->setVisible(!wide);
}

void TCalculator::setWindowWidth(int outerWidth) {
    setOuterSize(outerWidth, outerSize().height());
}

void TCalculator::Peredvizka() {
    const int left = layout_.besideKeypadLeft();
    pnScience->move(left, pnScience->y());
    pnStatist->move(left, pnStatist->y());
    pnMemory->move(left, pnMemory->y());
    hideCutPanels();
}

void TCalculator::miScienceClick() { switchWidePanel(WidePanel::Science); }
void TCalculator::miStatistClick() { switchWidePanel(WidePanel::Statistics); }

// The scientific and statistics commands are one command with the two panels' roles exchanged.
void TCalculator::switchWidePanel(WidePanel which) {
    const bool science = which == WidePanel::Science;
    QWidget* panel = science ? static_cast<QWidget*>(pnScience) : pnStatist;
    QWidget* other = science ? static_cast<QWidget*>(pnStatist) : pnScience;
    const bool hiding = layout_.shown(which);
    if (!hiding && !layout_.fullSize()) MaxMinClick();
    layout_.toggle(which);
    calc_.setMemoryLineForced(layout_.memoryLineForced());
    if (hiding) {
        applyPanelLayout();
        if (!calc_.state().MemoryUsed) memIndClose();
        panel->hide();
    } else {
        panel->show();
        other->hide();
        applyPanelLayout();
        memIndOpen();
    }
    showPanelChecks();
    hideCutPanels();
}

void TCalculator::miConvertClick() {
    if (!layout_.conversionShown() && !layout_.fullSize()) MaxMinClick();
    // The keypad keeps its place on the screen unless that would push the window's left part
    // (menu bar and panel) off the screen: then the window only widens to the right, and
    // hiding the panel gives back only what was taken.
    const QScreen* where = screen();
    const int room = where ? x() - where->availableGeometry().left() : PanelLayout::kConversionShift;
    const int moveRight = layout_.toggleConversion(room);
    if (moveRight < 0) move(x() + moveRight, y());
    applyPanelLayout();
    if (moveRight > 0) {
        move(x() + moveRight, y());
        keepInsideScreen();
    }
    pnConvert->setShown(layout_.conversionShown());
    showPanelChecks();
}

// The window's width, the display, the size controls and the places of the keypad and of what
// stands beside it, as the layout has them.
void TCalculator::applyPanelLayout() {
    setDisplayWide(layout_.displayWide());
    pnOut->resize(layout_.displayWidth(), pnOut->height());
    pnSize->setEnabled(layout_.sizeButtonEnabled());
    menus_->setSizeItemsEnabled(layout_.sizeItemsEnabled());
    setWindowWidth(layout_.outerWidth());
    pnInd->move(layout_.keypadLeft(), pnInd->y());
    pnSimple->move(layout_.keypadLeft(), pnSimple->y());
    pnMHist->move(layout_.memoryLineLeft(), pnMHist->y());
    Peredvizka();
}

void TCalculator::showPanelChecks() {
    menus_->item(MenuCommand::Conversion)->setChecked(layout_.conversionShown());
    menus_->item(MenuCommand::Science)->setChecked(layout_.shown(WidePanel::Science));
    menus_->item(MenuCommand::Statistics)->setChecked(layout_.shown(WidePanel::Statistics));
}

void TCalculator::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized()) CalcMinimize();
}

void TCalculator::CalcMinimize() {
    if (!settings_.MinimizeToTray || !tray_->ready())
        return; // minimising behaves as usual
    // Hidden after the state change has been handled, so the task-bar button goes with it.
    QTimer::singleShot(0, this, &TCalculator::hideToTray);
}

// The tape belongs to the window: it goes to the tray with it, and comes back with it.
void TCalculator::hideToTray() {
    if (!isVisible()) return; // a second state change on the way there must not forget the tape
    tape_->hideWithCalculator();
    hide();
}

void TCalculator::restoreFromTray() {
    // The tape first, so that the window shown after it has the keyboard.
    tape_->showWithCalculator();
    showNormal();
    raise();
    activateWindow();
}

void TCalculator::RxTrayIcon1Click() {
    if (settings_.MinimizeToTray) restoreFromTray();
}

void TCalculator::MaxMinClick() {
    layout_.toggleFullSize();
    if (layout_.fullSize())
        setWindowHeight(calc_.state().MemoryUsed ? kHeightWithMemory : kHeightWithoutMemory);
    else
        setWindowHeight(kHeightReduced);
    showSizeButton();
    menus_->showFullSize(layout_.fullSize());
    SetLang(settings_.Language);
}

void TCalculator::showSizeButton() {
    const bool full = layout_.fullSize();
    pnSize->setFrameShadow(full ? QFrame::Raised : QFrame::Sunken);
    pnSize->setPicture([full](QPainter& p, const QRectF& r) { drawSizeArrow(p, r, full); });
}

QSize TCalculator::outerSize() const {
    return {width() + kFrameWidth, height() - menuBar()->sizeHint().height() + kFrameHeight};
}

void TCalculator::setOuterSize(int outerWidth, int outerHeight) {
    setFixedSize(outerWidth - kFrameWidth, menuBar()->sizeHint().height() + outerHeight - kFrameHeight);
    keepInsideScreen();
}

void TCalculator::keepInsideScreen() {
    const QScreen* where = screen();
    if (!isVisible() || !where) return; // a hidden window is placed by the window manager
    const QRect area = where->availableGeometry();
    const QRect frame = frameGeometry();
    // Right and bottom first, so that a window larger than the area keeps its top-left corner
    // (menu bar and the left panel) on the screen.
    int left = std::min(frame.left(), area.right() - frame.width() + 1);
    int top = std::min(frame.top(), area.bottom() - frame.height() + 1);
    left = std::max(left, std::min(frame.left(), area.left()));
    top = std::max(top, std::min(frame.top(), area.top()));
    if (left != frame.left() || top != frame.top()) move(left, top);
}

void TCalculator::setWindowHeight(int outerHeight) {
    setOuterSize(outerSize().width(), outerHeight);
}

// The panels below the keypad are shown by the height the window is set to.
void TCalculator::hideCutPanels() {
    const int height = outerSize().height();
    pnSimple->setVisible(height >= kHeightWithoutMemory);
    const bool memoryRow = height >= kHeightWithMemory;
    pnMHist->setVisible(memoryRow);
    pnMemory->setVisible(memoryRow && pnMemory->geometry().right() < width());
}

void TCalculator::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    hideCutPanels();
}

void TCalculator::memIndOpen() {
    if (layout_.fullSize()) setWindowHeight(kHeightWithMemory);
}

void TCalculator::memIndClose() {
    if (layout_.fullSize()) setWindowHeight(kHeightWithoutMemory);
}

} // namespace orv
