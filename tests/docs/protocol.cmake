# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Plays the teachers' protocol with DRIVER for every liquid of the table in DOC
# and fails where the table and the program disagree: both tubes filled from
# empty with 15 presses each (mark 5), the tap open for the stated ticks, the
# falls read to 0,05 of a division as a student reads them, the result the
# program computes from those readings, the results of runs up to seven
# ticks (one second) shorter or longer, and the latest safe closing: the tick
# in which a tube runs dry, given with its seconds.

# Fall of a column from mark 5 (top 840 twips), read to the nearest 0,05 of a
# division (30 twips), in hundredths of a division.
function(read_fall top out)
    string(REGEX REPLACE "\\..*" "" whole "${top}") # the fraction never changes the rounding
    math(EXPR units "(${whole} - 840 + 15) / 30")
    math(EXPR hundredths "${units} * 5")
    set(${out} ${hundredths} PARENT_SCOPE)
endfunction()

# Hundredths as the exercise writes them: 385 -> 3,85; 160 -> 1,6; 100 -> 1.
function(decimal hundredths out)
    math(EXPR whole "${hundredths} / 100")
    math(EXPR rest "${hundredths} % 100")
    if(rest EQUAL 0)
        set(text ${whole})
    elseif(rest LESS 10)
        set(text "${whole},0${rest}")
    else()
        string(REGEX REPLACE "0$" "" rest "${rest}")
        set(text "${whole},${rest}")
    endif()
    set(${out} ${text} PARENT_SCOPE)
endfunction()

# "2,363" -> 2363, for comparing results.
function(thousandths text out)
    string(REGEX MATCH "^([0-9]+),?([0-9]*)$" _ "${text}")
    string(SUBSTRING "${CMAKE_MATCH_2}000" 0 3 fraction)
    math(EXPR value "${CMAKE_MATCH_1} * 1000 + 1${fraction} - 1000")
    set(${out} ${value} PARENT_SCOPE)
endfunction()

function(play script out)
    file(WRITE ${WORK}/protocol.script "${script}")
    execute_process(COMMAND ${DRIVER} ${WORK}/protocol.script OUTPUT_VARIABLE dumps
                    RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "talven-scenario exited with ${status} on:\n${script}")
    endif()
    string(STRIP "${dumps}" dumps)
    string(REPLACE "\n" ";" dumps "${dumps}")
    set(${out} "${dumps}" PARENT_SCOPE)
endfunction()

function(check what expected actual)
    if(NOT "${expected}" STREQUAL "${actual}")
        message(SEND_ERROR "${liquid}: ${what} is ${actual}, the table says ${expected}")
    endif()
endfunction()

set(ticks_per_second 7) # the flow's tick is 1/7 s
string(REPEAT "fill left\nfill right\n" 15 fill_both)
file(STRINGS ${DOC} rows ENCODING UTF-8 REGEX "^\\| [^|]+ \\| [0-9,.]+ \\| [0-9]+ (такт|tick)")
if(TS) # the English document: its rows told in Russian, names as TS translates them
    file(READ ${TS} translations)
    set(english_rows "${rows}")
    set(rows "")
    foreach(row IN LISTS english_rows)
        string(REGEX MATCH "^\\| ([^|]+) \\|(.*)$" _ "${row}")
        set(shown "${CMAKE_MATCH_1}")
        set(rest "${CMAKE_MATCH_2}")
        string(REGEX REPLACE "([][()+*.?^$|\\])" "\\\\\\1" name "${shown}")
        string(REGEX MATCH "<source>([^<]+)</source>[ \n]*<translation>${name}</translation>"
               _ "${translations}")
        set(designed "${CMAKE_MATCH_1}")
        if(NOT designed)
            message(FATAL_ERROR "${DOC}: no liquid is shown as ${shown}")
        endif()
        string(REPLACE "." "," rest "${rest}")
        string(REGEX REPLACE " ticks?" " такт" rest "${rest}")
        string(REPLACE " s)" " с)" rest "${rest}")
        list(APPEND rows "| ${designed} |${rest}")
    endforeach()
