#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# Tries the packages built by scripts/build-packages.sh in a fresh Debian 12
# system, as a person would: installs them with apt, starts the program as
# two new users, removes it, and builds an outside program against
# libquirepress-dev. Run by hand, as root. Stops at the first failed check.
#
# The bare system (debootstrap from this machine's Debian mirror) is kept in
# build-package/chroot/base and copied for each try, so a second run starts
# from the same fresh system quickly; downloaded packages are kept in
# build-package/chroot/archives. The screenshots of the login window are
# left in build-package/chroot/.
set -eu
cd "$(dirname "$0")/.."
top=$(pwd)

fail() {
    echo "FAILED: $*" >&2
    exit 1
}
step() { echo "== $*"; }

[ "$(id -u)" -eq 0 ] || fail "run as root (debootstrap and chroot need it)"
set -- build-package/quillbill_*.deb build-package/libquirepress1_*.deb build-package/libquirepress-dev_*.deb
for deb in "$@"; do
    [ -f "$deb" ] || fail "no $deb: run scripts/build-packages.sh first"
done
# The program answers with the project version, the package's without its
# Debian revision.
version=$(dpkg-deb -f build-package/quillbill_*.deb Version | sed 's/-[^-]*$//')

# The machine's Debian mirror: a one-line "deb URI bookworm ..." source, or a
# deb822 stanza whose Suites include bookworm.
mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
    awk '$1 == "deb" && $2 !~ /^\[/ && $3 == "bookworm" { print $2; exit }')
