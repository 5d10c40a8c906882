// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// Renders every window and panel in English and Russian into PNG files (for the manual, the
// project page and a look over the layouts before a release); `--check` reads such a folder back.
// Each picture comes from fresh windows on a private settings file, with one separator set, one
// style and one font, so two runs on the same toolkit give the same pictures.
#include "about_window.h"
#include "calculator_window.h"
#include "conversion_panel.h"
#include "evaluator_link.h"
#include "evaluator_window.h"
#include "preferences_window.h"
#include "settings_store.h"
#include "settings_values.h"
#include "shell_link.h"
#include "statistics_panel.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QWindow>

#include <cstdio>
#include <iterator>
#include <memory>

namespace {

using namespace orv;

struct LanguageRow {
    int language; // as the settings store it
    const char* suffix;
};
constexpr LanguageRow kLanguages[] = {{0, "en"}, {1, "ru"}};

// The windows the program makes at start-up, wired as it wires them, on their own settings.
struct Windows {
    Windows(const QString& settingsPath, int language) : store(openSettingsFile(settingsPath)) {
        store->writeInt(QString::fromLatin1(value::RLang), language);
        main = std::make_unique<TCalculator>(*store, Separators{",", " "});
        about = std::make_unique<TAbout>(*main, main.get());
        evaluator = std::make_unique<TEvaluator>(main->calculator(), *store, main->errorHint(), main.get());
        preferences = std::make_unique<TPreForm>(*store, *main, main.get());
        attachEvaluator(*main, *evaluator);
        attachShell(*main, *about, *evaluator, *preferences);
    }
    // Declared in creation order: the dialogs go before the main window that parents them.
    std::unique_ptr<SettingsStore> store;
    std::unique_ptr<TCalculator> main;
    std::unique_ptr<TAbout> about;
    std::unique_ptr<TEvaluator> evaluator;
    std::unique_ptr<TPreForm> preferences;
};

void typeNumber(TCalculator& main, std::initializer_list<KeypadKey> keys) {
    for (KeypadKey key : keys)
        main.pressKeypadKey(key);
    main.releaseAllKeys(); // no key is left drawn pressed
}

void enterStatistics(TCalculator& main) {
    TStatisticsPanel& panel = *main.statisticsPanel();
    const auto keys = statisticsKeys();
    for (Extended x : {2.5L, 4.0L, 7.25L, 9.0L, 12.0L}) {
        main.calculator().loadOperand(x);
        panel.bpStatClick(keys[0]); // the Enter key
    }
    panel.bpStatClick(keys[2]); // the mean, so the display shows a result of the list
}

void chooseLength(TCalculator& main) {
    TConversionPanel& panel = *main.conversionPanel();
    panel.selectGroup(0);
    panel.cbViborClick();
    // One unit into another, so the lists show two different units and the display the result.
    if (auto* lower = main.findChild<QComboBox*>(QStringLiteral("cb2"))) lower->setCurrentIndex(1);
    main.calculator().loadOperand(1);
    panel.RxSpeedButton8Click();
}

struct View {
    const char* name;
    // False where the window has the same texts in both languages.
    bool translated;
    QWidget* (*window)(Windows&);
    // Run once the main window and `window` are on screen, as a user would act on them.
    void (*prepare)(Windows&);
};

QWidget* mainWindow(Windows& w) { return w.main.get(); }

const View kViews[] = {
    {"main", true, mainWindow, [](Windows&) {}},
    {"memory", true, mainWindow,
     [](Windows& w) { typeNumber(*w.main, {KeypadKey::Digit4, KeypadKey::Digit2, KeypadKey::MPlus}); }},
    {"scientific", true, mainWindow, [](Windows& w) { w.main->miScienceClick(); }},
    {"statistics", true, mainWindow,
     [](Windows& w) {
         w.main->miStatistClick();
         enterStatistics(*w.main);
     }},
    {"conversion", true, mainWindow,
     [](Windows& w) {
         w.main->miConvertClick();
         chooseLength(*w.main);
     }},
    {"conversion-scientific", true, mainWindow,
     [](Windows& w) {
         w.main->miConvertClick();
         w.main->miScienceClick();
         chooseLength(*w.main);
     }},
    {"evaluator", true, [](Windows& w) -> QWidget* { return w.evaluator.get(); },
     [](Windows& w) {
         w.evaluator->setExpression(QStringLiteral("sum(1,100,i*i)"));
         w.evaluator->bpEvaluateClick();
     }},
    {"preferences", true, [](Windows& w) -> QWidget* { return w.preferences.get(); }, [](Windows&) {}},
    {"about", false, [](Windows& w) -> QWidget* { return w.about.get(); },
     [](Windows& w) {
         // The credits scroll from below the panel: stop them with the first lines in view.
         CreditsScroller& credits = *w.about->scroller();
         credits.stop();
         while (credits.offset() < credits.height() - 6)
             credits.step();
     }},
};

QString fileName(const View& view, const LanguageRow& language) {
    return QStringLiteral("%1-%2.png").arg(QLatin1String(view.name), QLatin1String(language.suffix));
}

// Lets the events run for `ms`, long enough for the housekeeping tick that settles the focus.
void settle(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

bool showAndWait(QWidget& window) {
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && clock.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
    settle(150);
    return window.windowHandle() && window.windowHandle()->isExposed();
}

bool oneColour(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb first = argb.pixel(0, 0);
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (line[x] != first) return false;
    }
    return true;
}

int fail(const QString& file, const char* why) {
    std::fprintf(stderr, "orvantis-screenshots: %s: %s\n", qPrintable(file), why);
    return 1;
}

int render(const View& view, const LanguageRow& language, const QDir& folder, const QTemporaryDir& scratch) {
    const QString file = fileName(view, language);
    Windows windows(scratch.filePath(file + QStringLiteral(".conf")), language.language);
    if (!showAndWait(*windows.main)) return fail(file, "the main window did not come on screen");
    QWidget& target = *view.window(windows);
    if (&target != windows.main.get() && !showAndWait(target)) return fail(file, "the window did not come on screen");
    view.prepare(windows);
    settle(150);
    const QImage image = target.grab().toImage();
    if (image.isNull() || oneColour(image)) return fail(file, "the window rendered empty (one colour)");
    if (!image.save(folder.filePath(file), "PNG")) return fail(file, "could not save the picture");
    std::printf("%s\n", qPrintable(folder.filePath(file)));
    return 0;
}

// Reads a picture back as a PNG by its content, not its name; a null image when it is not one.
QImage readPng(const QString& path) {
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    if (reader.format() != "png") return {};
    return reader.read();
}

// Every view's two pictures: present, PNG, of a window's size, not blank, and (where the window
// is translated) different from each other.
int check(const QDir& folder) {
    int failures = 0;
    for (const View& view : kViews) {
        QImage pictures[std::size(kLanguages)];
        for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
            const QString file = fileName(view, kLanguages[i]);
            const QImage image = readPng(folder.filePath(file));
            if (image.isNull()) {
                failures += fail(file, "missing or not a PNG");
            } else if (image.width() < 150 || image.height() < 100 || image.width() > 1200 || image.height() > 900) {
                failures += fail(file, "not of a window's size");
            } else if (oneColour(image)) {
                failures += fail(file, "one colour");
            }
            pictures[i] = image;
        }
        if (view.translated && !pictures[0].isNull() && pictures[0] == pictures[1])
            failures += fail(QString::fromLatin1(view.name), "the same in English and Russian");
    }
    return failures == 0 ? 0 : 1;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform warns about a window feature it lacks for every window shown; every
// other message goes through.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support propagateSizeHints"))) return;
    defaultHandler(type, context, message);
}

} // namespace