endif()
list(LENGTH rows count)
play("dump\n" fresh)
string(JSON liquids LENGTH "${fresh}" List1)
if(NOT count EQUAL liquids)
    message(FATAL_ERROR "${DOC}: ${count} rows of the protocol's table, the program has ${liquids} liquids")
endif()
foreach(row IN LISTS rows)
    string(REGEX MATCH
           "^\\| ([^|]+) \\| [0-9,]+ \\| ([0-9]+) такт[^|]* \\| ([0-9,]+) \\| ([0-9,]+) \\| ([0-9,]+) \\| ([0-9,]+)–([0-9,]+) \\| ([0-9]+) такт[^|(]*\\(([0-9,]+) с\\) \\|"
           matched "${row}")
    if(NOT matched)
        message(FATAL_ERROR "${DOC}: cannot read the row\n${row}")
    endif()
    set(liquid ${CMAKE_MATCH_1})
    set(ticks ${CMAKE_MATCH_2})
    set(table_l0 ${CMAKE_MATCH_3})
    set(table_ll ${CMAKE_MATCH_4})
    set(table_result ${CMAKE_MATCH_5})
    set(table_lowest ${CMAKE_MATCH_6})
    set(table_highest ${CMAKE_MATCH_7})
    set(table_latest ${CMAKE_MATCH_8})
    set(table_latest_seconds ${CMAKE_MATCH_9})

    # Levels after ticks - 7, then after each further tick up to ticks + 7.
    math(EXPR first "${ticks} - 7")
    string(REPEAT "open\ntick\nclose\ndump\n" 14 steps)
    play("pick ${liquid}\n${fill_both}open\ntick ${first}\nclose\ndump\n${steps}" levels)
    set(readings "")
    set(stated_l0 "")
    foreach(step RANGE 14)
        list(GET levels ${step} dump)
        string(JSON water GET "${dump}" voda1 top)
        string(JSON test GET "${dump}" voda2 top)
        read_fall(${water} l0)
        read_fall(${test} ll)
        decimal(${l0} l0)
        decimal(${ll} ll)
        string(APPEND readings "lo ${l0}\nll ${ll}\ncompute\n")
        if(step EQUAL 7)
            check("l0" "${table_l0}" "${l0}")
            check("l'" "${table_ll}" "${ll}")
        endif()
    endforeach()

    # The program's results from those readings.
    play("pick ${liquid}\n${readings}dump\n" results)
    string(JSON index GET "${results}" zhidkost)
    string(JSON stated GET "${results}" List1 ${index} 7)
    check("l0 / l'" "${table_result}" "${stated}")
    set(lowest 999999)
    set(highest 0)
    foreach(step RANGE 14)
        string(JSON result GET "${results}" List1 ${index} ${step})
        thousandths(${result} value)
        if(value LESS lowest)
            set(lowest ${value})
            set(lowest_text ${result})
        endif()
        if(value GREATER highest)
            set(highest ${value})
            set(highest_text ${result})
        endif()
    endforeach()
    check("the lowest result within a second" "${table_lowest}" "${lowest_text}")
    check("the highest result within a second" "${table_highest}" "${highest_text}")

    # The latest safe closing: both tubes still hold liquid a tick before,
    # one has run dry in it (water at 30 twips or less, the test liquid at 15).
    math(EXPR before "${table_latest} - 1")
    play("pick ${liquid}\n${fill_both}open\ntick ${before}\nclose\ndump\nopen\ntick\nclose\ndump\n"
         closings)
    set(dry "")
    foreach(dump IN LISTS closings)
        string(JSON water GET "${dump}" voda1 height)
        string(JSON test GET "${dump}" voda2 height)
        if(water LESS_EQUAL 30 OR test LESS_EQUAL 15)
            list(APPEND dry yes)
        else()
            list(APPEND dry no)
        endif()
    endforeach()
    check("a tube dry (a tick before the latest closing; at it)" "no;yes" "${dry}")
    math(EXPR tenths "(${table_latest} * 100 / ${ticks_per_second} + 5) / 10")
    math(EXPR whole "${tenths} / 10")
    math(EXPR tenth "${tenths} % 10")
    check("the latest closing in seconds" "${table_latest_seconds}" "${whole},${tenth}")
endforeach()
