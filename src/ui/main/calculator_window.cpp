// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "calculator_window.h"

#include "calculator_keys.h"
#include "colour.h"
#include "conversion_panel.h"
#include "display_line.h"
#include "key_preview.h"
#include "keypad.h"
#include "legacy_font.h"
#include "main_menus.h"
#include "main_window_panel_texts.h"
#include "main_window_restore.h"
#include "main_window_texts.h"
#include "number_text.h"
#include "physical_shortcuts.h"
#include "qt_text.h"
#include "register_row.h"
#include "settings_store.h"
#include "settings_values.h"
#include "stay_on_top.h"
#include "tape_keeper.h"
#include "tape_link.h"
#include "tape_texts.h"
#include "tape_window.h"
#include "toolkit_translation.h"
#include "tray_icon.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

#include <algorithm>

namespace orv {

namespace {

// The room kept between a mantissa and the sign or label at its left.
constexpr int kMantissaGap = 4;
// Memory line geometry inside pnMHist.
constexpr int kMemoryMantissaLeft = 34, kMemoryMantissaWidth = 198;
constexpr int kMemoryExponentLeft = 190, kMemoryExponentTop = 2, kMemoryExponentWidth = 42,
              kMemoryExponentHeight = 9;

void setPanelBackground(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Base, colour);
    widget->setPalette(p);
}

void setPanelTextColour(QWidget* widget, const QColor& colour) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    widget->setPalette(p);
}

// The tape is kept beside the settings, so whatever moves the one moves the other.
QString tapeFilePath(const SettingsStore& store) {
    const QString folder = store.folder();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(QStringLiteral("tape.txt"));
}

} // namespace

TCalculator::TCalculator(SettingsStore& store, Separators separators, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                              Qt::WindowCloseButtonHint),
      store_(store), settings_(readSettings(store)), restored_(readWorkingState(store)),
      calc_(*this, std::move(separators), scientificOperations()) {
    setObjectName(QStringLiteral("TCalculator"));
    errorHint_ = new TErrorHintWindow(this);
    // Every window's Ctrl+letter goes by its key under any layout, as long as the program runs.
    qApp->installEventFilter(new PhysicalShortcuts(this));
    keyPreview_ = new KeyPreview(*this);
    keyPreview_->press = [this](KeypadKey key) { pressKeypadKey(key); };
    keyPreview_->releaseAll = [this] { releaseAllKeys(); };
    keyPreview_->firstCtrlC = [this] { calc_.ShowErrorHint(calc_.messages().CtrlCClearsMessage); };

    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(area);
    buildDisplay(area);
    buildKeypad(area);
    buildMemoryRow(area);
    buildSidePanels(area);
    buildMenus();

    // Texts of the designed form are Russian; the chosen language replaces them, every one, so
    // they are only laid down where a stored value names neither language and changes nothing
    // (for English that spares loading the toolkit's Russian texts only to drop them again).
    if (!mainWindowTexts(settings_.Language)) SetLang(1);
    SetLang(settings_.Language);
    applyAppearance();
    calc_.setGroupThousands(settings_.GroupThousands);

    std::array<Extended, kRegisterCount> registers{};
    // The first register text that is not a number ends the restore: it and the later ones stay 0.
    for (int i = 0; i < kRegisterCount; ++i) {
        const auto number = parseNumber(restored_.registers[i].toStdString(), calc_.separators());
        if (!number) break;
        registers[i] = *number;
    }
    calc_.restoreWorkingState(restored_.entryText.toStdString(), restored_.decimalEntered, registers,
                              restored_.memoryUsed);
    showSign(Calculator::signOf(Operation::opNone));

    setOuterSize(kWidth, calc_.state().MemoryUsed ? kHeightWithMemory : kHeightWithoutMemory);
    if (!restored_.fullSize) MaxMinClick();
    restoreSidePanels(*this, restored_.calcMode, restored_.convertItem);
    SetLang(settings_.Language);
    SetTopMost();

    tape_ = std::make_unique<TapeLink>(*this, calc_, store_, tapeFilePath(store_), settings_.KeepTape);
    tape_->sayTrouble = [this](const QString& text) { showDisplayHint(text); };
    tape_->returnToCalculator = [this] { focusDisplay(); };
    tape_->setLanguage(settings_.Language);
    tape_->setStaysOnTop(settings_.StayOnTop);
    applyTapeLook();
}

