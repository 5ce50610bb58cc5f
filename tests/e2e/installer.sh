#!/usr/bin/env bash
# The Windows Installer package under wine, deployed as an office deploys it:
#
#   installer.sh PACKAGE.msi STAGE MSI_SCRIPT LINUX_TAVROLIN DRIVER.exe EMULATOR...
#
# installs an older version made from the same folder (STAGE, by MSI_SCRIPT), edits its settings
# file and template as a CAD manager does, upgrades to PACKAGE and repairs it (the edits stay),
# compares `tavrolin.exe script` run from Program Files with the Linux program, has the driver
# (test_packagedwizard) walk the installed wizard with the program folder unwritable, as Program
# Files is for a user, and removes it: nothing may be left but the files the user made.
set -uo pipefail
package=$1 stage=$2 msi_script=$3 linux=$4 driver=$5
shift 5
emulator=("$@")
[ -f "$package" ] || { echo "FAIL: no $package: make it first (the build target msi)"; exit 1; }
. "${emulator[1]}" # WINEPREFIX
installed="$WINEPREFIX/drive_c/Program Files/Tavrolin"
program='C:\Program Files\Tavrolin\tavrolin.exe'
work=$(mktemp -d)
status=0 locked=

windows() { printf 'Z:%s' "${1//\//\\}"; }
check() { # check DESCRIPTION COMMAND...: PASS or FAIL
    if "${@:2}"; then echo "PASS: $1"; else echo "FAIL: $1"; status=1; fi
}
msiexec() { "${emulator[@]}" msiexec "$@" /qn; }
versions() {
    "${emulator[@]}" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
        tr -d '\r' | awk '$NF == "Tavrolin" {t=1} /DisplayVersion/ && t {print $NF; t=0}' | xargs
}
shortcut() { find "$WINEPREFIX/drive_c" -path '*Start Menu*' -name Tavrolin.lnk | grep -q .; }
kept() { cmp -s "$installed/tavrolin.ini" "$work/ini" && cmp -s "$installed/commentdata.dat" "$work/dat"; }
# Root ignores permissions: the folder is made immutable where the system allows it, else scr
# is blocked by a file.
lock() {
    if chattr +i "$installed/scr" "$installed" 2>/dev/null; then locked=chattr reason=アクセス権がありません
    else rmdir "$installed/scr" && echo x >"$installed/scr" && locked=file reason=フォルダーのはずの場所がファイルです; fi
}
unlock() {
    case $locked in chattr) chattr -i "$installed" "$installed/scr" ;; file) rm "$installed/scr"; mkdir "$installed/scr" ;; esac
    locked=
}
cleanup() { unlock; msiexec /x "$(windows "$package")" 2>/dev/null; rm -rf "$work" "$installed"; }
trap cleanup EXIT
cleanup # what a run that stopped half-way left
work=$(mktemp -d)

cmake -DSTAGE="$stage" -DVERSION=0.0.1 -DOUTPUT="$work/older.msi" -P "$msi_script" >/dev/null
msiexec /i "$(windows "$work/older.msi")"
check "the older version installed with a Start menu shortcut" shortcut
printf '; edited\r\n' >>"$installed/tavrolin.ini" && cp "$installed/tavrolin.ini" "$work/ini"
printf ';設計課\r\n' | iconv -f UTF-8 -t CP932 >>"$installed/commentdata.dat" && cp "$installed/commentdata.dat" "$work/dat"

msiexec /i "$(windows "$package")"
check "the upgrade replaced the older version: $(versions)" [ "$(versions)" != 0.0.1 -a "$(versions | wc -w)" = 1 ]
check "the upgrade kept the edited settings file and template" kept
rm "$installed/ico/finish.bmp" # the repair that msiexec /fa asks for; wine's msiexec lacks /f
msiexec /i "$(windows "$package")" REINSTALL=ALL REINSTALLMODE=vamus
check "the repair brought back a lost file and kept the edits" eval '[ -f "$installed/ico/finish.bmp" ] && kept'

printf 'レイヤー\tL13\t表示しない\t終了\t終了\n' >"$work/grid.txt"
words=(--now "2026-12-07 15:00:16" 'C:\My Plans\二階.dwg')
"$linux" script --settings "$installed/tavrolin.ini" --comment "$installed/commentdata.dat" \
    --grid "$work/grid.txt" "${words[@]}" >"$work/linux.scr"
"${emulator[@]}" "$program" script --grid "$(windows "$work/grid.txt")" "${words[@]}" >"$work/windows.scr"
check "tavrolin.exe script from Program Files equals the Linux program" cmp "$work/linux.scr" "$work/windows.scr"

lock
"${emulator[@]}" "$program" script --grid "$(windows "$work/grid.txt")" -o 'C:\Program Files\Tavrolin\scr\x.scr' \
    a.dwg 2>"$work/err.txt"
check "writing into Program Files fails for the true reason: $reason" grep -q "$reason" <(iconv -f CP932 -t UTF-8 "$work/err.txt")
mkdir "$work/out"
TAVROLIN_PACKAGED_PROGRAM=$program TAVROLIN_PACKAGED_OUTPUT=$(windows "$work/out") TAVROLIN_PACKAGED_UNWRITABLE=1 \
    check "the installed wizard hands over its working script in %LOCALAPPDATA% ($locked)" "${emulator[@]}" "$driver"
unlock

printf '.filedia 0\r\n' >"$installed/scr/自分の.scr" # the user's own script
msiexec /x "$(windows "$package")"
left=$(cd "$installed/.." && find Tavrolin -type f)
check "the removal left nothing but the user's own script: $left" \
    eval '[ "$left" = Tavrolin/scr/自分の.scr ] && ! shortcut && [ -z "$(versions)" ]'
exit $status