if [ -z "$mirror" ]; then
    mirror=$(cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v RS= '
        /(^|\n)Types:[^\n]*deb([ \n]|$)/ && /(^|\n)Suites:[^\n]* bookworm([ \n]|$)/ {
            if (match($0, /(^|\n)URIs:[ \t]*[^ \t\n]+/)) {
                uri = substr($0, RSTART, RLENGTH); sub(/.*URIs:[ \t]*/, "", uri); print uri; exit
            }
        }')
fi
[ -n "$mirror" ] || fail "no Debian bookworm mirror in /etc/apt/sources.list or sources.list.d"

command -v debootstrap >/dev/null 2>&1 || DEBIAN_FRONTEND=noninteractive apt-get install -y debootstrap

chroot_dir="$top/build-package/chroot"
base="$chroot_dir/base"
root="$chroot_dir/root"
archives="$chroot_dir/archives"
mkdir -p "$chroot_dir" "$archives"
if [ ! -f "$base/.complete" ]; then
    step "debootstrap bookworm from $mirror (once; kept in $base)"
    rm -rf "$base"
    debootstrap --variant=minbase bookworm "$base" "$mirror"
    touch "$base/.complete"
fi

mounted=""
cleanup() {
    for mount_point in $mounted; do
        umount -l "$mount_point" 2>/dev/null || true
    done
    mounted=""
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP
bind() {
    mkdir -p "$root$2"
    mount --bind "$1" "$root$2"
    mounted="$root$2 $mounted"
}

step "a fresh system in $root"
# A run that was killed may have left its mounts: never delete through them.
awk -v root="$root/" 'index($2, root) == 1 { print $2 }' /proc/mounts | sort -r | while read -r mount_point; do
    umount -l "$mount_point"
done
! awk -v root="$root/" 'index($2, root) == 1 { found = 1 } END { exit !found }' /proc/mounts ||
    fail "something is still mounted under $root"
rm -rf --one-file-system "$root"
cp -a "$base" "$root"
mount -t proc proc "$root/proc"
mounted="$root/proc"
bind /dev /dev
bind /dev/pts /dev/pts
bind /dev/shm /dev/shm
bind "$archives" /var/cache/apt/archives
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
echo "deb $mirror bookworm main" > "$root/etc/apt/sources.list"
mkdir -p "$root/debs"
cp "$@" "$root/debs/"

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 HOME=/root "$@"; }
as_user() { chroot "$root" /usr/bin/env -i PATH=/usr/bin:/bin LANG=C.UTF-8 HOME="/home/$1" USER="$1" \
    /usr/sbin/runuser -u "$1" -- /bin/sh -c "cd && $2"; }
# chroot starts in /, so ./debs/ is the /debs/ above.
apt_install() { in_root sh -c "DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $*"; }

# First what a desktop needs, the program and its library, so that what
# the development package drags in (Qt's development files, X libraries)
# cannot make up for a dependency the program lacks.
step "apt-get install the program and its library (their dependencies from the mirror)"
in_root apt-get update -qq
apt_install ./debs/quillbill_*.deb ./debs/libquirepress1_*.deb || fail "apt-get cannot install the packages"

step "Quillbill --version"
printed=$(in_root Quillbill --version) || fail "Quillbill --version exits with an error"
echo "$printed"
[ "$printed" = "Quillbill $version" ] || fail "Quillbill --version printed \"$printed\", not \"Quillbill $version\""

# An X server to start the program on, a look at its windows, and screenshots.
apt_install xvfb xauth x11-utils imagemagick

desktop_entry="$root/usr/share/applications/org.quillbill.Quillbill.desktop"
[ -f "$desktop_entry" ] || fail "no desktop entry $desktop_entry"
exec_line=$(sed -n 's/^Exec=//p' "$desktop_entry" | sed 's/ *%[fFuUick]//g')
folder=.local/share/Quillbill/Quillbill

# Starts the program as the menu does for the user $1 under a new X server,
# waits until its login window is mapped (at most two minutes), takes a
# screenshot into $2 and ends the program.
start_as() {
    user=$1
    shot=$2
    as_user "$user" "xvfb-run -a -s '-screen 0 1280x1024x24' sh -c '
        $exec_line >quillbill.log 2>&1 &
        program=\$!
        tries=0
        until xwininfo -root -tree 2>/dev/null | grep -q \"\\\"Login\\\"\"; do
            tries=\$((tries + 1))
            if [ \$tries -gt 1200 ] || ! kill -0 \$program 2>/dev/null; then
                echo \"no login window\" >&2; cat quillbill.log >&2; kill \$program 2>/dev/null; exit 1
            fi
            sleep 0.1
        done
        import -window root login.png
        kill \$program
        wait \$program || true
    '" || fail "$user: the program did not reach its login window"
    cp "$root/home/$user/login.png" "$shot"
    echo "screenshot: $shot"
}

# Checks that the user $1 has a program folder of their own with the
# delivered database in it.
check_folder() {
    database="$root/home/$1/$folder/DataBase/db_be.mdb"
    [ -f "$database" ] || fail "$1: no per-user database $database"
    [ "$(in_root stat -c %U "/home/$1/$folder/DataBase/db_be.mdb")" = "$1" ] || fail "$1: $database does not belong to $1"
    [ "$(head -c 15 "$database")" = "SQLite format 3" ] || fail "$1: $database is not an SQLite database"
    for entry in Reports/simple.rdn Reports/report.rdn Reports/fr/simple.rdn TipOfTheDay.dat HelpFile/Help \
        HelpFile/new-invoice.html HelpFile/images/new-invoice.png HelpFile/fr/new-invoice.html \
        HelpFile/fr/images/new-invoice.png DataBackup Videos; do
        [ -e "$root/home/$1/$folder/$entry" ] || fail "$1: no $entry in the per-user folder"
    done
    [ -x "$root/home/$1/$folder/HelpFile/Help" ] || fail "$1: the help program lost its execute permission"
    echo "$1: ~/$folder with DataBase/db_be.mdb"
}

usr_listing() { in_root find /usr -printf '%p %s %m %U %T@\n' | sort; }

step "first start as a new user, from the desktop entry: $exec_line"
in_root useradd -m alice
usr_listing > "$chroot_dir/usr-before.txt"
start_as alice "$chroot_dir/login-alice.png"
usr_listing > "$chroot_dir/usr-after.txt"
check_folder alice
step "nothing under /usr changed"
diff "$chroot_dir/usr-before.txt" "$chroot_dir/usr-after.txt" || fail "starting the program changed /usr"

step "a second user"
in_root useradd -m bob
start_as bob "$chroot_dir/login-bob.png"
check_folder bob
[ "$(stat -c %i "$root/home/alice/$folder/DataBase/db_be.mdb")" != \
    "$(stat -c %i "$root/home/bob/$folder/DataBase/db_be.mdb")" ] || fail "the two users share one database"

step "apt-get install all three packages"
apt_install ./debs/*.deb || fail "apt-get cannot install the packages"

step "apt-get remove and purge keep the users' folders"
in_root apt-get remove -y quillbill
step "after apt-get remove quillbill"
[ ! -e "$root/usr/bin/Quillbill" ] || fail "/usr/bin/Quillbill is still there after remove"
check_folder alice
check_folder bob
# Installed again, so that apt (which knows a local package only while it
# is installed) can purge it.
apt_install ./debs/quillbill_*.deb
in_root apt-get purge -y quillbill
step "after apt-get purge quillbill"
[ ! -e "$root/usr/share/quillbill" ] || fail "/usr/share/quillbill is still there after purge"
check_folder alice
check_folder bob

step "an outside program against libquirepress-dev"
apt_install cmake make g++ pkg-config
rm -rf "$root/tmp/report-outline"
cp -r examples/report-outline "$root/tmp/report-outline"
in_root sh -c 'cmake -S /tmp/report-outline -B /tmp/report-outline/build && cmake --build /tmp/report-outline/build' ||
    fail "examples/report-outline does not build with find_package(Quirepress)"
outline=$(in_root env QT_QPA_PLATFORM=offscreen /tmp/report-outline/build/report-outline /tmp/outline-cmake.rdn) ||
    fail "report-outline (CMake) does not run"
echo "$outline" | grep -q "Total at 9000" || fail "report-outline (CMake) printed: $outline"
echo "built with CMake and run: $(echo "$outline" | grep "Total at 9000")"
in_root sh -c 'g++ -std=c++20 -o /tmp/report-outline/outline-pc /tmp/report-outline/main.cpp \
    $(pkg-config --cflags --libs quirepress)' || fail "examples/report-outline does not build with pkg-config"
outline=$(in_root env QT_QPA_PLATFORM=offscreen /tmp/report-outline/outline-pc /tmp/outline-pc.rdn) ||
    fail "report-outline (pkg-config) does not run"
echo "$outline" | grep -q "Total at 9000" || fail "report-outline (pkg-config) printed: $outline"
echo "built with pkg-config and run: $(echo "$outline" | grep "Total at 9000")"

step "all checks passed"
