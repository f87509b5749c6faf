#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Builds the Debian source package and the binary packages quillbill,
# libquirepress1 and libquirepress-dev (with their -dbgsym packages) from
# debian/ with dpkg-buildpackage, into build-package/, and checks them all
# with lintian --pedantic: an error or a warning fails; the rest (each tag
# the README's "Debian packages" section explains) is printed and kept in
# build-package/lintian.txt.
#
# The build runs in a copy of the work tree as it is now (the files git
# tracks or would track), build-package/quillbill-VERSION/, so that it
# writes nothing outside build-package/ and builds exactly what the source
# package holds.
#
# Install the packages with: sudo apt install ./build-package/*.deb
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

version=$(dpkg-parsechangelog -S Version)
upstream=$(dpkg-parsechangelog -S Version | sed 's/-[^-]*$//')
timestamp=$(dpkg-parsechangelog -S Timestamp)
tree="quillbill-$upstream"

mkdir -p build-package
cd build-package
# What an earlier build left; chroot/ (scripts/try-packages.sh) stays.
rm -rf quillbill-[0-9]*/
rm -f ./*.deb ./*.ddeb ./*.changes ./*.buildinfo ./*.dsc ./*.orig.tar.* ./*.debian.tar.* lintian.txt
mkdir "$tree"
cd ..

# The work tree's files, committed or not, without what git ignores (the
# build folders); a file deleted but not yet committed is left out.
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -z --cached --others --exclude-standard | tar --null -T - --ignore-failed-read \
        --warning=no-failed-read -cf - | tar -C "build-package/$tree" -xf -
else
    tar --exclude='./build*' --exclude=./.git --exclude='./obj-*' -cf - . | tar -C "build-package/$tree" -xf -
fi

cd build-package
# The upstream tarball is the tree without debian/, made the same way from
# the same files every time.
tar --sort=name --mtime="@$timestamp" --owner=0 --group=0 --numeric-owner --exclude="$tree/debian" \
    -cf - "$tree" | xz -6 -T0 > "quillbill_$upstream.orig.tar.xz"

# ccache, when there is one, makes a rebuild of unchanged sources quick
# (the tree is always in the same place).
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_CXX_COMPILER_LAUNCHER=ccache
fi
(cd "$tree" && dpkg-buildpackage -us -uc -Jauto)

changes="quillbill_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).changes"
for deb in ./*.deb; do
    echo "== $deb"
    dpkg-deb --field "$deb"
done
# The .changes names the source package and every binary package. The one
# warning left aside is Debian's call for the bug that announces a new
# package (an ITP), which the first upload to Debian closes: there is none
# until a Debian developer files it.
status=0
lintian --pedantic --display-info --fail-on error,warning --suppress-tags initial-upload-closes-no-bugs \
    "$changes" > lintian.txt || status=$?
cat lintian.txt
if [ "$status" -ne 0 ]; then
    echo "lintian found errors or warnings in the packages (build-package/lintian.txt)" >&2
fi
exit "$status"
