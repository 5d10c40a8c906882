// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "preferences_window.h"

#include "calculator_window.h"
#include "colour.h"
#include "currency.h"
#include "focus_link.h"
#include "preferences_texts.h"
#include "settings_store.h"
#include "settings_values.h"
#include "text_panel.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace orv {
namespace {

// fontconfig tells same-named families of different foundries apart as "Foo [bar]"; the user
// picks a family, and the font matcher picks the foundry.
QString withoutFoundry(QString family) {
    const qsizetype bracket = family.lastIndexOf(QLatin1String(" ["));
    if (bracket > 0 && family.endsWith(QLatin1Char(']'))) family.truncate(bracket);
    return family;
}

// Every installed family once, in alphabetical order.
QStringList installedFamilies() {
    QStringList names;
    for (const QString& family : QFontDatabase::families()) names << withoutFoundry(family);
    names.sort(Qt::CaseInsensitive);
    names.removeDuplicates();
    return names;
}

// The family the display really draws with for a name, which may not be installed: matched as
// the display matches it.
QString familyInUse(const QString& name) {
    QFont f(name);
    f.setStyleHint(QFont::SansSerif);
    return withoutFoundry(QFontInfo(f).family());
}

// The colours of the two lists, named for a screen reader in each language, in list order.
constexpr const char* kColourNames[][2] = {
    {"Black", "Чёрный"},   {"Maroon", "Тёмно-красный"}, {"Green", "Зелёный"},      {"Olive", "Оливковый"},
    {"Navy", "Тёмно-синий"}, {"Purple", "Фиолетовый"},  {"Teal", "Сине-зелёный"},  {"Gray", "Серый"},
    {"Silver", "Серебристый"}, {"Red", "Красный"},      {"Lime", "Ярко-зелёный"},  {"Yellow", "Жёлтый"},
    {"Blue", "Синий"},     {"Fuchsia", "Пурпурный"},    {"Aqua", "Голубой"},       {"White", "Белый"},
};
static_assert(std::size(kColourNames) == kStandardColours.size());

QIcon swatch(int colour) {
    QPixmap pixmap(150, 12);
    pixmap.fill(colorFromColorRef(colour));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

// The preview draws its sample itself, at the full width of the chosen face: right-aligned
// clear of the frame and of the sign in its left corner, by the ink QFontMetrics measures, so
// an italic overhang is not cut either. It is never condensed: it shows what the display will.
class PreviewPanel : public TextPanel {
  public:
    using TextPanel::TextPanel;
    void setSign(const QWidget* sign) { sign_ = sign; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        drawEdges(painter); // the frame only: the text is placed here
        if (text().isEmpty()) return;
        painter.setPen(palette().color(QPalette::WindowText));
        const QFontMetrics metrics = painter.fontMetrics();
        const QRect ink = metrics.boundingRect(text()); // relative to the origin on the baseline
        QRect area = contentsRect().adjusted(kGap, kGap, -kGap, -kGap);
        if (sign_) area.setLeft(std::max(area.left(), sign_->geometry().right() + 1 + kGap));
        int x = area.right() - ink.right();
        // Wider than the room (a face far wider than any the window offers): the start stays in
        // view, beside the sign, rather than under it.
        if (x + ink.left() < area.left()) x = area.left() - ink.left();
        const int y =
            area.top() + (area.height() - metrics.ascent() - metrics.descent()) / 2 + metrics.ascent();
        painter.drawText(QPoint(x, y), text());
    }

  private:
    static constexpr int kGap = 2; // blank pixels between the ink and the frame or the sign
    const QWidget* sign_ = nullptr;
};

QGroupBox* groupBox(QWidget* parent, const char* name, const QRect& geometry) {
    auto* box = new QGroupBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setGeometry(geometry);
    return box;
}

// Wide enough for the longest caption of either language ("Применить") with the style's
// margins; the four share the window's width evenly between the columns' outer edges.
constexpr int kButtonWidth = 92;
// The tape's check box has the row under both columns to itself: its Russian caption is longer
// than a column is wide.
constexpr int kTapeRowTop = 200;
// The exchange rates' bank and their automatic update, in a box across both columns.
constexpr int kRatesBoxTop = 224;
constexpr int kButtonTop = 298;

QPushButton* button(QWidget* parent, const char* name, int left) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setGeometry(left, kButtonTop, kButtonWidth, 25);
    b->setAutoDefault(false);
    return b;
}

const char* const kNamedByPurpose = "orvNamedByPurpose";

// A list of this window as a screen reader sees it: named by what it sets (its accessible name,
// from the language table), with the item shown as its value and description. On Linux Qt names
// a list by the item it shows instead, which says "English" and never "Language".
class PurposeListAccessible : public QAccessibleWidget {
  public:
    explicit PurposeListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = list()->view()->isVisible();
        return s;
    }

