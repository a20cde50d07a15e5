# Debian packages, one per component: `make package` (see the Makefile) builds them into
# build/packages. Shared-library dependencies come from the binaries (dpkg-shlibdeps); what
# the programs load at run time without linking it (SQLCipher, GStreamer's plugins, the fonts
# they ask for by name) is listed here.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME safedrive)
set(CPACK_PACKAGE_VENDOR "SafeDrive developers")
set(CPACK_PACKAGE_CONTACT "SafeDrive developers <safedrive@example.org>")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL light heavy common bank)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_COMMON_PACKAGE_ARCHITECTURE all)

set(version ${PROJECT_VERSION})
set(runtime "libsqlcipher0, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-wqy-microhei, \
fonts-arphic-uming, fonts-dejavu-core")
foreach(edition light heavy)
  string(TOUPPER ${edition} key)
  set(CPACK_DEBIAN_${key}_PACKAGE_NAME safedrive-${edition})
  set(CPACK_DEBIAN_${key}_PACKAGE_DEPENDS "safedrive-common (= ${version}), ${runtime}")
endforeach()
set(CPACK_DEBIAN_COMMON_PACKAGE_NAME safedrive-common)
set(CPACK_DEBIAN_BANK_PACKAGE_NAME safedrive-bank)
set(CPACK_DEBIAN_BANK_PACKAGE_DEPENDS libsqlcipher0)

# Extended descriptions keep to 72 columns for Debian's tools.
set(about "SafeDrive is a study and mock-examination program for subject four of
the Chinese driving-licence theory test (safe and civilised driving):
practice in the bank's order, by chapter, with animations or
multiple-choice questions, and a timed mock examination.")
set(CPACK_COMPONENT_LIGHT_DESCRIPTION "driving theory test trainer for small cars
${about}

This package holds the edition for small cars, safedrive-light, with its
question bank.")
set(CPACK_COMPONENT_HEAVY_DESCRIPTION "driving theory test trainer for buses and lorries
${about}

This package holds the edition for buses and lorries, safedrive-heavy,
with its question bank.")
set(CPACK_COMPONENT_COMMON_DESCRIPTION "driving theory test trainer - shared pictures and clips
${about}

This package holds the traffic-sign pictures, scenes and animation clips
both editions show.")
set(CPACK_COMPONENT_BANK_DESCRIPTION "question-bank tool for the SafeDrive driving theory trainer
${about}

This package holds safedrive-bank, which builds a question bank from its
JSON source, prints a bank as such a source, and checks a bank against
its pictures and clips.")

include(CPack)
