// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "conversion_panel.h"

#include "button_panel.h"
#include "calculator_conversion.h"
#include "key_pictures.h"
#include "keypad_table.h"
#include "qt_text.h"
#include "unit_catalogue.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QLabel>
#include <QProxyStyle>
#include <QScreen>
#include <QStylePainter>

#include <algorithm>

namespace orv {
namespace {

constexpr int kListLeft = 4, kUpperListTop = 53, kLowerListTop = 140;
constexpr int kButtonTop = 85, kButtonWidth = 45, kButtonHeight = 40;

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
    setShown(false);
}

QList<QWidget*> TConversionPanel::tabStops() const {
    return {cbVibor, cb1, RxSpeedButton7, RxSpeedButton8, cb2};
}

void TConversionPanel::setShown(bool shown) {
    setVisible(shown);
    cb1->setVisible(shown);
    cb2->setVisible(shown);
    if (shown) {
        cb1->raise();
        cb2->raise();
    }
}

void TConversionPanel::cbViborClick() {
    cb1->clear();
    cb2->clear();
    const int group = cbVibor->currentIndex();
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
