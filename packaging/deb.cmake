# The Debian package: `cmake --build build --target package` writes
# build/tandara_<version>_<architecture>.deb, installing under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tandara)
set(CPACK_PACKAGE_VENDOR "Il team di Tandara")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Mantiene identici due alberi di cartelle")
# The long description, one line of the control file per line here.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Tandara confronta una cartella di origine e una di destinazione, elenca"
  "i file che ha soltanto una delle due e quelli che differiscono per"
  "dimensione o data di ultima modifica, e copia o elimina i file scelti.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Folders in the package are 0755 whatever the umask of the build.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Il team di Tandara <info@tandara.example.org>")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tandara.example.org)
# The libraries come from dpkg-shlibdeps; the window-system plugins are
# loaded at run time, where it cannot see them, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)

include(CPack)
