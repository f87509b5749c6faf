# Debian packages of the program and its report engine, split as Debian
# splits a program and its library (cpack -G DEB, in build-package with the
# "package" preset; scripts/build-packages.sh runs it and lintian):
#
#   quillbill           the program, its program-folder defaults, desktop files
#   libquirepress1      the report engine's shared library
#   libquirepress-dev   the engine's headers, CMake package and pkg-config file
#
# The install COMPONENTs are "program", "library" and "development".

set(QUILLBILL_MAINTAINER "The Quillbill developers <quillbill@example.org>")
# The Debian revision of this packaging of PROJECT_VERSION.
set(QUILLBILL_DEBIAN_REVISION 1)
set(QUILLBILL_DEBIAN_VERSION "${PROJECT_VERSION}-${QUILLBILL_DEBIAN_REVISION}")
# The library's package is named after its SONAME, libquirepress.so.1.
set(library_package "libquirepress${PROJECT_VERSION_MAJOR}")

# The documents every package carries: the copyright file, the Debian
# changelog (compressed reproducibly, as Debian wants it) and the man page.
execute_process(COMMAND date -u -R -d "${QUILLBILL_RELEASE_DATE} 12:00"
    OUTPUT_VARIABLE QUILLBILL_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(packaging_dir "${CMAKE_BINARY_DIR}/packaging")
configure_file(packaging/copyright.in "${packaging_dir}/copyright" @ONLY)
configure_file(packaging/changelog.in "${packaging_dir}/changelog.Debian" @ONLY)
configure_file(packaging/Quillbill.1.in "${packaging_dir}/Quillbill.1" @ONLY)
find_program(GZIP_EXECUTABLE gzip REQUIRED)
foreach(document changelog.Debian Quillbill.1)
    add_custom_command(OUTPUT "${packaging_dir}/${document}.gz"
        COMMAND "${GZIP_EXECUTABLE}" -9 -n -f -k "${packaging_dir}/${document}"
        DEPENDS "${packaging_dir}/${document}" VERBATIM)
endforeach()
add_custom_target(package_documents ALL
    DEPENDS "${packaging_dir}/changelog.Debian.gz" "${packaging_dir}/Quillbill.1.gz")

install(FILES "${packaging_dir}/Quillbill.1.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT program)
foreach(component_package IN ITEMS program:quillbill library:${library_package} development:libquirepress-dev)
    string(REPLACE ":" ";" component_package "${component_package}")
    list(GET component_package 0 component)
    list(GET component_package 1 package)
    install(FILES "${packaging_dir}/copyright" "${packaging_dir}/changelog.Debian.gz"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/${package}" COMPONENT ${component})
    string(TOUPPER "${component}" component)
    set(CPACK_DEBIAN_${component}_PACKAGE_NAME ${package})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillbill)
set(CPACK_PACKAGE_VENDOR "The Quillbill developers")
set(CPACK_PACKAGE_CONTACT "${QUILLBILL_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${QUILLBILL_HOMEPAGE}")
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program library development)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${QUILLBILL_DEBIAN_REVISION})
set(CPACK_DEBIAN_PACKAGE_SOURCE quillbill)
set(CPACK_STRIP_FILES ON)
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/PackagingOptions.cmake")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Dependencies come from the binaries through dpkg-shlibdeps. The library
# ships a shlibs file, so that whatever is built against it depends on
# the library's package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS_POLICY ">=")
# The program is packaged while the library's package is not installed, so
# dpkg-shlibdeps would find neither the library nor its shlibs file. It
# looks for both in a package tree (a folder holding DEBIAN/) among its
# private library folders: this one holds the built library and the shlibs
# line the library package ships, and goes into no package.
set(shlibs_tree "${CMAKE_BINARY_DIR}/packaging/${library_package}")
set(shlibs_libdir "${shlibs_tree}/${CMAKE_INSTALL_LIBDIR}")
file(MAKE_DIRECTORY "${shlibs_tree}/DEBIAN" "${shlibs_libdir}")
file(WRITE "${shlibs_tree}/DEBIAN/shlibs"
    "libquirepress ${PROJECT_VERSION_MAJOR} ${library_package} (>= ${QUILLBILL_DEBIAN_VERSION})\n")
file(CREATE_LINK "${QUILLBILL_PROGRAM_DIR}/libquirepress.so.${PROJECT_VERSION_MAJOR}"
    "${shlibs_libdir}/libquirepress.so.${PROJECT_VERSION_MAJOR}" SYMBOLIC)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS "${shlibs_libdir}")

set(CPACK_DEBIAN_PROGRAM_PACKAGE_SECTION misc)
# What the program loads or starts at run time, which dpkg-shlibdeps cannot
# see: Qt's SQLite driver, and its PostgreSQL driver for an office whose
# records are on a server, libsecret (QtKeychain opens it to reach the
# keyring), and xdg-utils for the help pages.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6sql6-psql, libsecret-1-0, xdg-utils")
# Qt's own translations of its standard buttons and dialogs, for a desktop
# in another language than English.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PROGRAM_PACKAGE_SUGGESTS "cups, gnome-keyring")
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "invoicing for small offices
Quillbill keeps your customers and their billing codes, writes numbered
invoices made of jobs, prints, previews and e-mails them with their two sales
taxes, tracks which invoices are paid and reports on them by customer.

Users log in, and functions such as the company details or removing a
customer can be kept for users of a higher security level. Everything lives
in one SQLite database file in the user's own program folder, with no server
to run; the program backs it up and restores it.")

set(CPACK_DEBIAN_LIBRARY_PACKAGE_SECTION libs)
# The engine writes its reports in Liberation's fonts (metric-compatible with
# Arial) and hands files and mail to the desktop with xdg-open and xdg-email.
set(CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "fonts-liberation2, xdg-utils")
# ldconfig runs through its dpkg trigger. (CPack's postinst and postrm call
# it as well: redundant, and harmless.)
set(CPACK_DEBIAN_LIBRARY_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/library/triggers")
set(CPACK_DEBIAN_LIBRARY_DESCRIPTION "banded report engine - shared library
Quirepress lays out reports made of sections holding positioned fields: a
program builds or loads a report definition, hands it values section by
section, and the engine lays out the pages for a preview window, a printer, a
PDF file, text, HTML or CSV files, or a mail message.

This package holds the shared library.")

set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_SECTION libdevel)
# The public headers include Qt's.
set(CPACK_DEBIAN_DEVELOPMENT_PACKAGE_DEPENDS "${library_package} (= ${QUILLBILL_DEBIAN_VERSION}), qt6-base-dev")
set(CPACK_DEBIAN_DEVELOPMENT_DESCRIPTION "banded report engine - development files
Quirepress lays out reports made of sections holding positioned fields: a
program builds or loads a report definition, hands it values section by
section, and the engine lays out the pages for a preview window, a printer, a
PDF file, text, HTML or CSV files, or a mail message.

This package holds the headers (include <quirepress/quirepress.h>), the CMake
package Quirepress and the pkg-config file quirepress.")

include(CPack)
