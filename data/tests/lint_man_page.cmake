# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# cmake -DMAN=<man> -DPAGE=<page> -P lint_man_page.cmake
# Formats the page the way Debian's lintian checks it; groff's warnings go to standard error
# while man still exits 0, so anything on standard error fails.
if(NOT MAN)
    message(FATAL_ERROR "man was not found at configure time; install man-db and groff-base")
endif()
set(ENV{LC_ALL} C.UTF-8)
set(ENV{MANROFFSEQ} "")
set(ENV{MANWIDTH} 80)
execute_process(COMMAND "${MAN}" --warnings -E UTF-8 -l -Tutf8 -Z "${PAGE}"
    RESULT_VARIABLE status OUTPUT_VARIABLE formatted ERROR_VARIABLE warnings)
if(warnings)
    message("${warnings}")
endif()
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    message(FATAL_ERROR "man reported problems formatting ${PAGE} (exit status ${status})")
endif()
if(formatted STREQUAL "")
    message(FATAL_ERROR "man produced no output for ${PAGE}")
endif()
