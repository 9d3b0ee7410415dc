# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Plays SCRIPT with DRIVER, whose `expect` lines must hold, and compares what
# it prints with SCRIPT's .expected file.
string(REGEX REPLACE "\\.script$" ".expected" expected_file "${SCRIPT}")
execute_process(COMMAND ${DRIVER} ${SCRIPT} OUTPUT_VARIABLE actual ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "talven-scenario exited with ${status}: ${errors}")
endif()
set(expected "") # a script that dumps nothing says what it expects in its lines
if(EXISTS ${expected_file})
    file(READ ${expected_file} expected)
endif()
if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "The dumps differ from ${expected_file}\nexpected:\n${expected}\nactual:\n${actual}")
endif()
