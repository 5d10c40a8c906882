// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion_panel.h"

#include "button_panel.h"
#include "calculator_conversion.h"
#include "colour.h"
#include "currency.h"
#include "currency_rates.h"
#include "key_pictures.h"
#include "keypad_table.h"
#include "qt_text.h"
#include "rates_texts.h"
#include "unit_catalogue.h"

#include <QAbstractItemView>
#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QStylePainter>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace orv {
namespace {

constexpr int kListLeft = 4, kUpperListTop = 53, kLowerListTop = 140;
constexpr int kButtonTop = 85, kButtonWidth = 45, kButtonHeight = 40;
// The currency group's rates line, two lines between the group list and the upper unit list in
// place of the bevel, and its update button beside the direction buttons.
constexpr int kRatesLineTop = 28, kRatesLineHeight = 24;
constexpr QRect kUpdateButton{136, 93, 24, 24};
constexpr int kOrange = 0x4080FF; // COLORREF, as the settings keep colours

// A drop-down under the control with a scroll bar, not a menu over the whole screen that ignores
// the visible-item limit. A proxy style, not a style sheet: style sheets cost milliseconds at
// start-up.
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ComboBox_Popup) return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

void styleList(QComboBox* list) {
    QFont f = list->font();
    f.setBold(true);
    list->setFont(f);
    auto* style = new DropDownListStyle;
    style->setParent(list);
    list->setStyle(style);
    list->setMaxVisibleItems(20);
}

// The text as it fits in `room` when wrapped, shortened with an ellipsis when it does not.
QString fittedText(const QString& text, const QFont& font, const QSize& room) {
    const QFontMetrics metrics(font);
    const auto fits = [&](const QString& candidate) {
        return metrics.boundingRect(QRect(0, 0, room.width(), 10000), Qt::TextWordWrap, candidate).height() <=
               room.height();
    };
    if (fits(text)) return text;
    for (qsizetype length = text.size() - 1; length > 0; --length) {
        const QString shortened = text.left(length).trimmed() + QStringLiteral("…");
        if (fits(shortened)) return shortened;
    }
    return {};
}

} // namespace

TUnitList::TUnitList(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::currentIndexChanged, this, &TUnitList::updateHint);
    connect(model(), &QAbstractItemModel::dataChanged, this, &TUnitList::updateHint); // renamed
}

int TUnitList::textRoom() const {
    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    return field.width() - 2; // the label keeps a pixel from each side
}

QFont TUnitList::shownFont() const {
    // A name a little too long is condensed rather than cut ("Исходная величина"), as the key
    // captions are; a much longer one keeps the list's face and loses letters.
    const int room = textRoom();
    const QString name = currentText();
    QFont condensed = font();
    for (int stretch = 100; stretch >= 85; stretch -= 5) {
        condensed.setStretch(stretch);
        if (QFontMetrics(condensed).horizontalAdvance(name) <= room) return condensed;
    }
    return font();
}

QString TUnitList::shownText() const {
    const int room = textRoom();
    const QFontMetrics metrics(shownFont());
    const QString name = currentText();
    const QString shortened = metrics.elidedText(name, Qt::ElideRight, room);
    if (shortened == name) return name;
    // Names that differ only at the end ("Barrel ... - British", "- USA") would look alike cut
    // at the right: those keep their ends and lose their middles.
    for (int i = 0; i < count(); ++i)
        if (i != currentIndex() && metrics.elidedText(itemText(i), Qt::ElideRight, room) == shortened)
            return metrics.elidedText(name, Qt::ElideMiddle, room);
    return shortened;
}

void TUnitList::updateHint() {
    const QString name = currentText();
    setToolTip(shownText() == name ? QString() : name);
}

void TUnitList::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = shownText();
    painter.setFont(shownFont());
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void TUnitList::resizeEvent(QResizeEvent* event) {
    QComboBox::resizeEvent(event);
    updateHint();
}

bool TUnitList::isListOpen() const {
    return view() && view()->isVisible();
}

