# What the desktop and the package manager need beside the program: the icon in the usual
# sizes, the AppStream metainfo, the man page, and the Debian package that `cpack -G DEB` makes
# from the install tree (scripts/build-package builds it and checks it with lintian).

# No domain is registered for the project yet: the AppStream id and its homepage are
# placeholders in the example.org domain until one is.
set(TABWRIGHT_APPSTREAM_ID org.example.tabwright)
set(TABWRIGHT_PACKAGE_MAINTAINER "The Tabwright developers <tabwright@example.org>"
    CACHE STRING "Maintainer named in the Debian package")

set(desktop_file ${PROJECT_SOURCE_DIR}/resources/tabwright.desktop)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(generated_dir ${CMAKE_CURRENT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${generated_dir})

# Menus and file managers pick a bitmap of the size they draw; the SVG stays the one source.
find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_svg ${PROJECT_SOURCE_DIR}/resources/images/tabwright.svg)
set(generated_files)
foreach(size 16 22 24 32 48 64 128 256)
    set(icon ${generated_dir}/tabwright-${size}.png)
    add_custom_command(OUTPUT ${icon}
        COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${icon} ${icon_svg}
        DEPENDS ${icon_svg} VERBATIM)
    list(APPEND generated_files ${icon})
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}x${size}/apps
        RENAME tabwright.png)
endforeach()

# Debian wants man pages and changelogs compressed to the maximum and without a timestamp, so
# that the same sources make the same package.
function(tabwright_gzip source destination)
    get_filename_component(name ${source} NAME)
    set(copy ${generated_dir}/${name})
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
        COMMAND gzip -9nf ${copy}
        DEPENDS ${source} VERBATIM)
    set(generated_files ${generated_files} ${copy}.gz PARENT_SCOPE)
    install(FILES ${copy}.gz DESTINATION ${destination})
endfunction()
tabwright_gzip(${packaging_dir}/tabwright.1 share/man/man1)
tabwright_gzip(${packaging_dir}/changelog share/doc/tabwright)
# Built with the program, so that installing after building only the program finds them.
add_custom_target(tabwright_desktop_files DEPENDS ${generated_files})
add_dependencies(tabwright tabwright_desktop_files)
install(FILES ${packaging_dir}/copyright DESTINATION share/doc/tabwright)

# The metainfo lists the media types of the launcher entry's MimeType line (file(STRINGS)
# hands the line over with its semicolons escaped).
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${desktop_file} ${packaging_dir}/changelog)
file(STRINGS ${desktop_file} mime_line REGEX "^MimeType=")
string(REGEX MATCHALL "[^=;\\]+/[^;\\]+" mime_types "${mime_line}")
list(TRANSFORM mime_types PREPEND "    <mediatype>")
list(TRANSFORM mime_types APPEND "</mediatype>")
list(JOIN mime_types "\n" TABWRIGHT_MEDIATYPES)
set(metainfo ${generated_dir}/${TABWRIGHT_APPSTREAM_ID}.metainfo.xml)
configure_file(${packaging_dir}/tabwright.metainfo.xml.in ${metainfo} @ONLY)
install(FILES ${metainfo} DESTINATION share/metainfo)

# A version bump must come with its entry in the release list and the changelog.
function(tabwright_require_release file pattern)
    file(READ ${file} content)
    string(REGEX MATCH "${pattern}" found "${content}")
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "The newest release in ${file} is '${CMAKE_MATCH_1}', "
            "the project's version ${PROJECT_VERSION}")
    endif()
endfunction()
tabwright_require_release(${packaging_dir}/tabwright.metainfo.xml.in
    "<releases>[ \n]*<release version=\"([^\"]*)\"")
tabwright_require_release(${packaging_dir}/changelog "^tabwright \\(([^)]*)\\)")

if(TABWRIGHT_BUILD_TESTS)
    find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
    find_program(APPSTREAMCLI appstreamcli REQUIRED)
    add_test(NAME desktop_file_validate COMMAND ${DESKTOP_FILE_VALIDATE} ${desktop_file})
    # Without the network: the placeholder homepage and screenshot are not reachable.
    add_test(NAME appstream_validate
        COMMAND ${APPSTREAMCLI} validate --no-net --pedantic --explain ${metainfo})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tabwright)
set(CPACK_PACKAGE_VENDOR "The Tabwright developers")
set(CPACK_PACKAGE_CONTACT "${TABWRIGHT_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for comma-, semicolon- and tab-separated tables")
set(CPACK_PACKAGE_DESCRIPTION "\
Tabwright edits delimited text tables: CSV files and their semicolon- and
tab-separated kin. Files are read and written in the encoding, separator,
line ending and quoting the user chooses, every change can be undone, and
tables of a million rows stay quick to scroll, search, sort and filter.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION editors)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The icons are SVG, drawn by Qt's SVG plugins, which the binary does not link to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
# Our own texts are built in; Qt's (standard buttons, key names) come from the system.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
