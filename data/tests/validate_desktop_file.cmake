# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# cmake -DVALIDATOR=<desktop-file-validate> -DFILE=<desktop file> -P validate_desktop_file.cmake
# desktop-file-validate exits 0 on warnings, so its output is read as well: any error or
# warning line fails. Hints are shown but accepted.
if(NOT VALIDATOR)
    message(FATAL_ERROR "desktop-file-validate was not found at configure time; install desktop-file-utils")
endif()
execute_process(COMMAND "${VALIDATOR}" "${FILE}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(output)
    message("${output}")
endif()
if(NOT status EQUAL 0 OR output MATCHES "(error|warning):")
    message(FATAL_ERROR "desktop-file-validate reported errors or warnings for ${FILE} (exit status ${status})")
endif()
