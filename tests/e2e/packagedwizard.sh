#!/usr/bin/env bash
# The packaged Windows program against the Linux build, under wine:
#
#   packagedwizard.sh PACKAGE.zip LINUX_TAVROLIN DRIVER.exe EMULATOR...
#
# unzips the portable package into a folder with a blank, parentheses and Japanese in its name,
# has the driver (test_packagedwizard) walk the packaged tavrolin.exe through the whole wizard,
# then checks that the script it saved and the output of `tavrolin.exe script` are byte for byte
# what the Linux program writes for the same input.
set -euo pipefail
package=$1
linux=$2
driver=$3
shift 3
emulator=("$@")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/Tavrolin 試験 (1)"
out=$work/out
mkdir -p "$folder" "$out"
(cd "$folder" && cmake -E tar xf "$package")
program="$folder/$(basename "$package" .zip)/tavrolin.exe"
data=$(dirname "$program")

# Wine shows the Unix root as drive Z:.
windows() {
    printf 'Z:%s' "${1//\//\\}"
}

TAVROLIN_PACKAGED_PROGRAM=$(windows "$program") TAVROLIN_PACKAGED_OUTPUT=$(windows "$out") \
    "${emulator[@]}" "$driver"

now=$(cat "$out/now.txt")
"$linux" script --settings "$data/tavrolin.ini" --comment "$data/commentdata.dat" \
    --grid "$out/grid.txt" --drawings "$out/drawings.txt" --now "$now" >"$out/linux.scr"
"${emulator[@]}" "$program" script --settings "$(windows "$data/tavrolin.ini")" \
    --comment "$(windows "$data/commentdata.dat")" --grid "$(windows "$out/grid.txt")" \
    --drawings "$(windows "$out/drawings.txt")" --now "$now" >"$out/windows.scr"

status=0
for file in saved windows; do
    if cmp "$out/$file.scr" "$out/linux.scr"; then
        echo "PASS: $file.scr equals the Linux program's output ($(wc -c <"$out/linux.scr") bytes)"
    else
        echo "FAIL: $file.scr differs from the Linux program's output"
        status=1
    fi
done
exit $status
