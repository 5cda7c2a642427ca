# The Debian package of everything `cmake --install` puts under /usr (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tidewell)
set(CPACK_PACKAGE_VENDOR "The Tidewell developers")
set(CPACK_PACKAGE_CONTACT "The Tidewell developers <developers@tidewell.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "remove an app bundle and the files it left behind")
# Debian shows the description as it is written: lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION [[
Tidewell removes an application bundle, a folder whose name ends in .app,
together with everything the application left behind in the user's library
folders: support data, preferences, caches, logs, containers, saved state and
web storage. It lists what it found by category, safety level and size, and
moves what the user selects to the Trash.
This package holds the window (tidewell) and the command line (tidewell-cli).]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The QML modules the window imports and the SVG image plugin are loaded at run time, so
# dpkg-shlibdeps cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, qml6-module-qtqml-workerscript, qml6-module-qtquick, qml6-module-qtquick-controls, \
qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-window, \
qml6-module-qtquick-dialogs, qml6-module-qtquick-shapes, qml6-module-qtqml-models, \
qt6-image-formats-plugins")
# The file index and the file-type icons are used when present.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "plocate, adwaita-icon-theme, squashfs-tools, dconf-cli")

include(CPack)