    // The drop-down list, with its items, as Qt's own list offers it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return QAccessibleWidget::doAction(action);
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    QStringList keyBindingsForAction(const QString& action) const override {
        if (action != showMenuAction() && action != pressAction()) return {};
        return {QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText)};
    }

  private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* purposeListInterface(const QString&, QObject* object) {
    auto* list = qobject_cast<QComboBox*>(object);
    return list && list->property(kNamedByPurpose).toBool() ? new PurposeListAccessible(list) : nullptr;
}

} // namespace

TPreForm::TPreForm(SettingsStore& store, const TCalculator& calculator, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      store_(store), calculator_(calculator) {
    setObjectName(QStringLiteral("TPreForm"));
    keepOneFocusLink(*this);
    setFixedSize(kWidth, kHeight);
    buildControls();
    SetLang(0); // designed in English
}

TPreForm::~TPreForm() = default;

void TPreForm::buildControls() {
    auto* preview = new PreviewPanel(this);
    pnOutPref = preview;
    pnOutPref->setObjectName(QStringLiteral("pnOutPref"));
    pnOutPref->setGeometry(4, 6, 202, 25);
    pnOutPref->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnOutPref->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    pnOutPref->setAutoFillBackground(true);

    pnSSSPref = new TextPanel(pnOutPref);
    pnSSSPref->setObjectName(QStringLiteral("pnSSSPref"));
    pnSSSPref->setGeometry(4, 3, 20, 16);
    pnSSSPref->setText(QStringLiteral("×"));
    pnSSSPref->setAutoFillBackground(true);
    preview->setSign(pnSSSPref);

    auto* gbIndColor = groupBox(this, "gbIndColor", {4, 38, 202, 50});
    cbIndColor = colourList(gbIndColor, "cbIndColor");
    connect(cbIndColor, &QComboBox::activated, this, &TPreForm::cbIndColorClick);
    auto* gbNumColor = groupBox(this, "gbNumColor", {4, 92, 202, 50});
    cbIndFontColor = colourList(gbNumColor, "cbIndFontColor");
    connect(cbIndFontColor, &QComboBox::activated, this, &TPreForm::cbIndFontColorChange);

    auto* gbFont = groupBox(this, "gbFont", {4, 146, 202, 50});
    cbIndFontName = new QComboBox(gbFont);
    cbIndFontName->setObjectName(QStringLiteral("cbIndFontName"));
    cbIndFontName->setGeometry(8, 18, 186, 24);
    nameByPurpose(cbIndFontName);
    cbIndFontName->addItems(installedFamilies());
    connect(cbIndFontName, &QComboBox::activated, this, &TPreForm::cbIndFontNameClick);

    // Four pixels down from the window's edge, as the groups below keep from the one above: at
    // the very edge its title would touch the frame.
    auto* gbSpecial = groupBox(this, "gbSpecial", {212, 4, 200, 86});
    const auto checkBox = [gbSpecial](const char* name, int top) {
        auto* box = new QCheckBox(gbSpecial);
        box->setObjectName(QString::fromLatin1(name));
        box->setGeometry(8, top, 186, 20);
        return box;
    };
    ckbThou = checkBox("ckbThou", 16);
    cbMinToTray = checkBox("cbMinToTray", 40);
    cbkStayOnTop = checkBox("cbkStayOnTop", 64);
    connect(ckbThou, &QCheckBox::clicked, this, &TPreForm::ckbThouClick);
    connect(cbMinToTray, &QCheckBox::clicked, this, &TPreForm::cbMinToTrayClick);
    connect(cbkStayOnTop, &QCheckBox::clicked, this, &TPreForm::cbkStayOnTopClick);

    auto* gbStyle = groupBox(this, "gbStyle", {212, 92, 200, 50});
    spFontSize = new QSpinBox(gbStyle);
    spFontSize->setObjectName(QStringLiteral("spFontSize"));
    spFontSize->setGeometry(8, 18, 60, 24);
    spFontSize->setRange(kMinFontSize, kMaxFontSize);
    // Arrows only: the number cannot be typed.
    if (auto* edit = spFontSize->findChild<QLineEdit*>()) edit->setReadOnly(true);
    connect(spFontSize, &QSpinBox::valueChanged, this, &TPreForm::spFontSizeChange);
    const auto toggle = [gbStyle](const char* name, int left, bool bold, bool italic) {
        auto* b = new QToolButton(gbStyle);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(left, 17, 26, 26);
        b->setCheckable(true); // drawn lowered while its flag is on
        QFont f = b->font();
        f.setBold(bold);
        f.setItalic(italic);
        b->setFont(f);
        return b;
    };
    bB = toggle("bB", 100, true, false);
    bI = toggle("bI", 134, false, true);
    connect(bB, &QToolButton::clicked, this, &TPreForm::bBClick);
    connect(bI, &QToolButton::clicked, this, &TPreForm::bIClick);

    auto* gbLang = groupBox(this, "gbLang", {212, 146, 200, 50});
    cbLang = new QComboBox(gbLang);
    cbLang->setObjectName(QStringLiteral("cbLang"));
    cbLang->setGeometry(8, 18, 184, 24);
    nameByPurpose(cbLang);
    // Each language named in itself, so that a user who reads only one finds it.
    cbLang->addItems({QStringLiteral("English"), QStringLiteral("Русский")});
    connect(cbLang, &QComboBox::activated, this, &TPreForm::cbLangClick);

    cbKeepTape = new QCheckBox(this);
    cbKeepTape->setObjectName(QStringLiteral("cbKeepTape"));
    cbKeepTape->setGeometry(12, kTapeRowTop, kWidth - 24, 20);
    connect(cbKeepTape, &QCheckBox::clicked, this, &TPreForm::cbKeepTapeClick);

    auto* gbRates = groupBox(this, "gbRates", {4, kRatesBoxTop, kWidth - 8, 70});
    cbRateSource = new QComboBox(gbRates);
    cbRateSource->setObjectName(QStringLiteral("cbRateSource"));
    cbRateSource->setGeometry(8, 18, kWidth - 24, 24);
    nameByPurpose(cbRateSource);
    cbRateSource->addItems({QString(), QString()}); // the language names the banks
    connect(cbRateSource, &QComboBox::activated, this, [this] { enableApply(); });
    cbAutoRates = new QCheckBox(gbRates);
    cbAutoRates->setObjectName(QStringLiteral("cbAutoRates"));
    cbAutoRates->setGeometry(8, 44, kWidth - 24, 20);
    connect(cbAutoRates, &QCheckBox::clicked, this, [this] { enableApply(); });

    bbOk = button(this, "bbOk", 4);
    bbOk->setDefault(true);
    bbNo = button(this, "bbNo", 109);
    bbApply = button(this, "bbApply", 214);
    bbHelp = button(this, "bbHelp", 320);
    connect(bbOk, &QPushButton::clicked, this, &TPreForm::bbOkClick);
    connect(bbNo, &QPushButton::clicked, this, &TPreForm::bbNoClick);
    connect(bbApply, &QPushButton::clicked, this, &TPreForm::bbApplyClick);
    connect(bbHelp, &QPushButton::clicked, this, &TPreForm::bbHelpClick);
}

QComboBox* TPreForm::colourList(QGroupBox* box, const char* name) {
    auto* list = new QComboBox(box);
    list->setObjectName(QString::fromLatin1(name));
    list->setGeometry(8, 18, 186, 24);
    list->setIconSize(QSize(150, 12));
    nameByPurpose(list);
    for (const int colour : kStandardColours)
        list->addItem(swatch(colour), QString(), colour);
    return list;
}

// Called before the list gets its items: adding the first one already asks for the list's
// accessible interface, and the one made then is kept.
void TPreForm::nameByPurpose(QComboBox* list) {
    static const bool installed = [] {
        QAccessible::installFactory(purposeListInterface);
        return true;
    }();
    (void)installed;
    list->setProperty(kNamedByPurpose, true);
    connect(list, &QComboBox::currentIndexChanged, this, [this, list] { nameChosenItem(list); });
}

void TPreForm::selectColour(QComboBox* list, int colour) {
    list->setCurrentIndex(list->findData(colour));
}

int TPreForm::chosenColour(const QComboBox* list) const {
    return list->currentData().toInt();
}

void TPreForm::SetLang(int language) {
    if (language != 0 && language != 1) return;
    applyLanguage(this, preferencesTexts(), language);
    for (QComboBox* list : {cbIndColor, cbIndFontColor})
        for (int i = 0; i < list->count(); ++i)
            list->setItemData(i, QString::fromUtf8(kColourNames[i][language]), Qt::AccessibleTextRole);
    for (const RateSource source : {RateSource::EuropeanCentralBank, RateSource::BankOfRussia}) {
        const std::string_view bank = sourceName(source, language == 1 ? Language::Russian : Language::English);
        cbRateSource->setItemText(int(source), QString::fromUtf8(bank.data(), qsizetype(bank.size())));
    }
    for (QComboBox* list : {cbIndColor, cbIndFontColor, cbIndFontName, cbLang, cbRateSource})
        nameChosenItem(list);
}

// The item chosen is what a screen reader says beside the list's own name: a font, a language,
// or for the colour lists, which show swatches only, the colour's name.
void TPreForm::nameChosenItem(QComboBox* list) {
    const QVariant spoken = list->currentData(Qt::AccessibleTextRole);
    list->setAccessibleDescription(spoken.isValid() ? spoken.toString() : list->currentText());
}

void TPreForm::showEvent(QShowEvent* event) {
    FormActivate();
    QDialog::showEvent(event);
}

void TPreForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        bbHelpClick();
        return;
    }
    QDialog::keyPressEvent(event); // Esc cancels, Enter is OK (the default button)
}

