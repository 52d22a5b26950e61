# The Debian package: `cpack -G DEB` in the build folder makes corvane_<version>_<arch>.deb from
# the install rules. Its Depends are worked out from the shared libraries the programs link.
set(CPACK_PACKAGE_NAME corvane)
set(CPACK_PACKAGE_VENDOR "The Corvane developers")
set(CPACK_PACKAGE_CONTACT "The Corvane developers <developers@corvane.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "transient waves on a transmission line, for teaching")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The window needs a platform plugin (X11, Wayland), which no library it links names; the help
# and about texts are set in the metric twin of Times New Roman.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
# The long description under the summary; CPack indents every line and turns the empty one into
# the control file's " .".
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Corvane shows how transient waves travel on an electrical transmission line.
A student sets up a source (DC, sine, cosine, a pulse, a pulse train, or off)
with its internal resistance, one line or two lines in cascade, and a load
(R, L, C, parallel RC, series RL, or R + jX), and watches the voltage and the
current leave the source, reflect at the load and at the junction, and build
up the final pattern, tick by tick.

corvane-trace runs the same engine without a window and prints CSV, ngspice
netlists, pictures of the plot, animated runs and lattice diagrams.")
include(CPack)
