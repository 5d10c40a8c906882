#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
# Presses physical keys through XTest, by key code, as a keyboard would: whatever layout the
# X server has switched on decides what they type. "ctrl+N" holds Ctrl around key code N.
# Usage: press_keys.py CODE|ctrl+CODE ...
import sys
import time

from Xlib import X, XK, display
from Xlib.ext import xtest

screen = display.Display()
ctrl = screen.keysym_to_keycode(XK.XK_Control_L)


def press(code, held=None):
    if held:
        xtest.fake_input(screen, X.KeyPress, held)
    xtest.fake_input(screen, X.KeyPress, code)
    xtest.fake_input(screen, X.KeyRelease, code)
    if held:
        xtest.fake_input(screen, X.KeyRelease, held)
    screen.sync()
    time.sleep(0.05)


for word in sys.argv[1:]:
    if word.startswith("ctrl+"):
        press(int(word[5:]), ctrl)
    else:
        press(int(word))