void TPreForm::FormActivate() {
    const Settings& current = calculator_.settings();
    bbApply->setEnabled(false);

    ckbThou->setChecked(current.GroupThousands);
    showPreviewText();

    cbkStayOnTop->setChecked(current.StayOnTop);
    cbMinToTray->setChecked(current.MinimizeToTray);
    cbKeepTape->setChecked(current.KeepTape);
    cbRateSource->setCurrentIndex(current.RateSource);
    cbAutoRates->setChecked(current.AutoUpdateRates);

    const auto* digits = calculator_.findChild<TextPanel*>(QStringLiteral("pnOut3"));
    setPreviewBackground(digits ? digits->background() : colorFromColorRef(kColourWhite));
    selectColour(cbIndColor, mapper_.MapStandardColor(current.IndicatorColor));
    setPreviewTextColour(digits ? digits->textColour() : colorFromColorRef(kColourNavy));
    selectColour(cbIndFontColor, mapper_.MapStandardColor(current.DigitColor));

    const int language = store_.readInteger(value::RLang, Settings{}.Language);
    cbLang->setCurrentIndex(language == 0 || language == 1 ? language : -1);
    SetLang(language);

    spFontSize->blockSignals(true); // reloading is not an edit
    spFontSize->setValue(readDigitFontSize(store_));
    spFontSize->blockSignals(false);
    // The preview shows the size the box shows, never a stored one beyond it.
    const int size = spFontSize->value();
    setPreviewFont([size](QFont& f) { f.setPointSize(size); });

    digitFontStyle_ = readDigitFontStyle(store_);
    const FontStyle style = mapper_.FontStyleFromCode(digitFontStyle_);
    setPreviewFont([style](QFont& f) {
        f.setBold(style.bold);
        f.setItalic(style.italic);
    });
    switch (digitFontStyle_) {
    case 1: bold_ = false, italic_ = false; break;
    case 2: bold_ = true, italic_ = false; break;
    case 3: bold_ = false, italic_ = true; break;
    case 4: bold_ = true, italic_ = true; break;
    default: break; // not reached: the reader gives a known code
    }
    showToggles();

    digitFontName_ = store_.readText(value::RIndFontName, Settings{}.DigitFontName);
    // A typeface that is not installed shows as the one drawn in its place; the stored name is
    // kept until the user picks another, so OK does not silently replace it.
    const QString shown =
        cbIndFontName->findText(digitFontName_) >= 0 ? digitFontName_ : familyInUse(digitFontName_);
    if (cbIndFontName->findText(shown) < 0) cbIndFontName->insertItem(0, shown);
    cbIndFontName->setCurrentIndex(cbIndFontName->findText(shown));
    const QString name = digitFontName_;
    setPreviewFont([name](QFont& f) { f.setFamily(name); });
}