void TUnitList::showPopup() {
    emit dropDown(); // cb1DropDown / cb2DropDown: widen before the list takes the width
    // A list longer than it shows says so with a scroll bar (the toolkit hides it here).
    view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QComboBox::showPopup();
    // Every name whole in the open list: wider than the control when a name needs it, kept on
    // the screen.
    QWidget* popup = view()->window();
    const QFontMetrics metrics(view()->font());
    int longest = 0;
    for (int i = 0; i < count(); ++i) longest = std::max(longest, metrics.horizontalAdvance(itemText(i)));
    const int needed = longest + popup->width() - view()->viewport()->width() + 12; // frame, scroll bar, item margins
    if (popup->width() >= needed) return;
    QRect area = popup->geometry();
    area.setWidth(needed);
    if (const QScreen* screen = popup->screen()) {
        const QRect free = screen->availableGeometry();
        if (area.right() > free.right()) area.moveRight(free.right());
        if (area.left() < free.left()) area.moveLeft(free.left());
    }
    popup->setGeometry(area);
}

void TUnitList::keyPressEvent(QKeyEvent* event) {
    // The window has already acted on a keypad key; here it would also pick the unit whose name
    // begins with the letter typed (S for the sign, R for 1/x).
    const QString text = event->text();
    if (keyForKeyDown(event->key(), event->modifiers()) ||
        (text.size() == 1 && keyForCharacter(text.front()))) {
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

TConversionPanel::TConversionPanel(Calculator& calculator, QWidget* listParent)
    : QFrame(listParent), calc_(calculator) {
    setObjectName(QStringLiteral("pnConvert"));
    setGeometry(0, 2, kWidth, kHeight);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    cbVibor = new TUnitList(this);
    cbVibor->setObjectName(QStringLiteral("cbVibor"));
    cbVibor->setGeometry(kListLeft - 1, 4, kListWidth, 22);
    styleList(cbVibor);
    // The designed texts; the language replaces them.
    for (int group = 0; group < kGroupCount; ++group)
        cbVibor->addItem(fromUtf8(groupName(group, Language::Russian)));
    cbVibor->addItem(fromUtf8(currencyGroupName(Language::Russian)));
    connect(cbVibor, &QComboBox::activated, this, [this] { cbViborClick(); });

    auto* line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setGeometry(2, 36, kWidth - 4, 2);
    line->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    const auto makeButton = [this](const char* name, int left, bool up) {
        auto* button = new TButtonPanel(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setGeometry(left, kButtonTop, kButtonWidth, kButtonHeight);
        button->setFrameStyle(QFrame::NoFrame); // a flat button: only the arrow shows
        button->setPicture(arrowPicture(up));
        return button;
    };
    RxSpeedButton7 = makeButton("RxSpeedButton7", 22, true);
    RxSpeedButton8 = makeButton("RxSpeedButton8", 88, false);
    connect(RxSpeedButton7, &TButtonPanel::clicked, this, &TConversionPanel::RxSpeedButton7Click);
    connect(RxSpeedButton8, &TButtonPanel::clicked, this, &TConversionPanel::RxSpeedButton8Click);

    const auto makeList = [listParent](const char* name, int top) {
        auto* list = new TUnitList(listParent);
        list->setObjectName(QString::fromLatin1(name));
        list->setGeometry(kListLeft, top, kListWidth, 22);
        styleList(list);
        return list;
    };
    cb1 = makeList("cb1", kUpperListTop);
    cb2 = makeList("cb2", kLowerListTop);
    for (TUnitList* list : {cb1, cb2}) {
        connect(list, &TUnitList::dropDown, list, [list] {
            list->resize(kOpenListWidth, list->height());
            list->raise(); // over the keypad while open
        });
        // Where a list's accessible name is its current unit, an unseen label says which list
        // it is; the language gives it its text.
        auto* label = new QLabel(listParent);
        label->setObjectName(list->objectName() + QStringLiteral("Label"));
        label->setBuddy(list);
        label->hide();
    }
    for (TUnitList* list : {cbVibor, cb1, cb2})
        connect(list, &TUnitList::dropDown, this, [this, list] { lastOpened_ = list; });
    // Tab in reading order, top to bottom: the lists live in the window, not in this panel.
    QWidget::setTabOrder(cbVibor, cb1);
    QWidget::setTabOrder(cb1, RxSpeedButton7);
    QWidget::setTabOrder(RxSpeedButton7, RxSpeedButton8);
    QWidget::setTabOrder(RxSpeedButton8, cb2);

    rates_ = new CurrencyRates(this);
    lbRates = new QLabel(this);
    lbRates->setObjectName(QStringLiteral("lbRates"));
    lbRates->setGeometry(kListLeft, kRatesLineTop, kListWidth, kRatesLineHeight);
    QFont small = lbRates->font();
    small.setPointSizeF(7);
    lbRates->setFont(small);
    lbRates->setWordWrap(true);
    lbRates->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    bpUpdateRates = new QToolButton(this);
    bpUpdateRates->setObjectName(QStringLiteral("bpUpdateRates"));
    bpUpdateRates->setGeometry(kUpdateButton);
    bpUpdateRates->setAutoRaise(true);
    bpUpdateRates->setText(QStringLiteral("\u27F3")); // a circular arrow: fetch again
    QFont large = bpUpdateRates->font();
    large.setPointSize(14);
    bpUpdateRates->setFont(large);
    miUpdateRates = new QAction(this);
    miUpdateRates->setObjectName(QStringLiteral("miUpdateRates"));
    miUpdateRates->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_U));
    miUpdateRates->setShortcutContext(Qt::WindowShortcut);
    addAction(miUpdateRates); // live while the panel is shown
    connect(miUpdateRates, &QAction::triggered, this, &TConversionPanel::updateRates);
    connect(bpUpdateRates, &QToolButton::clicked, this, &TConversionPanel::updateRates);
    connect(rates_, &CurrencyRates::changed, this, [this] {
        if (convertGroup_ == kCurrencyGroup) fillCurrencies(false);
        showRatesState();
    });
    connect(rates_, &CurrencyRates::updated, this, [this](const RatesFailure& failure) {
        const bool manual = std::exchange(manualUpdate_, false);
        if (manual && failure.problem != RatesProblem::None)
            calc_.ShowErrorHint(updateFailedText(failure, messagesLanguage()).toStdString());
        else if (!rates_->keepFailure().isEmpty())
            calc_.ShowErrorHint(notKeptText(rates_->keepFailure(), messagesLanguage()).toStdString());
    });
    lbRates->hide();
    bpUpdateRates->hide();
    setShown(false);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(100);
    connect(Timer1, &QTimer::timeout, this, &TConversionPanel::Timer1Timer);
    for (TUnitList* list : {cbVibor, cb1, cb2})
        connect(list, &TUnitList::dropDown, this, &TConversionPanel::startHousekeeping);
}

void TConversionPanel::startHousekeeping() {
    if (!Timer1->isActive()) Timer1->start();
}

void TConversionPanel::Timer1Timer() {
    narrowClosedLists();
    if (anyListOpen()) {
        ComboFocusPending = true;
        return;
    }
    Timer1->stop(); // until a list opens again
    if (ComboFocusPending) {
        ComboFocusPending = false;
        // After a choice the user goes on from the list just closed (the window sees every key
        // first, so the keypad keys still work).
        if (refocusClosedList()) return;
        // Elsewhere no list takes a typed letter for the first letter of a unit.
        if (keyboardHome) keyboardHome();
    }
}

Language TConversionPanel::messagesLanguage() const {
    return unitLanguage_;
}

void TConversionPanel::setRateSettings(int source, bool automatic) {
    rates_->setSource(source == 1 ? RateSource::BankOfRussia : RateSource::EuropeanCentralBank);
    rates_->setAutomatic(automatic);
    if (shown_ && convertGroup_ == kCurrencyGroup) rates_->updateIfDue();
}

void TConversionPanel::updateRates() {
    manualUpdate_ = true;
    if (convertGroup_ != kCurrencyGroup && shown_) {
        // The command leads to what it updates.
        cbVibor->setCurrentIndex(kCurrencyGroup);
        cbViborClick();
    }
    rates_->update();
}

void TConversionPanel::currencyGroupShown() {
    rates_->loadKept();
    if (shown_) rates_->updateIfDue();
}

void TConversionPanel::fillCurrencies(bool fresh) {
    const RateTable* table = rates_->table();
    const auto codeAt = [](const QComboBox* list) { return list->currentData().toString(); };
    const QString upper = fresh ? QStringLiteral("USD") : codeAt(cb1);
    const QString lower = fresh ? QString() : codeAt(cb2);
    const QSignalBlocker block1(cb1), block2(cb2);
    cb1->clear();
    cb2->clear();
    if (!table) return;
    for (const CurrencyRate& rate : table->rates) {
        const QString name = fromUtf8(currencyUnitName(rate.code, unitLanguage_));
        const QString code = QString::fromStdString(rate.code);
        cb1->addItem(name, code);
        cb2->addItem(name, code);
    }
    const auto select = [](QComboBox* list, const QString& code, int fallback) {
        const int found = code.isEmpty() ? -1 : list->findData(code);
        list->setCurrentIndex(found >= 0 ? found : std::min(fallback, list->count() - 1));
    };
    // The base currency below, another above: a conversion right away says something.
    select(cb1, upper, 1);
    select(cb2, lower, 0);
}

void TConversionPanel::showRatesState() {
    const bool currency = convertGroup_ == kCurrencyGroup;
    lbRates->setVisible(currency);
    bpUpdateRates->setVisible(currency);
    if (auto* bevel = findChild<QFrame*>(QStringLiteral("Bevel1"))) bevel->setVisible(!currency);
    if (!currency) return;
    const Language language = unitLanguage_;
    bpUpdateRates->setToolTip(updateRatesCaption(language));
    bpUpdateRates->setAccessibleName(updateRatesCaption(language));
    miUpdateRates->setText(updateRatesCaption(language));
    const RateTable* table = rates_->table();
    QString text;
    if (rates_->fetching()) text = updatingLine(language);
    else if (table) text = ratesLine(*table, language);
    else text = noRatesLine(rates_->failure(), language);
    QString hint = text;
    if (table && rates_->failure().problem != RatesProblem::None && !rates_->fetching())
        hint += QLatin1Char('\n') + updateFailedText(rates_->failure(), language);
    // Orange: a week or more without new rates is worth a second look.
    QPalette palette = this->palette();
    if (table && rates_->ratesOld() && !rates_->fetching())
        palette.setColor(QPalette::WindowText, colorFromColorRef(kOrange));
    lbRates->setPalette(palette);
    lbRates->setText(fittedText(text, lbRates->font(), lbRates->size()));
    lbRates->setToolTip(hint);
    lbRates->setAccessibleName(hint);
}


QList<QWidget*> TConversionPanel::tabStops() const {
    return {cbVibor, cb1, RxSpeedButton7, RxSpeedButton8, bpUpdateRates, cb2};
}

void TConversionPanel::setShown(bool shown) {
    shown_ = shown;
    setVisible(shown);
    cb1->setVisible(shown);
    cb2->setVisible(shown);
    if (shown) {
        cb1->raise();
        cb2->raise();
        if (convertGroup_ == kCurrencyGroup) currencyGroupShown();
    }
}

void TConversionPanel::cbViborClick() {
    cb1->clear();
    cb2->clear();
    const int group = cbVibor->currentIndex();
    convertGroup_ = group;
    if (group == kCurrencyGroup) {
        currencyGroupShown();
        fillCurrencies(true);
        showRatesState();
        return;
    }
    showRatesState();
    QStringList names;
    for (std::string_view name : unitNames(group, unitLanguage_))
        names << fromUtf8(name);
    cb1->addItems(names);
    cb2->addItems(names);
    cb1->setCurrentIndex(names.isEmpty() ? -1 : 0);
    cb2->setCurrentIndex(names.isEmpty() ? -1 : 0);
    convertGroup_ = group;
}

void TConversionPanel::selectGroup(int group) {
    cbVibor->setCurrentIndex(group >= 0 && group < cbVibor->count() ? group : -1);
    convertGroup_ = cbVibor->currentIndex();
}

void TConversionPanel::convert(const QComboBox* from, const QComboBox* to) {
    if (convertGroup_ == kCurrencyGroup) {
        convertCurrentCurrency(calc_, rates_->table(), from->currentIndex(), to->currentIndex(),
                               noRatesHint(messagesLanguage()).toStdString());
        return;
    }
    convertCurrentValue(calc_, convertGroup_, from->currentIndex(), to->currentIndex());
}

void TConversionPanel::RxSpeedButton8Click() { convert(cb1, cb2); }
void TConversionPanel::RxSpeedButton7Click() { convert(cb2, cb1); }

bool TConversionPanel::anyListOpen() const {
    return cbVibor->isListOpen() || cb1->isListOpen() || cb2->isListOpen();
}

bool TConversionPanel::refocusClosedList() {
    TUnitList* list = lastOpened_;
    lastOpened_ = nullptr;
    if (!list || list->isListOpen() || !list->isVisible() || !list->isEnabled()) return false;
    // Marked as a keyboard focus is: the user goes on from this list with the keyboard.
    list->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    list->setFocus(Qt::OtherFocusReason);
    list->update();
    return true;
}

void TConversionPanel::narrowClosedLists() {
    for (TUnitList* list : {cb1, cb2})
        if (!list->isListOpen() && list->width() != kListWidth) list->resize(kListWidth, list->height());
}

} // namespace orv
