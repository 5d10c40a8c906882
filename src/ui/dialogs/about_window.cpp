// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "about_window.h"

#include "calculator_window.h"
#include "colour.h"
#include "focus_link.h"
#include "help_viewer.h"
#include "program_picture.h"
#include "text_panel.h"

#include <QAccessibleWidget>
#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleOptionFocusRect>

namespace orv {
namespace {

constexpr int kLinkColour = kColourNavy;
constexpr int kLinkHotColour = kKeyRed; // under the mouse
constexpr int kLinkMargin = 2;          // room for the focus frame around the address

// The window's texts in one language. The addresses and "OK" are the same in both.
struct AboutTexts {
    const char* caption;
    const char* credits[9];
    const char* creditsName; // what a screen reader calls the scrolling panel
    const char* pictureName;
    const char* urlDescription;
    const char* mailDescription;
};

// The last credit line is the web address, filled in from the identity.
const AboutTexts kEnglish{"About",
                          {"ORVANTIS", "version 3.9", "Written by the Orvantis team",
                           "Copyright (C) 2026 the team", "Free software: GPL 3 or later", "",
                           "For other mathematical", "programs, please, refer to:", "http://%1"},
                          "Credits",
                          "Orvantis logo",
                          "Opens the home page in the web browser",
                          "Starts a new e-mail to the makers"};

const AboutTexts kRussian{"О программе",
                          {"ORVANTIS", "версия 3.9", "Создана командой Orvantis", "© 2026 команда Orvantis",
                           "Лицензия GPL 3 или новее", "", "Другие математические",
                           "программы ищите на сайте:", "http://%1"},
                          "Сведения о программе",
                          "Логотип Orvantis",
                          "Открывает домашнюю страницу в браузере",
                          "Открывает новое письмо авторам"};

const AboutTexts* aboutTexts(int language) {
    if (language == 0) return &kEnglish;
    if (language == 1) return &kRussian;
    return nullptr;
}

// A screen reader sees each address as a link it can press, not as plain text.
class LinkLabelAccessible : public QAccessibleWidget {
  public:
    explicit LinkLabelAccessible(LinkLabel* link) : QAccessibleWidget(link, QAccessible::Link) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return link()->text();
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction())
            emit link()->clicked();
        else
            QAccessibleWidget::doAction(action);
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QStringLiteral("Enter"), QStringLiteral("Space")}
                                       : QStringList{};
    }

  private:
    LinkLabel* link() const { return static_cast<LinkLabel*>(widget()); }
};

QAccessibleInterface* linkInterface(const QString&, QObject* object) {
    if (auto* link = qobject_cast<LinkLabel*>(object)) return new LinkLabelAccessible(link);
    return nullptr;
}

void installLinkAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(linkInterface);
        return true;
    }();
    (void)installed;
}

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

CreditsScroller::CreditsScroller(const QStringList& lines, QWidget* parent) : QWidget(parent) {
    setFont(creditsFont());
    setAutoFillBackground(true);
    timer_.setInterval(kStepMs);
    connect(&timer_, &QTimer::timeout, this, &CreditsScroller::step);
    setLines(lines);
}

void CreditsScroller::setLines(const QStringList& lines) {
    while (labels_.size() > lines.size())
        delete labels_.takeLast();
    while (labels_.size() < lines.size()) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("lbCredit%1").arg(labels_.size() + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        labels_.append(label);
    }
    for (int i = 0; i < lines.size(); ++i)
        labels_[i]->setText(lines[i]); // also drops a selection
    placeLines();
}

void CreditsScroller::start() {
    offset_ = 0;
    for (QLabel* label : labels_)
        label->setSelection(0, 0); // a selection from the last showing no longer holds the text
    placeLines();
    timer_.start();
}

void CreditsScroller::stop() { timer_.stop(); }

void CreditsScroller::setColours(const QColor& background, const QColor& text) {
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    setPalette(p);
}

int CreditsScroller::textHeight() const { return int(labels_.size()) * fontMetrics().lineSpacing(); }

void CreditsScroller::step() {
    // Text being selected or copied stays where it is.
    for (const QLabel* label : labels_)
        if (label->hasSelectedText()) return;
    ++offset_;
    if (offset_ > height() + textHeight()) offset_ = 0; // the whole text has passed: loop
    placeLines();
}

void CreditsScroller::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeLines();
}

void CreditsScroller::placeLines() {
    const int lineHeight = fontMetrics().lineSpacing();
    int top = height() - offset_;
    for (QLabel* label : labels_) {
        label->setGeometry(0, top, width(), lineHeight);
        top += lineHeight;
    }
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    installLinkAccessibility();
    QFont f = font();
    f.setPixelSize(13);
    f.setBold(true);
    f.setUnderline(true);
    setFont(f);
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(kLinkMargin, kLinkMargin, kLinkMargin, kLinkMargin);
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

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (event->modifiers() & ~Qt::KeypadModifier) break;
        event->accept();
        emit clicked();
        return;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter p(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(QPalette::Window);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &p, this);
}

QStringList TAbout::creditLines(int language) {
    const AboutTexts* texts = aboutTexts(language);
    if (!texts) texts = &kEnglish;
    QStringList lines;
    for (const char* line : texts->credits)
        lines << QString::fromUtf8(line);
    lines.last() = lines.last().arg(QLatin1String(kMakerWebHost));
    return lines;
}

TAbout::TAbout(const TCalculator& calculator, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      calculator_(calculator) {
    setObjectName(QStringLiteral("TAbout"));
    keepOneFocusLink(*this);
    setWindowTitle(QString::fromUtf8(kEnglish.caption));
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
    RxlbURL->move(24 - kLinkMargin, 128 - kLinkMargin); // the address itself at 24, 128
    RxlbURL->adjustSize();
    connect(RxlbURL, &LinkLabel::clicked, this, &TAbout::RxlbURLClick);
    RxlbMail = new LinkLabel(QString::fromLatin1(kMakerMail), this);
    RxlbMail->setObjectName(QStringLiteral("RxlbMail"));
    RxlbMail->move(60 - kLinkMargin, 150 - kLinkMargin);
    RxlbMail->adjustSize();
    connect(RxlbMail, &LinkLabel::clicked, this, &TAbout::RxlbMailClick);

    bb1 = new QPushButton(QStringLiteral("OK"), this);
    bb1->setObjectName(QStringLiteral("bb1"));
    bb1->setGeometry(260, 134, 67, 25);
    bb1->setAutoDefault(false);
    connect(bb1, &QPushButton::clicked, this, &TAbout::bb1Click);
    bb1->setFocus(); // Enter closes at once; Tab reaches the links
    SetLang(0);      // designed in English
    SetLang(calculator_.settings().Language);
}

void TAbout::SetLang(int language) {
    const AboutTexts* texts = aboutTexts(language);
    if (!texts) return;
    setWindowTitle(QString::fromUtf8(texts->caption));
    spAbout->setLines(creditLines(language));
    spAbout->setAccessibleName(QString::fromUtf8(texts->creditsName));
    if (auto* image = findChild<QLabel*>(QStringLiteral("Image1")))
        image->setAccessibleName(QString::fromUtf8(texts->pictureName));
    RxlbURL->setAccessibleDescription(QString::fromUtf8(texts->urlDescription));
    RxlbMail->setAccessibleDescription(QString::fromUtf8(texts->mailDescription));
}

void TAbout::showEvent(QShowEvent* event) {
    // The window is modal, so nobody can change the language while it is open: taking the
    // applied one here keeps it in step with the other windows.
    SetLang(calculator_.settings().Language);
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
