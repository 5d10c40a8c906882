// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The hint balloon's look and timing, shared by every window.
#include "tooltip_controller.h"
#include "window_fixture.h"

#include <QHelpEvent>
#include <QImage>
#include <QToolTip>

namespace orv::testing {
namespace {

class TooltipTest : public WindowTest {
  protected:
    TooltipController& tips() { return window->tooltips(); }
    QPoint centreOf(QWidget* w) { return w->mapToGlobal(w->rect().center()); }
};

TEST_F(TooltipTest, TheBalloonIsPaleYellowInAnAzureFrameWithBlack8PointText) {
    THintBalloon balloon;
    balloon.setHintText(QStringLiteral("  Sine"));
    EXPECT_EQ(balloon.font().pointSize(), 8);
    QImage image(balloon.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    balloon.render(&image);
    const int midY = image.height() / 2;
    EXPECT_EQ(QColor(image.pixel(image.width() - 3, midY)), QColor(255, 255, 51)); // 0x33FFFF
    EXPECT_EQ(QColor(image.pixel(image.width() / 2, 0)), QColor(0, 128, 255));     // 0xFF8000
    bool black = false;
    for (int x = 0; x < image.width() / 2 && !black; ++x)
        for (int y = 0; y < image.height() && !black; ++y)
            black = QColor(image.pixel(x, y)) == QColor(Qt::black) && x > 4;
    EXPECT_TRUE(black) << "no text drawn";
}

TEST_F(TooltipTest, AppearsAfterRestingRemovedLaterAndTheNextComesQuickly) {
    TButtonPanel* first = window->keypadButton(KeypadKey::C);
    TButtonPanel* second = window->keypadButton(KeypadKey::CE);
    tips().pointerMoved(centreOf(first));
    EXPECT_EQ(tips().pendingFor(), first);
    EXPECT_EQ(tips().pendingDelay(), 1500);
    QTest::qWait(1400);
    EXPECT_FALSE(tips().balloon().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(tips().balloon().isVisible(), 400);
    EXPECT_EQ(tips().balloon().hintText(), first->toolTip());
    EXPECT_EQ(tips().shownFor(), first);

    // Moving within the same control keeps the balloon; moving on brings the next at once.
    tips().pointerMoved(centreOf(first) + QPoint(2, 1));
    EXPECT_TRUE(tips().balloon().isVisible());
    tips().pointerMoved(centreOf(second));
    EXPECT_FALSE(tips().balloon().isVisible());
    EXPECT_EQ(tips().pendingDelay(), 25);
    QTRY_VERIFY_WITH_TIMEOUT(tips().balloon().isVisible(), 200);
    EXPECT_EQ(tips().balloon().hintText(), second->toolTip());

    QTest::qWait(2300);
    EXPECT_TRUE(tips().balloon().isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!tips().balloon().isVisible(), 500);
}

TEST_F(TooltipTest, AControlWithoutAHintShowsNothing) {
    // The strip of the window below the keypad.
    tips().pointerMoved(window->centralWidget()->mapToGlobal(QPoint(120, 180)));
    EXPECT_EQ(tips().pendingFor(), nullptr);
    EXPECT_EQ(tips().pendingDelay(), -1);
}

TEST_F(TooltipTest, TheToolkitsOwnTooltipIsSuppressed) {
    TButtonPanel* key = window->keypadButton(KeypadKey::C);
    QHelpEvent help(QEvent::ToolTip, key->rect().center(), centreOf(key));
    QApplication::sendEvent(key, &help);
    EXPECT_FALSE(QToolTip::isVisible());
}

} // namespace
} // namespace orv::testing
