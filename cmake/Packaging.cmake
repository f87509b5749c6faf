# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# What the Debian packages take from the build besides the targets' own
# install rules: the man page. debian/ makes the packages (with debhelper,
# through scripts/build-packages.sh) and splits the installed files as
# Debian splits a program and its library:
#
#   quillbill           the program, its program-folder defaults, desktop files
#   libquirepress1      the report engine's shared library
#   libquirepress-dev   the engine's headers, CMake package and pkg-config file
#
# The install COMPONENTs "program", "library" and "development" follow the
# same split, for `cmake --install --component`.

set(packaging_dir "${CMAKE_BINARY_DIR}/packaging")
configure_file(packaging/Quillbill.1.in "${packaging_dir}/Quillbill.1" @ONLY)
# Installed as it is: dh_compress compresses it in the package.
install(FILES "${packaging_dir}/Quillbill.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1" COMPONENT program)
