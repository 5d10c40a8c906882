// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "evaluator_window.h"

#include "calculator.h"
#include "colour.h"
#include "display_line.h"
#include "error_hint_window.h"
#include "evaluation_runner.h"
#include "evaluator_texts.h"
#include "expression_edit.h"
#include "focus_link.h"
#include "help_viewer.h"
#include "locale_separators.h"
#include "settings_store.h"
#include "settings_values.h"
#include "text_panel.h"
#include "variable_fields.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace orv {
namespace {

constexpr int kClientWidth = 594;
constexpr int kClientHeight = 324;
constexpr int kAngleCaptionPixels = 12;

struct AngleChoice {
    const char* radio;
    const char* action;
    AngleMeasure measure;
};
constexpr AngleChoice kAngles[] = {
    {"rbRad", "Radians1", AngleMeasure::Radians},
    {"rbDegr", "Degrees1", AngleMeasure::Degrees},
    {"rbGrad", "Grads1", AngleMeasure::Grads},
    {"rbCycle", "Cycles1", AngleMeasure::Cycles},
};

struct ToolButton {
    const char* name;
    const char* glyph;
    int left;
};
constexpr ToolButton kToolButtons[] = {
    {"sbCut", "\u2702", 4},   {"sbCopy", "\u2750", 27},   {"sbPaste", "\u25A4", 52},  {"sbDel", "\u2716", 77},
    {"sbUndo", "\u21B6", 103}, {"sbRun", "=", 134},       {"sbExample", "\u2139", 166}, {"sbHelp", "?", 194},
};

// While an evaluation runs these wait: they would change the expression or the angle measure
// that the result will be shown for, or open another window over the running evaluation.
constexpr const char* kWaitingActions[] = {"Undo1",        "Cut1",          "Paste1",        "Delete1",
                                           "Preferences2", "Insert1Action", "Angels1Action", "Context1",
                                           "HomePage1",    "About1"};
constexpr const char* kWaitingControls[] = {"sbCut",  "sbPaste", "sbDel",  "sbUndo", "sbHelp",
                                            "bpHelp", "rbRad",   "rbDegr", "rbGrad", "rbCycle"};

} // namespace

