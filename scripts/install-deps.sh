#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Installs the Debian 12 packages Quillbill needs to build and run, when any
# of them is missing; with the argument "test" also those its tests need (a
# CUPS print server with the cups-pdf printer, poppler to read PDFs back,
# aiosmtpd for a local SMTP server, openssl for test certificates, a session
# bus with gnome-keyring for a private keyring, and the validators of the
# desktop entry and the AppStream file, and locales to make a French one for
# the test of a French desktop, and PostgreSQL, of which the tests start a
# private cluster); with "package" also those that make
# and check the Debian packages (dpkg-buildpackage with debhelper, which
# with the packages above are what debian/control's Build-Depends name;
# lintian, and the same validators for the packaged files). Uses sudo when
# not run as root.
# QtKeychain reaches the keyring through libsecret, which it loads at run
# time; Qt reaches a PostgreSQL server through its QPSQL driver. Qt's
# linguist tools make the translations; Qt's own translations of its
# dialogs and buttons come with qt6-translations-l10n. The report engine
# writes PDF files with cairo, shaping their text with HarfBuzz in fonts
# that fontconfig finds and FreeType reads.
set -eu

packages="cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev sqlite3
libgtest-dev libgmock-dev libbenchmark-dev fonts-liberation2 fonts-dejavu-core xdg-utils clang libclang-rt-14-dev
libcurl4-openssl-dev ca-certificates qtkeychain-qt6-dev libsecret-1-0 libsodium-dev libqt6sql6-psql
qt6-l10n-tools qt6-tools-dev qt6-translations-l10n libcairo2-dev libharfbuzz-dev libfreetype-dev libfontconfig-dev"
if [ "${1:-}" = "test" ]; then
    packages="$packages cups printer-driver-cups-pdf poppler-utils python3-aiosmtpd openssl dbus-daemon dbus-bin gnome-keyring
        desktop-file-utils appstream locales postgresql"
fi
if [ "${1:-}" = "package" ]; then
    packages="$packages build-essential dpkg-dev debhelper xz-utils lintian desktop-file-utils appstream"
fi

missing=""
for package in $packages; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    case "$status" in
        *"install ok installed"*) ;;
        *) missing="$missing $package" ;;
    esac
done
if [ "$(id -u)" -eq 0 ]; then
    as_root=""
else
    as_root="sudo"
fi
if [ -n "$missing" ]; then
    echo "Installing:$missing"
    export DEBIAN_FRONTEND=noninteractive
    $as_root apt-get update
    # shellcheck disable=SC2086
    $as_root apt-get install -y --no-install-recommends $missing
fi

# The tests read amounts as a French-Canadian desktop types them.
if [ "${1:-}" = "test" ] && ! locale -a | grep -qix 'fr_CA.utf8'; then
    $as_root localedef -i fr_CA -f UTF-8 fr_CA.UTF-8
fi
