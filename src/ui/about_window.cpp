// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "about_window.h"

#include "calculator_window.h"
#include "colour.h"
#include "help_viewer.h"
#include "program_picture.h"
#include "text_panel.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace orv {
namespace {

constexpr int kLinkColour = 0x800000;  // navy
constexpr int kLinkHotColour = 0x0000FF; // red under the mouse

QFont creditsFont() {
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    f.setBold(true);
    return f;
}

QFrame* bevel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

CreditsScroller::CreditsScroller(QStringList lines, QWidget* parent) : QWidget(parent), lines_(std::move(lines)) {
    setFont(creditsFont());
    setAutoFillBackground(true);
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, &CreditsScroller::step);
}

void CreditsScroller::start() {
    offset_ = 0;
    timer_.start();
}

void CreditsScroller::stop() { timer_.stop(); }

void CreditsScroller::setColours(const QColor& background, const QColor& text) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

int CreditsScroller::textHeight() const { return int(lines_.size()) * fontMetrics().lineSpacing(); }

void CreditsScroller::step() {
    ++offset_;
    if (offset_ > height() + textHeight()) offset_ = 0; // the whole text has passed: loop
    update();
}

void CreditsScroller::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().lineSpacing();
    int top = height() - offset_;
    for (const QString& line : lines_) {
        p.drawText(QRect(0, top, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter, line);
        top += lineHeight;
    }
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    QFont f = font();
    f.setPixelSize(13);
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    setHighlighted(false);
}

void LinkLabel::setHighlighted(bool on) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colorFromColorRef(on ? kLinkHotColour : kLinkColour));
    setPalette(p);
    if (on)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void LinkLabel::leaveEvent(QEvent* event) {
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (rect().contains(event->position().toPoint())) emit clicked();
}

QStringList TAbout::creditLines() {
    return {QStringLiteral("ORVANTIS"),
            QStringLiteral("version 3.9"),
            QStringLiteral("Written by the Orvantis team"),
            QStringLiteral("Copyright (C) 2026 the team"),
            QStringLiteral("Free software: GPL 3 or later"),
            QString(),
            QStringLiteral("For other mathematical"),
            QStringLiteral("programs, please, refer to:"),
            QStringLiteral("http://%1").arg(QLatin1String(kMakerWebHost))};
}

TAbout::TAbout(const TCalculator& calculator, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      calculator_(calculator) {
    setObjectName(QStringLiteral("TAbout"));
    setWindowTitle(QStringLiteral("About")); // the same in both languages
    setFixedSize(kWidth, kHeight);

    bevel(this, "Bevel2", {0, 0, 253, 113});
    bevel(this, "Bevel3", {0, 118, 253, 55});
    spAbout = new CreditsScroller(creditLines(), this);
    spAbout->setObjectName(QStringLiteral("spAbout"));
    spAbout->setGeometry(4, 4, 245, 105);

    auto* image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setGeometry(260, 30, 67, 60);
    image->setPixmap(programPicture(QSize(60, 60)));
    image->setAlignment(Qt::AlignCenter);

    RxlbURL = new LinkLabel(QString::fromLatin1(kMakerWebHost), this);
    RxlbURL->setObjectName(QStringLiteral("RxlbURL"));
    RxlbURL->move(24, 128);
    RxlbURL->adjustSize();
    connect(RxlbURL, &LinkLabel::clicked, this, &TAbout::RxlbURLClick);
    RxlbMail = new LinkLabel(QString::fromLatin1(kMakerMail), this);
    RxlbMail->setObjectName(QStringLiteral("RxlbMail"));
    RxlbMail->move(60, 150);
    RxlbMail->adjustSize();
    connect(RxlbMail, &LinkLabel::clicked, this, &TAbout::RxlbMailClick);

    bb1 = new QPushButton(QStringLiteral("OK"), this);
    bb1->setObjectName(QStringLiteral("bb1"));
    bb1->setGeometry(260, 134, 67, 25);
    bb1->setAutoDefault(false);
    connect(bb1, &QPushButton::clicked, this, &TAbout::bb1Click);
}

void TAbout::showEvent(QShowEvent* event) {
    // The credits look like the display as it is now.
    if (const auto* digits = calculator_.findChild<TextPanel*>(QStringLiteral("pnOut3")))
        spAbout->setColours(digits->background(), digits->textColour());
    spAbout->start();
    QDialog::showEvent(event);
}

void TAbout::hideEvent(QHideEvent* event) {
    spAbout->stop(); // closed from the title bar as well
    QDialog::hideEvent(event);
}

void TAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        bb1Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TAbout::bb1Click() {
    spAbout->stop();
    accept();
}

void TAbout::RxlbURLClick() { openHomePage(); }

void TAbout::RxlbMailClick() { openMail(); }

} // namespace orv