TEvaluator::TEvaluator(Calculator& calculator, SettingsStore& settings, TErrorHintWindow& hint, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      calculator_(calculator), settings_(settings), hint_(hint) {
    setObjectName(QStringLiteral("TEvaluator"));
    keepOneFocusLink(*this);
    buildControls();
    buildMenus();
    for (const char* name : kWaitingActions)
        waitingActions_.push_back(findChild<QAction*>(QString::fromLatin1(name)));
    for (const char* name : kWaitingControls)
        waitingControls_.push_back(findChild<QWidget*>(QString::fromLatin1(name)));

    runner_ = std::make_unique<EvaluationRunner>();
    connect(runner_.get(), &EvaluationRunner::finished, this, &TEvaluator::evaluationFinished);
    progressDelay_ = new QTimer(this);
    progressDelay_->setSingleShot(true);
    connect(progressDelay_, &QTimer::timeout, this, &TEvaluator::showProgress);
    // However the application ends, no evaluation runs on while it goes.
    if (QCoreApplication* app = QCoreApplication::instance())
        connect(app, &QCoreApplication::aboutToQuit, this, &TEvaluator::stopEvaluation);
    setAngleMeasure(angle_); // its radio button becomes the group's one Tab stop
    move(241, 125);
    // A missing reference setting is written as shown; either way the pane follows it silently.
    setReferenceShown(settings_.readBool(QString::fromLatin1(value::RReference), true));
    // Designed in English; it opens in the stored language as the main window does (a stored
    // value other than the two languages keeps the designed texts).
    SetLang(0);
    SetLang(settings_.readInteger(QString::fromLatin1(value::RLang), Settings{}.Language));
}

// The runner goes first: it cancels and waits, and reports to nobody.
TEvaluator::~TEvaluator() = default;

Separators TEvaluator::separators() const { return calculator_.separators(); }

void TEvaluator::buildControls() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Nothing in the window grows: a dialog of one size, which the window manager offers no
    // maximise for.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setFixedSize(kClientWidth, kClientHeight);
    layout->addWidget(client);

    auto* bevel = new QFrame(client);
    bevel->setObjectName(QStringLiteral("Bevel3"));
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(2, 0, 256, 28);
    // The captions are longer in Russian than in English: the strip gives each its own width and
    // shares out what is left as gaps, so no caption is cut or runs into the next.
    auto* strip = new QHBoxLayout(bevel);
    strip->setContentsMargins(3, 0, 3, 0);
    strip->setSpacing(4);
    angleStrip_ = strip;
    QFont radioFont = font();
    radioFont.setPixelSize(kAngleCaptionPixels);
    for (std::size_t i = 0; i < std::size(kAngles); ++i) {
        auto* radio = new QRadioButton(bevel);
        radio->setObjectName(QString::fromLatin1(kAngles[i].radio));
        radio->setFont(radioFont);
        if (i > 0) strip->addStretch(1);
        strip->addWidget(radio);
        QPalette red = radio->palette();
        red.setColor(QPalette::WindowText, colorFromColorRef(kKeyRed));
        radio->setPalette(red);
        radio->setCursor(Qt::PointingHandCursor);
        connect(radio, &QRadioButton::clicked, this, [this, i] { setAngleMeasure(kAngles[i].measure); });
        angleButtons_[i] = radio;
    }
    angleButtons_[0]->setChecked(true);

    auto* variablesBox = new QGroupBox(client);
    variablesBox->setObjectName(QStringLiteral("GroupBox1"));
    variablesBox->setGeometry(2, 30, 256, 291);
    variableFields_ = new VariableFields([this] { return separators(); }, variablesBox);
    variableFields_->setGeometry(6, 18, 246, 265);

    buildToolBar(client);

    auto* resultBox = new QGroupBox(client);
    resultBox->setObjectName(QStringLiteral("GroupBox2"));
    resultBox->setGeometry(264, 30, 328, 45);
    bpToCalc = new QToolButton(resultBox);
    bpToCalc->setObjectName(QStringLiteral("bpToCalc"));
    bpToCalc->setGeometry(8, 14, 23, 22);
    bpToCalc->setArrowType(Qt::LeftArrow);
    connect(bpToCalc, &QToolButton::clicked, this, &TEvaluator::bpToCalcClick);
    // The exponent has no room of its own: it stands raised right after the mantissa's "*10".
    pnResult = new DisplayLine(resultBox, QStringLiteral("pnEOut3"), QStringLiteral("pnEOut2"),
                               {QRect(2, 2, 277, 15), std::nullopt});
    pnResult->setObjectName(QStringLiteral("pnResult"));
    pnResult->setGeometry(36, 14, 284, 22);
    // In the Tab chain, so that the keyboard and a screen reader reach the result.
    pnResult->setFocusable();
    QFont exponentFont = pnResult->exponentPanel()->font();
    exponentFont.setPixelSize(11);
    pnResult->setDigitFonts(pnResult->mantissaPanel()->font(), exponentFont);

    gbFormula = new QGroupBox(client);
    gbFormula->setObjectName(QStringLiteral("gbFormula"));
    gbFormula->setGeometry(264, 78, 328, 100);
    Memo1 = new ExpressionEdit(gbFormula);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 17, 312, 76);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // A typed tab would silently end the expression; Tab moves on as everywhere else.
    Memo1->setTabChangesFocus(true);
    Memo1->installEventFilter(this);

    gbExample = new QGroupBox(client);
    gbExample->setObjectName(QStringLiteral("gbExample"));
    gbExample->setGeometry(264, 182, 328, 107);
    Memo2 = new QPlainTextEdit(gbExample);
    Memo2->setObjectName(QStringLiteral("Memo2"));
    Memo2->setGeometry(8, 14, 311, 87);
    Memo2->setReadOnly(true);
    // Readable with the arrow keys (and so by a screen reader's caret), left with Tab.
    Memo2->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo2->setTabChangesFocus(true);
    Memo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont referenceFont = Memo2->font();
    referenceFont.setBold(true);
    referenceFont.setPixelSize(11);
    Memo2->setFont(referenceFont);


    struct Button {
        const char* name;
        int left;
        void (TEvaluator::*action)();
    };
    const Button buttons[] = {
        {"bpEvaluate", 268, &TEvaluator::bpEvaluateClick},
        {"bpClose", 392, nullptr},
        {"bpHelp", 509, nullptr},
    };
    for (const Button& b : buttons) {
        auto* button = new QPushButton(client);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, 295, 82, 26);
        button->setAutoDefault(false);
        if (b.action) connect(button, &QPushButton::clicked, this, b.action);
    }
    connect(findChild<QPushButton*>(QStringLiteral("bpClose")), &QPushButton::clicked, this, &QWidget::close);
    connect(findChild<QPushButton*>(QStringLiteral("bpHelp")), &QPushButton::clicked, this,
            [this] { emit helpRequested(kHelpTopic); });
}

