# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Fails unless ICONS/N/talven.png is a PNG of N x N pixels for every N of SIZES.
if(NOT SIZES)
    message(FATAL_ERROR "no icon sizes given")
endif()
foreach(size IN LISTS SIZES)
    set(png ${ICONS}/${size}/talven.png)
    file(READ ${png} header LIMIT 24 HEX)
    # The PNG signature, then the IHDR chunk: width and height, 4 bytes each.
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR expected "${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(REGEX REPLACE "^0x" "" expected "${expected}")
    string(LENGTH "${expected}" length)
    foreach(pad RANGE ${length} 7)
        string(PREPEND expected 0)
    endforeach()
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width STREQUAL expected
       OR NOT height STREQUAL expected)
        message(FATAL_ERROR "${png}: ${signature} ${width} x ${height}, expected ${size} px")
    endif()
endforeach()