void TCalculator::setTrayCheck(std::function<bool()> check) {
    tray_->setAvailabilityCheck(std::move(check));
}

TCalculator::~TCalculator() = default;

TapeKeeper& TCalculator::tape() {
    return tape_->keeper();
}

TapeWindow* TCalculator::tapeWindow() const {
    return tape_->window();
}

void TCalculator::buildDisplay(QWidget* area) {
    pnInd = new TextPanel(area);
    pnInd->setObjectName(QStringLiteral("pnInd"));
    pnInd->setGeometry(0, 0, 241, 29);
    pnInd->setFrameStyle(QFrame::Panel | QFrame::Raised);

    pnOut = new DisplayLine(pnInd, QStringLiteral("pnOut3"), QStringLiteral("pnOut2"), displayRooms(false));
    pnOut->setObjectName(QStringLiteral("pnOut"));
    pnOut->setGeometry(1, 2, 209, 24);
    // A gap to the operation sign: a long mantissa is condensed rather than touching it.
    pnOut->mantissaPanel()->setContentsMargins(kMantissaGap, 0, 0, 0);
    pnOut->exponentPanel()->setFont(legacySansSerif(8));

    pnSSS = new TextPanel(pnOut);
    pnSSS->setObjectName(QStringLiteral("pnSSS"));
    pnSSS->setGeometry(1, 1, 16, 22); // inside the display's frame, whose left edge it would cover
    pnSSS->setFont(operatorFont(12, true));

    pnSize = new TextPanel(pnInd);
    pnSize->setObjectName(QStringLiteral("pnSize"));
    pnSize->setGeometry(212, 2, 25, 25);
    pnSize->setBackgroundRole(QPalette::Button);
    pnSize->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    showSizeButton();
    connect(pnSize, &TextPanel::clicked, this, &TCalculator::MaxMinClick);

    for (TextPanel* panel : {static_cast<TextPanel*>(pnOut), pnSSS})
        connect(panel, &TextPanel::doubleClicked, this, &TCalculator::Evaluator1Click);

    // A Tab stop, where a screen reader reads the number. It takes no key itself: the window
    // sees every key first. The keyboard starts here, so that it is always somewhere.
    pnOut->setFocusable(DisplayLine::FocusMark::AfterKeyboard);
    pnOut->setFocus(Qt::OtherFocusReason);
}

void TCalculator::buildKeypad(QWidget* area) {
    pnSimple = new Keypad(area, calc_.separators().decimal);
    pnSimple->setGeometry(0, 30, 241, 141);
    connect(pnSimple, &Keypad::keyPressed, this, &TCalculator::pressKeypadKey);
}

void TCalculator::buildMemoryRow(QWidget* area) {
    pnMHist = new DisplayLine(area, QStringLiteral("pnOutHist3"), QStringLiteral("pnOutHist2"),
                              {QRect(kMemoryMantissaLeft, 2, kMemoryMantissaWidth, 15),
                               QRect(kMemoryExponentLeft, kMemoryExponentTop, kMemoryExponentWidth,
                                     kMemoryExponentHeight)});
    pnMHist->setObjectName(QStringLiteral("pnMHist"));
    pnMHist->setGeometry(2, 174, 237, 23);
    pnMHist->mantissaPanel()->setContentsMargins(kMantissaGap, 0, 0, 0); // clear of "M10="
    pnMHist->exponentPanel()->setFont(legacySansSerif(8));

    Panel15 = new TextPanel(pnMHist);
    Panel15->setObjectName(QStringLiteral("Panel15"));
    Panel15->setGeometry(2, 2, 32, 15); // level with the digits beside it
    Panel15->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont labelFont = font();
    labelFont.setBold(true);
    Panel15->setFont(labelFont);
    Panel15->setTextColour(colorFromColorRef(kKeyRed));
    Panel15->lower(); // first among the line's parts, as it is read: "M1=" before the number

    // The register keys sit beside the scientific or statistics panel, out of view until then.
    pnMemory = new RegisterRow(area);
    pnMemory->setGeometry(244, 174, 223, 23);
    connect(pnMemory, &RegisterRow::registerClicked, this, &TCalculator::pnMClick);
}

