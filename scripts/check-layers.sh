#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Quillbill developers

# The program's and the report engine's folders are layers: a folder may
# include its own headers and those of the folders listed after it, never
# the other way round. Prints every include that breaks the rule and fails
# when there is one. Includes are read whatever their form: "..." or <...>,
# spaces after '#', and paths relative to the including file.
set -eu
cd "$(dirname "$0")/.."

program_layers() {
    case "$1" in
    common) echo "common" ;;
    records) echo "records common" ;;
    app) echo "app records common" ;;
    customers | company | users | mail | backup) echo "$1 app records common" ;;
    invoicing) echo "invoicing mail app records common" ;;
    shell) echo "shell invoicing customers company users mail backup app records common" ;;
    *) echo "" ;;
    esac
}

engine_layers() {
    case "$1" in
    include) echo "include" ;;
    drawing) echo "drawing include" ;;
    model) echo "model drawing include" ;;
    output) echo "output model drawing include" ;;
    windows) echo "windows output model drawing include" ;;
    api) echo "api windows output model drawing include" ;;
    *) echo "" ;;
    esac
}

# The top folder of what `file` (below `root`) includes as `path`, when it
# is one of `root`'s folders; nothing for Qt's and the standard library's.
included_folder() {
    root=$1 file=$2 path=$3
    case "$path" in
    ./* | ../*) resolved=$(realpath -m --relative-to="$root" "$(dirname "$file")/$path") ;;
    *)
        if [ -e "$(dirname "$file")/$path" ]; then
            resolved=$(realpath -m --relative-to="$root" "$(dirname "$file")/$path")
        else
            resolved=$path
        fi
        ;;
    esac
    case "$resolved" in
    quirepress/*) [ "$root" = quirepress ] && echo include ;;
    */*) folder=${resolved%%/*}; [ -d "$root/$folder" ] && echo "$folder" ;;
    esac
    return 0
}

status=0
check() {
    root=$1 layers=$2
    for folder in "$root"/*/; do
        folder=${folder%/}
        folder=${folder#"$root"/}
        permitted=$($layers "$folder")
        if [ -z "$permitted" ]; then
            echo "$root/$folder: a folder without a place in the layers (scripts/check-layers.sh)"
            status=1
            continue
        fi
        for file in $(find "$root/$folder" -name '*.h' -o -name '*.cpp' -o -name '*.in'); do
            for path in $(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]\([^">]*\)[">].*/\1/p' "$file"); do
                included=$(included_folder "$root" "$file" "$path")
                [ -z "$included" ] && continue
                case " $permitted " in
                *" $included "*) ;;
                *)
                    echo "$file includes $path, of $included/, a layer above $folder/"
                    status=1
                    ;;
                esac
            done
        done
    done
}

check quillbill program_layers
check quirepress engine_layers
exit $status
