// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "accessible_panels.h"

#include "button_panel.h"

#include <QAccessibleWidget>

namespace orv {
namespace {

const char* const kHiddenProperty = "orvHiddenFromScreenReaders";

bool hiddenFromScreenReaders(const QWidget* w) {
    return w->property(kHiddenProperty).toBool();
}

QString shownText(const TextPanel* panel) {
    if (!panel->accessibleName().isEmpty()) return panel->accessibleName();
    return panel->text().simplified();
}

class ButtonPanelAccessible : public QAccessibleWidget {
  public:
    explicit ButtonPanelAccessible(TButtonPanel* panel) : QAccessibleWidget(panel, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: return shownText(panel());
        case QAccessible::Description:
            return panel()->accessibleDescription().isEmpty() ? panel()->toolTip().simplified()
                                                              : panel()->accessibleDescription();
        default: return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.pressed = panel()->isLowered();
        return s;
    }

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& action) override {
        if (action == pressAction()) panel()->press();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        return action == pressAction() ? QStringList{QStringLiteral("Space")} : QStringList{};
    }

  private:
    TButtonPanel* panel() const { return static_cast<TButtonPanel*>(widget()); }
};

class TextPanelAccessible : public QAccessibleWidget {
  public:
    explicit TextPanelAccessible(TextPanel* panel) : QAccessibleWidget(panel, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return shownText(static_cast<TextPanel*>(widget()));
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        if (hiddenFromScreenReaders(widget())) s.invisible = true;
        return s;
    }

    // The children are the panel's child widgets less those hidden from screen readers.
    int childCount() const override { return int(children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> kids = children();
        return index >= 0 && index < kids.size() ? QAccessible::queryAccessibleInterface(kids[index])
                                                 : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QList<QWidget*> kids = children();
        for (qsizetype i = 0; child && i < kids.size(); ++i)
            if (kids[i] == child->object()) return int(i);
        return -1;
    }

  private:
    QList<QWidget*> children() const {
        QList<QWidget*> kids;
        for (QObject* object : widget()->children()) {
            auto* w = qobject_cast<QWidget*>(object);
            if (w && !w->isWindow() && !hiddenFromScreenReaders(w)) kids << w;
        }
        return kids;
    }
};

QAccessibleInterface* panelInterface(const QString&, QObject* object) {
    if (auto* button = qobject_cast<TButtonPanel*>(object)) return new ButtonPanelAccessible(button);
    if (auto* panel = qobject_cast<TextPanel*>(object)) return new TextPanelAccessible(panel);
    return nullptr;
}

} // namespace

void hideFromScreenReaders(QWidget* panelChild) {
    panelChild->setProperty(kHiddenProperty, true);
}

void installPanelAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(panelInterface);
        return true;
    }();
    (void)installed;
}

} // namespace orv