void TCalculator::buildMenus() {
    menus_ = new MainMenus(*menuBar(), this);
    using C = MenuCommand;
    const std::pair<MenuCommand, void (TCalculator::*)()> handlers[] = {
        {C::Undo, &TCalculator::miUndoClick},         {C::Redo, &TCalculator::miRedoClick},
        {C::Copy, &TCalculator::miCopyClick},         {C::Paste, &TCalculator::miPasteClick},
        {C::Conversion, &TCalculator::miConvertClick}, {C::Science, &TCalculator::miScienceClick},
        {C::Statistics, &TCalculator::miStatistClick}, {C::Evaluator, &TCalculator::Evaluator1Click},
        {C::Tape, &TCalculator::miTapeClick},         {C::Max, &TCalculator::MaxMinClick},
        {C::Min, &TCalculator::MaxMinClick},
    };
    // A menu command hides the error hint before it acts.
    for (const auto& [command, handler] : handlers)
        connect(menus_->item(command), &QAction::triggered, this, [this, handler = handler] {
            errorHint_->hideHint();
            (this->*handler)();
        });
    connect(menus_->editMenu(), &QMenu::aboutToShow, this, &TCalculator::nameUndoSteps);
}

void TCalculator::SetLang(int language) {
    // The unit lists follow the language setting whatever language is applied.
    refillUnitLists();
    const MainWindowTexts* texts = mainWindowTexts(language);
    if (!texts) return;
    setWindowTitle(QString::fromUtf8(texts->title));
    menus_->setTexts(*texts);
    if (tape_) tape_->setLanguage(language);
    tray_->setLanguage(language);
    pnOut->setToolTip(QString::fromUtf8(texts->pnOutHint));
    pnSSS->setToolTip(QString::fromUtf8(texts->pnSSSHint));
    pnMHist->setToolTip(QString::fromUtf8(texts->pnMHistHint));
    pnMemory->setHint(QString::fromUtf8(texts->registerHint));
    pnSize->setToolTip(QString::fromUtf8(layout_.fullSize() ? texts->sizeHintFull : texts->sizeHintReduced));
    applyMainWindowPanelTexts(this, language);
    calc_.setMessages(messagesFor(language == 1 ? Language::Russian : Language::English));
    nameUndoSteps();
    applyToolkitLanguage(language); // Qt's own menus and buttons follow the language too
}

void TCalculator::applyAppearance() {
    const QColor background = colorFromColorRef(mapper_.MapStandardColor(settings_.IndicatorColor));
    const QColor digits = colorFromColorRef(mapper_.MapStandardColor(settings_.DigitColor));
    const FontStyle style = mapper_.FontStyleFromCode(settings_.DigitFontStyle);
    for (const char* name : kIndicatorControls)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) setPanelBackground(w, background);
    for (const char* name : kDigitColourControls)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) setPanelTextColour(w, digits);
    for (const char* name : kDigitSizeControls)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) {
            QFont f = w->font();
            f.setPointSize(std::max(1, settings_.DigitFontSize));
            w->setFont(f);
        }
    for (const char* name : kDigitFaceControls)
        if (auto* w = findChild<QWidget*>(QString::fromLatin1(name))) {
            QFont f = w->font();
            f.setFamily(settings_.DigitFontName);
            f.setStyleHint(QFont::SansSerif);
            f.setBold(style.bold);
            f.setItalic(style.italic);
            w->setFont(f);
        }
    applyTapeLook();
}

// The display's face and its chosen colours, not the red of a failure it may be showing now.
void TCalculator::applyTapeLook() {
    if (!tape_) return;
    tape_->setLook(pnOut->mantissaPanel()->font(),
                           colorFromColorRef(mapper_.MapStandardColor(settings_.DigitColor)),
                           colorFromColorRef(mapper_.MapStandardColor(settings_.IndicatorColor)));
}