void TPreForm::enableApply() { bbApply->setEnabled(true); }

void TPreForm::showPreviewText() {
    // The display's own separators, so that the sample looks as the display will.
    const Separators& separators = calculator_.calculator().separators();
    const QString group = ckbThou->isChecked() ? QString::fromStdString(separators.thousands) : QString();
    const QString decimal = QString::fromStdString(separators.decimal);
    pnOutPref->setText(QStringLiteral("123") + group + QStringLiteral("456") + group + QStringLiteral("789") + decimal +
                       QStringLiteral("0123"));
}

void TPreForm::setPreviewBackground(const QColor& colour) {
    pnOutPref->setBackground(colour);
    pnSSSPref->setBackground(colour);
}

void TPreForm::setPreviewTextColour(const QColor& colour) {
    pnOutPref->setTextColour(colour);
    pnSSSPref->setTextColour(colour);
}

void TPreForm::setPreviewFont(const std::function<void(QFont&)>& change) {
    QFont f = pnOutPref->font();
    change(f);
    pnOutPref->setFont(f);
}

void TPreForm::showToggles() {
    bB->setChecked(bold_);
    bI->setChecked(italic_);
}

void TPreForm::SetStyle() {
    digitFontStyle_ = bold_ && italic_ ? 4 : bold_ ? 2 : italic_ ? 3 : 1;
    const FontStyle style = mapper_.FontStyleFromCode(digitFontStyle_);
    setPreviewFont([style](QFont& f) {
        f.setBold(style.bold);
        f.setItalic(style.italic);
    });
}

