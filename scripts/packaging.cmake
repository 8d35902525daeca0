# The Debian package: `cpack -G DEB` in a release build (scripts/package).
# Its dependencies are worked out by dpkg-shlibdeps from what the binaries
# link, the program's private libraries included.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvora)
set(CPACK_PACKAGE_VENDOR Kelvora)
set(CPACK_PACKAGE_CONTACT "Kelvora <support@kelvora.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "make-over imaging: try hairstyles, glasses and make-up on a photo")
set(CPACK_PACKAGE_DESCRIPTION "Kelvora shows a photo of a person and tries items on it (hairstyles,
glasses, moustaches, make-up and more) as layers that can be moved, scaled,
rotated, recoloured and edited. Finished looks go to a gallery and are printed.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Read at run time, so no library dependency names them: the face model.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libdlib-data")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/bin)
# Scanners and cameras through SANE's back ends; the program runs without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsane1")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "sane-utils")
include(CPack)
