# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# cmake -DPROGRAM=<orvantis> -DPAGE=<page> -P man_page_options.cmake
#   or -DHELP_FILE=<text> instead of PROGRAM, to check a given usage text.
# Every option that the program's --help prints must appear in the manual page, so that an
# option added to the program without documentation fails here.
if(HELP_FILE)
    file(READ "${HELP_FILE}" help)
else()
    execute_process(COMMAND "${PROGRAM}" --help
        RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE help_errors)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "${PROGRAM} --help failed (exit status ${status}):\n${help_errors}")
    endif()
endif()

# An option starts a word: "-h", "--eval", "-session"; "unit-conversion" is not one. Brackets
# and bars become blanks first, as a bracket would also upset CMake's lists.
string(REGEX REPLACE "[][(|,]" " " words "${help}")
string(REGEX MATCHALL "[ \t\n]--?[A-Za-z][A-Za-z0-9-]*" found "\n${words}")
set(options "")
foreach(match IN LISTS found)
    string(SUBSTRING "${match}" 1 -1 option)
    list(APPEND options "${option}")
endforeach()
list(REMOVE_DUPLICATES options)
list(LENGTH options count)
if(count EQUAL 0)
    message(FATAL_ERROR "found no options in the usage text; has its layout changed?\n${help}")
endif()

# The page as plain words: "\-" is a dash, and font and break escapes vanish.
file(READ "${PAGE}" page)
string(REPLACE "\\-" "-" page "${page}")
string(REGEX REPLACE "\\\\f(\\[[^]]*\\]|\\(..|.)" "" page "${page}")
string(REGEX REPLACE "\\\\[%&]" "" page "${page}")

set(missing "")
foreach(option IN LISTS options)
    if(NOT "\n${page}\n" MATCHES "[^A-Za-z0-9-]${option}[^A-Za-z0-9-]")
        list(APPEND missing "${option}")
    endif()
endforeach()
if(missing)
    list(JOIN missing " " missing)
    message(FATAL_ERROR "options in the usage text but not in ${PAGE}: ${missing}")
endif()
list(JOIN options " " options)
message("documented: ${options}")