int main(int argc, char** argv) {
    const QStringList args = [&] {
        QStringList list;
        for (int i = 1; i < argc; ++i)
            list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const bool checking = !args.isEmpty() && args.first() == QLatin1String("--check");
    if (args.size() != (checking ? 2 : 1) || args.last().startsWith(QLatin1Char('-'))) {
        std::fprintf(stderr, "usage: orvantis-screenshots FOLDER\n"
                             "       orvantis-screenshots --check FOLDER\n");
        return 2;
    }
    QDir folder(args.last());

    // Offscreen unless a platform is asked for, and never the user's settings or toolkit state.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir scratch;
    if (!scratch.isValid()) return fail(QStringLiteral("temporary folder"), "could not be made");
    qputenv("HOME", scratch.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_RUNTIME_DIR", scratch.path().toUtf8());
    defaultHandler = qInstallMessageHandler(quietHandler);

    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orvantis"));
    QApplication::setApplicationName(QStringLiteral("Orvantis"));
    if (checking) return check(folder);

    // The same look wherever it runs: no desktop theme, one font, a caret that does not blink.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QApplication::setCursorFlashTime(0);

    if (!folder.mkpath(QStringLiteral("."))) return fail(folder.path(), "could not make the folder");
    int failures = 0;
    for (const View& view : kViews)
        for (const LanguageRow& language : kLanguages)
            failures += render(view, language, folder, scratch);
    return failures == 0 ? 0 : 1;
}
