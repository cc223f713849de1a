# The Debian package (cpack -G DEB): what `cmake --install` puts under /usr,
# with the libraries it links found by dpkg-shlibdeps and the plugins Qt
# loads at run time named by hand.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillon-stickwell)
set(CPACK_PACKAGE_VENDOR Zevcraft)
set(CPACK_PACKAGE_CONTACT "Zevcraft <packages@zevcraft.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design and print labels, disc labels and folded cards")
# The summary above is the synopsis line; this is the extended description.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Quillon Stickwell places text, bar codes, arc text, pictures, lines and
shapes on the regions of a design and prints it onto sheets of label or
card stock: one design per cell, any number of copies, from any start cell,
on one or both sides, with text that varies per label from counters, lists,
CSV files or databases.
.
The package holds the desktop program (stickwell), the command-line front
end for scripts and servers (stickwell-cli), example designs, layout files
and the user guide. With glabels-data installed, the stocks it describes are
offered as layouts too.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://stickwell.zevcraft.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded as plugins, so no linked library names them: the SQLite driver of the
# personal databases, TIFF and other picture formats, the window system plugins.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-image-formats-plugins, qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "glabels-data, xdg-utils, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
