# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when TS, the translation file, is not what LUPDATE makes of SOURCES
# with OPTIONS (a text new in the code, or one gone from it), or when a
# translation in it is unfinished.
file(READ ${TS} committed)
if(committed MATCHES "type=\"(unfinished|vanished|obsolete)\"")
    message(FATAL_ERROR "${TS} has a translation of type ${CMAKE_MATCH_1}: translate it")
endif()
get_filename_component(name ${TS} NAME)
file(COPY_FILE ${TS} ${WORK}/${name})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${SOURCES} -ts ${WORK}/${name}
                OUTPUT_VARIABLE output ERROR_VARIABLE output RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "lupdate failed: ${output}")
endif()
file(READ ${WORK}/${name} updated)
if(NOT updated STREQUAL committed)
    message(FATAL_ERROR "${TS} is behind the code (${output}): run "
                        "`cmake --build build/asan --target update_translations`, "
                        "then translate what it marks unfinished")
endif()