void TCalculator::applyPreferences(const Settings& settings) {
    const bool stayOnTop = settings_.StayOnTop; // only OK changes it, through setStayOnTop
    settings_ = settings;
    settings_.StayOnTop = stayOnTop;
    calc_.setGroupThousands(settings_.GroupThousands);
    // The texts follow the new grouping; the panels show them at their next update.
    calc_.refreshDisplays();
    applyAppearance();
    tray_->setShown(settings_.MinimizeToTray);
    tape_->setKeep(settings_.KeepTape);
    pnConvert->setRateSettings(settings_.RateSource, settings_.AutoUpdateRates);
}

void TCalculator::setStayOnTop(bool on) {
    settings_.StayOnTop = on;
    SetTopMost();
}

void TCalculator::SetTopMost() {
    setStaysOnTop(*this, settings_.StayOnTop);
    if (tape_) tape_->setStaysOnTop(settings_.StayOnTop);
}

void TCalculator::setEvaluatorOpener(std::function<void(const QString&)> opener) {
    evaluatorOpener_ = std::move(opener);
    menus_->item(MenuCommand::Evaluator)->setEnabled(bool(evaluatorOpener_));
}

void TCalculator::miCopyClick() {
    // The entry as typed or the general form of the result, never the grouped display text.
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(QString::fromStdString(calc_.copyText()));
}

void TCalculator::miPasteClick() {
    // A clipboard without text holds no number either: the calculator says so.
    const QClipboard* clipboard = QGuiApplication::clipboard();
    calc_.paste(clipboard ? clipboard->text().toStdString() : std::string());
}

void TCalculator::Evaluator1Click() {
    if (!evaluatorOpener_) return;
    // With the expression language's point, whatever the locale's separator: "1,5" would read as 1
    // and the text after it.
    evaluatorOpener_(QString::fromStdString(generalText(calc_.state().CurrentValue, dotSeparators())));
}

void TCalculator::miTapeClick() {
    tape_->open(true);
}

void TCalculator::focusDisplay() {
    if (!isVisible() || isMinimized()) restoreFromTray();
    raise();
    activateWindow();
    pnOut->setFocus(Qt::OtherFocusReason);
}

void TCalculator::pnMClick(int registerNumber) {
    calc_.selectRegister(registerNumber);
}

void TCalculator::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    tape_->reopenIfItWasOpen();
    keyPreview_->follow();
    hideCutPanels();
    pnConvert->startHousekeeping();
}

void TCalculator::closeEvent(QCloseEvent* event) {
    errorHint_->hideHint();
    const auto failure = SaveWorkingState();
    tape_->hide(); // the tape goes with the window it belongs to
    if (failure && saveFailureBox_) showSaveFailure(*failure);
    QMainWindow::closeEvent(event);
}

// Said before the window goes: the next run would otherwise start from older values, and
// nobody would know why.
void TCalculator::showSaveFailure(const SaveFailure& failure) {
    const MainWindowTexts* texts = mainWindowTexts(static_cast<int>(calc_.messages().language));
    const QString text = QString::fromUtf8(texts->settingsNotSaved)
                             .arg(QDir::toNativeSeparators(failure.file), failure.reason);
    QMessageBox box(QMessageBox::Warning, windowTitle(), text, QMessageBox::Ok, this);
    box.setObjectName(QStringLiteral("saveFailure"));
    box.exec();
}

std::optional<SaveFailure> TCalculator::SaveWorkingState() {
    const CalculatorState& s = calc_.state();
    WorkingState w = restored_;
    w.entryText = QString::fromStdString(s.EntryText);
    w.decimalEntered = s.DecimalEntered;
    w.fullSize = layout_.fullSize();
    for (int i = 0; i < kRegisterCount; ++i)
        w.registers[i] = QString::fromStdString(generalText(s.MemoryRegisters[i], calc_.separators()));
    w.memoryUsed = s.MemoryUsed;
    w.calcMode = shownPanelsCode(*this);
    if (const auto group = selectedConvertGroup(*this)) w.convertItem = *group;
    tape_->rememberForNextRun();
    return writeWorkingState(store_, w, QString::fromStdString(s.MemoryEntryText));
}

} // namespace orv
