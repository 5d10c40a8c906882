# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Orvantis developers
#
# cmake -DVALIDATOR=<appstreamcli> -DFILE=<metainfo file> -P validate_metainfo.cmake
# Errors and warnings fail, by exit status or by an E:/W: line in case a future appstreamcli
# stops counting warnings as failure; infos (such as the plain-http home page) are accepted.
if(NOT VALIDATOR)
    message(FATAL_ERROR "appstreamcli was not found at configure time; install appstream")
endif()
execute_process(COMMAND "${VALIDATOR}" validate --no-net --no-color "${FILE}"
    RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
message("${output}")
if(NOT status EQUAL 0 OR output MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "appstreamcli reported errors or warnings for ${FILE} (exit status ${status})")
endif()
