# SPDX-FileCopyrightText: 2026 Talven developers
# SPDX-License-Identifier: GPL-3.0-or-later

# What the program installs beside its executables, and the Debian package
# that carries it all (make package, scripts/package-test.sh).

# Desktop integration: the entry, the scalable icon and the AppStream metadata.
configure_file(data/talven.metainfo.xml.in ${PROJECT_BINARY_DIR}/org.talven.Talven.metainfo.xml
               @ONLY)
install(FILES data/talven.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES art/talven.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_BINARY_DIR}/org.talven.Talven.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Documents: the manual pages (English and Russian) and the changelog,
# compressed as Debian wants them (gzip -9, no name or time stamp), the
# copyright and the teachers' document.
file(STRINGS data/debian/changelog _changelog_top LIMIT_COUNT 1)
if(NOT _changelog_top MATCHES "^talven \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "data/debian/changelog has no entry for ${PROJECT_VERSION} on top")
endif()
set(_docdir ${CMAKE_INSTALL_DATADIR}/doc/talven)
foreach(compressed IN ITEMS man/talven.1 man/talven-scenario.1 man/ru/talven.1 debian/changelog)
    string(REGEX REPLACE "^(man|debian)/" "" _name ${compressed}) # ru/talven.1 keeps its folder
    set(_gz ${PROJECT_BINARY_DIR}/doc/${_name}.gz)
    get_filename_component(_dir ${_gz} DIRECTORY)
    add_custom_command(OUTPUT ${_gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_dir}
        COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/data/${compressed} > ${_gz}
        DEPENDS data/${compressed} VERBATIM)
    list(APPEND _compressed_docs ${_gz})
endforeach()
add_custom_target(talven-docs ALL DEPENDS ${_compressed_docs})
install(FILES ${PROJECT_BINARY_DIR}/doc/talven.1.gz ${PROJECT_BINARY_DIR}/doc/talven-scenario.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/ru/talven.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/ru/man1)
install(FILES ${PROJECT_BINARY_DIR}/doc/changelog.gz data/debian/copyright docs/model.md docs/model.en.md
        DESTINATION ${_docdir})

# make package: a Debian package whose library dependencies dpkg-shlibdeps computes.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME talven)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_PACKAGE_CONTACT "Talven developers <maintainers@talven.invalid>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "laboratory exercise: relative viscosity with a viscometer")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Talven is a desktop laboratory exercise for students of medicine. On screen
stands a two-tube viscometer with water and one of seven test liquids, from
acetone to blood; the student lets both columns fall, reads the falls off the
scales and has the program compute the relative viscosity and the mean of the
results for every liquid. The interface is in Russian, or in English where the
desktop's languages put English first.")
# Loaded at run time, so no linker dependency names them: the platform plugins,
# the SVG image plugin and the fonts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6, fonts-liberation2")
# Qt's own texts (a reading box's context menu) in Russian when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
