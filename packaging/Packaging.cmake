# What `cmake --install` puts in place, and the Debian package `cpack -G DEB` makes of it.
include(GNUInstallDirs)

install(TARGETS merowfish RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/merowfish.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The icons come from the asset generator; a build without it has none to install.
if(TARGET merow-assetgen)
    foreach(size 16 32 48 64 128 256)
        install(FILES ${MEROW_ASSET_DIR}/plain/merowfish-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME merowfish.png)
    endforeach()
endif()

# The manual page and the changelog go in compressed, as Debian wants them (gzip -9n: no name or
# time stamp inside, so the same source gives the same bytes).
set(MEROW_GZIPPED "")
foreach(source merowfish.6 changelog)
    set(gz ${CMAKE_BINARY_DIR}/packaging/${source}.gz)
    add_custom_command(OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND sh -c "gzip -9n -c \"$0\" > \"$1\"" ${CMAKE_CURRENT_LIST_DIR}/${source} ${gz}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${source}
        VERBATIM)
    list(APPEND MEROW_GZIPPED ${gz})
endforeach()
add_custom_target(merowfish-packaging-files ALL DEPENDS ${MEROW_GZIPPED})
install(FILES ${CMAKE_BINARY_DIR}/packaging/merowfish.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${CMAKE_CURRENT_LIST_DIR}/copyright
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The local help page the program's link opens, among its data (not under doc/,
# which minimal systems strip).
install(FILES ${PROJECT_SOURCE_DIR}/docs/help.html DESTINATION ${CMAKE_INSTALL_DATADIR}/merowfish)

# cpack packs what the build made: it does not run a whole build of its own (tests included) first.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME merowfish)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "merowfish developers <merowfish@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "three-dimensional aquarium for the desktop
A full-screen fish tank drawn with OpenGL: up to 50 fish of 20 kinds swim,
turn, keep apart and chase food pellets; a background picture shimmers
through rippling water; bubbles rise. The right mouse button opens the menu,
the middle button the tool bar. It also runs as a screensaver (-root,
-window-id).")
# The libraries come from the program itself; the music needs GStreamer's plugins, which nothing
# links against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-plugins-bad")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
