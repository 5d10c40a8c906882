# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers

# Runs the renderer into an emptied FOLDER, then asks for exactly the pictures listed here (a view
# dropped from the program or renamed fails) and has the program read each one back and check it.
foreach(var PROGRAM FOLDER)
    if(NOT DEFINED ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()

set(views main memory scientific statistics conversion conversion-scientific evaluator preferences about)
set(expected)
foreach(view IN LISTS views)
    foreach(lang en ru)
        list(APPEND expected "${view}-${lang}.png")
    endforeach()
endforeach()

file(REMOVE_RECURSE "${FOLDER}")
execute_process(COMMAND "${PROGRAM}" "${FOLDER}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the renderer failed (${status})")
endif()

file(GLOB written RELATIVE "${FOLDER}" "${FOLDER}/*")
list(SORT written)
list(SORT expected)
if(NOT written STREQUAL expected)
    message(FATAL_ERROR "pictures written:\n  ${written}\nexpected:\n  ${expected}")
endif()

execute_process(COMMAND "${PROGRAM}" --check "${FOLDER}" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the pictures failed the check (${status})")
endif()

# The check must see real damage: each of these alone, on a copy of the good folder, fails it.
function(expect_check_to_fail what damage)
    set(broken "${FOLDER}-broken")
    file(REMOVE_RECURSE "${broken}")
    file(COPY "${FOLDER}/" DESTINATION "${broken}")
    cmake_language(EVAL CODE "${damage}")
    execute_process(COMMAND "${PROGRAM}" --check "${broken}" RESULT_VARIABLE status OUTPUT_QUIET ERROR_QUIET)
    if(status EQUAL 0)
        message(FATAL_ERROR "the check passed ${what}")
    endif()
    file(REMOVE_RECURSE "${broken}")
endfunction()
expect_check_to_fail("with a picture missing" [[file(REMOVE "${broken}/about-ru.png")]])
expect_check_to_fail("with a file that is no picture" [[file(WRITE "${broken}/main-en.png" "not a picture")]])
expect_check_to_fail("with the English Evaluator in place of the Russian"
                     [[file(COPY_FILE "${broken}/evaluator-en.png" "${broken}/evaluator-ru.png")]])