void TEvaluator::buildToolBar(QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QStringLiteral("Panel1"));
    bar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    bar->setGeometry(264, 0, 328, 28);
    for (const ToolButton& t : kToolButtons) {
        auto* button = new QToolButton(bar);
        button->setObjectName(QString::fromLatin1(t.name));
        button->setText(QString::fromUtf8(t.glyph));
        button->setGeometry(t.left, 2, 24, 24);
        button->setAutoRaise(true);
    }
    const auto tool = [this](const char* name) { return findChild<QToolButton*>(QString::fromLatin1(name)); };
    connect(tool("sbCut"), &QToolButton::clicked, this, [this] { Memo1->cut(); });
    connect(tool("sbCopy"), &QToolButton::clicked, this, [this] { Memo1->copy(); });
    connect(tool("sbPaste"), &QToolButton::clicked, this, [this] { Memo1->paste(); });
    connect(tool("sbDel"), &QToolButton::clicked, this, [this] { Memo1->textCursor().removeSelectedText(); });
    connect(tool("sbUndo"), &QToolButton::clicked, this, [this] { Memo1->undo(); });
    connect(tool("sbRun"), &QToolButton::clicked, this, &TEvaluator::bpEvaluateClick);
    connect(tool("sbHelp"), &QToolButton::clicked, this, [this] { emit helpRequested(kHelpTopic); });
    sbExample = tool("sbExample");
    sbExample->setCheckable(true);
    connect(sbExample, &QToolButton::clicked, this, &TEvaluator::sbExampleClick);
}

