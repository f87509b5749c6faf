#!/bin/sh
# Builds the Debian packages quillbill, libquirepress1 and libquirepress-dev
# into build-package/ and checks each with lintian: any error fails the
# build; warnings are printed and kept in build-package/lintian.txt.
#
# Install them with: sudo apt install ./build-package/*.deb
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh package

# ccache, when there is one, makes a rebuild of unchanged sources quick.
launcher=""
if command -v ccache >/dev/null 2>&1; then
    launcher="-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi
cmake --preset package $launcher
cmake --build --preset package
rm -f build-package/*.deb
(cd build-package && cpack -G DEB)

# cpack writes every file as owned by root, whoever builds; lintian checks
# that and the rest.
status=0
: > build-package/lintian.txt
for deb in build-package/*.deb; do
    echo "== $deb"
    dpkg-deb --field "$deb"
    # Only tags of severity error fail; warnings and hints are kept for a
    # person to read.
    if ! lintian --fail-on error --display-info "$deb" > build-package/lintian-one.txt; then
        status=1
    fi
    cat build-package/lintian-one.txt
    cat build-package/lintian-one.txt >> build-package/lintian.txt
done
rm -f build-package/lintian-one.txt
if [ "$status" -ne 0 ]; then
    echo "lintian found errors in the packages (build-package/lintian.txt)" >&2
fi
exit "$status"
