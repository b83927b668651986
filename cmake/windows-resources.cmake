# SPDX-FileCopyrightText: The netroute developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows program's icon, made from the desktop icon, and its version resource.
find_program(NETROUTE_RSVG_CONVERT rsvg-convert REQUIRED)
find_program(NETROUTE_ICOTOOL icotool REQUIRED)

set(NETROUTE_ICO ${CMAKE_CURRENT_BINARY_DIR}/netroute.ico)
set(icon_pngs)
foreach(size 16 24 32 48 64 256)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/icon-${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${NETROUTE_RSVG_CONVERT} -w ${size} -h ${size}
            -o ${png} ${PROJECT_SOURCE_DIR}/data/${NETROUTE_APP_ID}.svg
        DEPENDS ${PROJECT_SOURCE_DIR}/data/${NETROUTE_APP_ID}.svg VERBATIM)
    list(APPEND icon_pngs ${png})
endforeach()
add_custom_command(OUTPUT ${NETROUTE_ICO}
    COMMAND ${NETROUTE_ICOTOOL} -c -o ${NETROUTE_ICO} ${icon_pngs}
    DEPENDS ${icon_pngs} VERBATIM)
add_custom_target(netroute-icon DEPENDS ${NETROUTE_ICO})

configure_file(${PROJECT_SOURCE_DIR}/app/netroute.rc.in ${CMAKE_CURRENT_BINARY_DIR}/netroute.rc @ONLY)
target_sources(netroute PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/netroute.rc)
set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/netroute.rc
    PROPERTIES OBJECT_DEPENDS ${NETROUTE_ICO})
add_dependencies(netroute netroute-icon)