void TEvaluator::buildMenus() {
    auto* bar = new QMenuBar(this);
    bar->setObjectName(QStringLiteral("MainMenu1"));
    layout()->setMenuBar(bar);
    const auto addAction = [this](QMenu* menu, const char* name, const QKeySequence& shortcut = {}) {
        auto* action = menu->addAction(QString::fromLatin1(name));
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty()) action->setShortcut(shortcut);
        return action;
    };
    const auto addMenu = [](QMenuBar* parent, const char* name) {
        auto* menu = parent->addMenu(QString::fromLatin1(name));
        menu->setObjectName(QString::fromLatin1(name));
        menu->menuAction()->setObjectName(QString::fromLatin1(name) + QStringLiteral("Action"));
        return menu;
    };

    QMenu* edit = addMenu(bar, "Edit1");
    connect(addAction(edit, "Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z)), &QAction::triggered, this,
            [this] { Memo1->undo(); });
    edit->addSeparator();
    connect(addAction(edit, "Cut1", QKeySequence(Qt::SHIFT | Qt::Key_Delete)), &QAction::triggered, this,
            [this] { Memo1->cut(); });
    connect(addAction(edit, "Copy1", QKeySequence(Qt::CTRL | Qt::Key_Insert)), &QAction::triggered, this,
            [this] { Memo1->copy(); });
    connect(addAction(edit, "Paste1", QKeySequence(Qt::SHIFT | Qt::Key_Insert)), &QAction::triggered, this,
            [this] { Memo1->paste(); });
    connect(addAction(edit, "Delete1"), &QAction::triggered, this,
            [this] { Memo1->textCursor().removeSelectedText(); });
    edit->addSeparator();
    connect(addAction(edit, "Preferences2", QKeySequence(Qt::Key_F2)), &QAction::triggered, this,
            &TEvaluator::preferencesRequested);

    QMenu* insert = addMenu(bar, "Insert1");
    for (const InsertSubmenu& submenu : evaluatorInsertMenu()) {
        QMenu* sub = insert->addMenu(QString::fromLatin1(submenu.name));
        sub->setObjectName(QString::fromLatin1(submenu.name));
        // The hundred insertion items are made when their submenu first opens: start-up stays quick.
        connect(sub, &QMenu::aboutToShow, this, [this, sub, &submenu] {
            if (!sub->isEmpty()) return;
            for (const InsertItem& item : submenu.items) {
                auto* action = sub->addAction(QString::fromLatin1(item.caption));
                connect(action, &QAction::triggered, this, [this, &item] { insertItem(item); });
            }
        });
        if (submenu.separatorAfter) insert->addSeparator();
    }

    QMenu* angles = addMenu(bar, "Angels1");
    auto* group = new QActionGroup(this);
    for (std::size_t i = 0; i < std::size(kAngles); ++i) {
        QAction* action = addAction(angles, kAngles[i].action);
        action->setCheckable(true);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, i] { setAngleMeasure(kAngles[i].measure); });
        angleActions_[i] = action;
    }
    angleActions_[0]->setChecked(true);

    QMenu* evaluation = addMenu(bar, "Evaluation1");
    QAction* evaluate = addAction(evaluation, "Evaluate1", QKeySequence(Qt::Key_F9));
    evaluation->setDefaultAction(evaluate);
    // The menu draws its default item bold but measures it in the plain face, which puts "F9"
    // against a long bold caption ("Вычислить"); a bold face of the item's own is measured.
    QFont bold = evaluate->font();
    bold.setBold(true);
    evaluate->setFont(bold);
    connect(evaluate, &QAction::triggered, this, &TEvaluator::bpEvaluateClick);

    QMenu* help = addMenu(bar, "Help1");
    Referense1 = addAction(help, "Referense1");
    Referense1->setCheckable(true);
    connect(Referense1, &QAction::triggered, this, &TEvaluator::Referense1Click);
    // Contents is the start of the help, as in the main window; F1 and the help buttons open
    // this window's own topic.
    connect(addAction(help, "Context1"), &QAction::triggered, this,
            [this] { emit helpRequested(kContentsHelpTopic); });
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("HelpKey"));
    helpKey_ = f1;
    connect(f1, &QShortcut::activated, this, [this] { emit helpRequested(kHelpTopic); });
    help->addSeparator();
    connect(addAction(help, "HomePage1"), &QAction::triggered, this, &TEvaluator::homePageRequested);
    help->addSeparator();
    connect(addAction(help, "About1"), &QAction::triggered, this, &TEvaluator::aboutRequested);
}

void TEvaluator::SetLang(int language) {
    if (language != 0 && language != 1) return;
    language_ = language;
    applyLanguage(this, evaluatorTexts(), language);
    Memo2->setPlainText(evaluatorReferenceLines(language).join(QLatin1Char('\n')));
    if (progress_) {
        progress_->setWindowTitle(evaluatorPhrase(EvaluatorPhrase::ProgressTitle, language));
        progress_->setLabelText(evaluatorPhrase(EvaluatorPhrase::Evaluating, language));
    }
    pnResult->setSpeech(evaluatorPhrase(EvaluatorPhrase::ResultName, language_),
                        evaluatorPhrase(EvaluatorPhrase::NoResultName, language_));
    fitAngleCaptions();
}

void TEvaluator::fitAngleCaptions() {
    // The strip's width is fixed. A face wider than the designed one is condensed just enough for
    // the four captions to show whole side by side, as the display condenses its digits.
    QFont font = angleButtons_[0]->font();
    font.setPixelSize(kAngleCaptionPixels);
    const QMargins margins = angleStrip_->contentsMargins();
    const int room = angleStrip_->parentWidget()->contentsRect().width() - margins.left() - margins.right() -
                     angleStrip_->spacing() * int(angleButtons_.size() - 1);
    for (int stretch = 100; stretch >= 50; stretch -= 2) {
        font.setStretch(stretch);
        int needed = 0;
        for (QRadioButton* radio : angleButtons_) {
            radio->setFont(font);
            needed += radio->sizeHint().width();
        }
        if (needed <= room) break;
    }
    // The new widths take effect at once, shown or not, not at the next event loop turn.
    angleStrip_->invalidate();
    angleStrip_->activate();
}

