// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Orvantis developers

// The floor for start-up figures: an empty Qt Widgets window of the calculator's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(246, 216);
    window.show();
    return QApplication::exec();
}
