#!/bin/sh
# Quillbill's folders are layers: a folder may include its own headers and
# those of the folders listed after it, never the other way round. Prints
# every include that breaks the rule and fails when there is one.
set -eu
cd "$(dirname "$0")/../quillbill"

allowed() {
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

status=0
for folder in */; do
    folder=${folder%/}
    permitted=$(allowed "$folder")
    if [ -z "$permitted" ]; then
        echo "quillbill/$folder: a folder without a place in the layers (scripts/check-layers.sh)"
        status=1
        continue
    fi
    for file in $(find "$folder" -name '*.h' -o -name '*.cpp'); do
        for included in $(sed -n 's/^#include "\([a-z]*\)\/.*/\1/p' "$file" | sort -u); do
            case " $permitted " in
            *" $included "*) ;;
            *)
                echo "quillbill/$file includes $included/, a layer above $folder/"
                status=1
                ;;
            esac
        done
    done
done
exit $status