void TEvaluator::applyLook(const EvaluatorLook& look) {
    QFont small = pnResult->exponentPanel()->font();
    small.setFamily(look.digitFont.family());
    small.setBold(look.digitFont.bold());
    small.setItalic(look.digitFont.italic());
    pnResult->setDigitFonts(look.digitFont, small);
    Memo1->setFont(look.digitFont);
    QFont reference = Memo2->font();
    reference.setFamily(look.digitFont.family());
    Memo2->setFont(reference);
    pnResult->setDigitColour(look.digitColour);
    for (TextPanel* panel : {pnResult->mantissaPanel(), pnResult->exponentPanel(), static_cast<TextPanel*>(pnResult)})
        panel->setBackground(look.indicatorColour);
    const auto paintEdit = [](QWidget* edit, const QColor& text, const QColor& base) {
        QPalette p = edit->palette();
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::Base, base);
        edit->setPalette(p);
    };
    paintEdit(Memo1, look.digitColour, look.indicatorColour);
    paintEdit(Memo2, look.digitColour, look.frameColour);
    variableFields_->applyLook(look.digitFont, look.digitColour, look.indicatorColour);
}

void TEvaluator::setExpression(const QString& text) {
    Memo1->setPlainText(text);
    // Typing goes on after the value taken over: "+2" after 0 gives "0+2".
    Memo1->moveCursor(QTextCursor::End);
    resultText_.clear();
    noResult_ = false;
}

void TEvaluator::showEvent(QShowEvent* event) {
    // Each opening starts in the expression, whichever field had the focus when it was last closed.
    Memo1->setFocus(Qt::OtherFocusReason);
    QDialog::showEvent(event);
}

void TEvaluator::keyPressEvent(QKeyEvent* event) {
    // Enter belongs to the expression field; the dialog must not close on it.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return;
    // Esc stops a running evaluation before it closes anything.
    if (event->key() == Qt::Key_Escape && evaluating()) {
        cancelEvaluation();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TEvaluator::setVisible(bool visible) {
    const bool stopping = !visible && evaluating();
    QDialog::setVisible(visible);
    // After hiding, so that the cancelled evaluation ends without a hint over what is beneath;
    // the progress goes with it, and no worker runs on behind a closed window.
    if (stopping) stopEvaluation();
}

bool TEvaluator::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        const auto key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            bpEvaluateClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TEvaluator::SetVariable() { variableFields_->read(); }

const ExpressionVariables& TEvaluator::variables() const { return variableFields_->values(); }

void TEvaluator::setAngleMeasure(AngleMeasure measure) {
    SetVariable();
    angle_ = measure;
    for (std::size_t i = 0; i < std::size(kAngles); ++i) {
        const bool chosen = kAngles[i].measure == measure;
        angleButtons_[i]->setChecked(chosen);
        // Tab enters the group at the chosen measure; the arrow keys move within it.
        angleButtons_[i]->setFocusPolicy(chosen ? Qt::StrongFocus : Qt::ClickFocus);
        angleActions_[i]->setChecked(chosen);
    }
}

void TEvaluator::setReferenceShown(bool shown) {
    gbExample->setVisible(shown);
    Memo1->resize(312, shown ? 76 : 184);
    gbFormula->resize(328, shown ? 100 : 210);
    sbExample->setChecked(shown);
    Referense1->setChecked(shown);
}

bool TEvaluator::referenceShown() const { return sbExample->isChecked(); }

void TEvaluator::sbExampleClick() {
    setReferenceShown(sbExample->isChecked());
    settings_.writeBool(QString::fromLatin1(value::RReference), sbExample->isChecked());
}

void TEvaluator::Referense1Click() {
    // The item has already toggled: checked now means it was unchecked before.
    setReferenceShown(Referense1->isChecked());
    settings_.writeBool(QString::fromLatin1(value::RReference), sbExample->isChecked());
}

void TEvaluator::SCopy(const QString& text) {
    QApplication::clipboard()->setText(text);
    Memo1->paste();
}

void TEvaluator::insertItem(const InsertItem& item) {
    SCopy(insertionText(item, Memo1->textCursor().selectedText()));
}

} // namespace orv
