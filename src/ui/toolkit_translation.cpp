// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

#include "toolkit_translation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QTranslator>

namespace orv {
namespace {

// One translator for the whole application; the application owns it once installed.
QPointer<QTranslator>& installed() {
    static QPointer<QTranslator> translator;
    return translator;
}

} // namespace

bool applyToolkitLanguage(int language) {
    return applyToolkitLanguage(language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

bool applyToolkitLanguage(int language, const QString& folder) {
    QPointer<QTranslator>& translator = installed();
    if (language == 0 && translator) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    } else if (language == 1 && !translator && QCoreApplication::instance()) {
        // The main window reapplies its language often; only a change of language costs anything.
        auto* russian = new QTranslator(QCoreApplication::instance());
        if (russian->load(QStringLiteral("qtbase_ru"), folder) && QCoreApplication::installTranslator(russian))
            translator = russian;
        else
            delete russian;
    }
    return !translator.isNull();
}

} // namespace orv
