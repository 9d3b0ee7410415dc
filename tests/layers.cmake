# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails when a file includes a header of a layer above its own. The layers,
# each a library whose link line runs down only:
#   app -> ui -> sim -> (scene, measure), and scenario -> sim
cmake_minimum_required(VERSION 3.25)
set(below_scene scene)
set(below_measure measure)
set(below_sim sim scene measure)
set(below_ui ui sim scene measure)
set(below_app app ui sim scene measure)
set(below_scenario scenario sim scene measure)
set(crossings "")
foreach(layer IN ITEMS scene measure sim ui app scenario)
    file(GLOB sources ${ROOT}/${layer}/*.h ${ROOT}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${source} includes REGEX "^#include \"[a-z]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^#include \"([a-z]+)/.*" "\\1" target "${line}")
            if(NOT target IN_LIST below_${layer})
                string(APPEND crossings "\n  ${source}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()
if(crossings)
    message(FATAL_ERROR "Includes against the layers:${crossings}")
endif()