void TPreForm::ckbThouClick() {
    showPreviewText();
    enableApply();
}

void TPreForm::cbIndColorClick() {
    setPreviewBackground(colorFromColorRef(mapper_.MapStandardColor(chosenColour(cbIndColor))));
    enableApply();
}

void TPreForm::cbIndFontColorChange() {
    setPreviewTextColour(colorFromColorRef(mapper_.MapStandardColor(chosenColour(cbIndFontColor))));
    enableApply();
}

void TPreForm::cbkStayOnTopClick() { enableApply(); }

void TPreForm::cbMinToTrayClick() { enableApply(); }

void TPreForm::cbKeepTapeClick() { enableApply(); }

void TPreForm::cbLangClick() {
    SetLang(cbLang->currentIndex()); // the other windows wait for Apply or OK
    enableApply();
}

void TPreForm::spFontSizeChange() {
    const int size = spFontSize->value();
    setPreviewFont([size](QFont& f) { f.setPointSize(size); });
    enableApply();
}

void TPreForm::bBClick() {
    bold_ = !bold_;
    showToggles();
    SetStyle();
    enableApply();
}

void TPreForm::bIClick() {
    italic_ = !italic_;
    showToggles();
    SetStyle();
    enableApply();
}

void TPreForm::cbIndFontNameClick() {
    digitFontName_ = cbIndFontName->currentText();
    const QString name = digitFontName_;
    setPreviewFont([name](QFont& f) { f.setFamily(name); });
    enableApply();
}

void TPreForm::SetParam() {
    Settings s = calculator_.settings();
    s.GroupThousands = ckbThou->isChecked();
    store_.writeBool(value::RThouSepOn, s.GroupThousands);
    s.IndicatorColor = chosenColour(cbIndColor);
    store_.writeInt(value::RIndColor, s.IndicatorColor);
    s.DigitColor = chosenColour(cbIndFontColor);
    store_.writeInt(value::RIndFontColor, s.DigitColor);
    s.MinimizeToTray = cbMinToTray->isChecked();
    store_.writeBool(value::RMinToTray, s.MinimizeToTray);
    SetStyle();
    s.DigitFontStyle = digitFontStyle_;
    store_.writeInt(value::RIndFontStyle, s.DigitFontStyle);
    s.Language = cbLang->currentIndex();
    store_.writeInt(value::RLang, s.Language);
    s.DigitFontSize = spFontSize->value();
    store_.writeInt(value::RIndFontSize, s.DigitFontSize);
    s.DigitFontName = digitFontName_;
    store_.writeString(value::RIndFontName, s.DigitFontName);
    s.KeepTape = cbKeepTape->isChecked();
    store_.writeBool(value::RKeepTape, s.KeepTape);
    s.RateSource = cbRateSource->currentIndex();
    store_.writeInt(value::RRateSource, s.RateSource);
    s.AutoUpdateRates = cbAutoRates->isChecked();
    store_.writeBool(value::RAutoRates, s.AutoUpdateRates);
    store_.flush();

    SetLang(s.Language);
    // Grouping, colours, tray, style, size, typeface and language reach the other windows together.
    emit applied(s);
}

void TPreForm::bbApplyClick() {
    SetParam();
    bbApply->setEnabled(false);
}

void TPreForm::bbOkClick() {
    const bool stayOnTop = cbkStayOnTop->isChecked();
    store_.writeBool(value::RStayOnTop, stayOnTop);
    emit stayOnTopChosen(stayOnTop); // SetTopMost
    SetParam();
    accept();
}

void TPreForm::bbNoClick() { reject(); }

void TPreForm::bbHelpClick() { emit helpRequested(kHelpTopic); }

} // namespace orv
