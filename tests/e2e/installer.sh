#!/usr/bin/env bash
# The Windows Installer package under wine, deployed as an office deploys it:
#
#   installer.sh PACKAGE.msi STAGE MSI_SCRIPT LINUX_TAVROLIN DRIVER.exe EMULATOR...
#
# makes an older version of the package from the same program folder (STAGE, with MSI_SCRIPT),
# installs it silently, edits its settings file and comment template as a CAD manager does,
# upgrades silently to PACKAGE (the edits stay, one version is left), repairs it (a lost file
# comes back, the edits stay), runs `tavrolin.exe script` from Program Files and compares its
# bytes with the Linux program's, has the driver (test_packagedwizard) walk the installed wizard
# with its program folder made unwritable, as Program Files is for a user (the working script
# goes to %LOCALAPPDATA%\Tavrolin\scr), then removes the program silently: nothing may be left
# but the files the user made.
set -euo pipefail
package=$1
stage=$2
msi_script=$3
linux=$4
driver=$5
shift 5
emulator=("$@")
if [ ! -f "$package" ]; then
    echo "FAIL: no package $package: make it first (the build target msi)"
    exit 1
fi
# shellcheck disable=SC1090
. "${emulator[1]}" # the wine prefix
installed="$WINEPREFIX/drive_c/Program Files/Tavrolin"
installed_windows='C:\Program Files\Tavrolin'
work=$(mktemp -d)
status=0

windows() {
    printf 'Z:%s' "${1//\//\\}"
}
wine_run() {
    "${emulator[@]}" "$@"
}
fail() {
    echo "FAIL: $*"
    status=1
}
pass() {
    echo "PASS: $*"
}
registered_versions() {
    wine_run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s 2>/dev/null |
        tr -d '\r' | awk '/DisplayName/ && $NF == "Tavrolin" {found=1} /DisplayVersion/ && found {print $NF; found=0}'
}
shortcut() {
    find "$WINEPREFIX/drive_c/ProgramData" "$WINEPREFIX/drive_c/users" -name Tavrolin.lnk \
        -path '*Start Menu*' 2>/dev/null
}
# The program folder made unwritable, as Program Files is for a user: immutable where the
# system allows it (root ignores permissions), else a file in place of its scr.
lock_program_folder() {
    if chattr +i "$installed/scr" "$installed" 2>/dev/null; then
        locked=chattr
    else
        rmdir "$installed/scr" && echo "in the way" >"$installed/scr"
        locked=file
    fi
}
unlock_program_folder() {
    case ${locked:-} in
    chattr) chattr -i "$installed" "$installed/scr" ;;
    file) rm "$installed/scr" && mkdir "$installed/scr" ;;
    esac
    locked=
}
cleanup() {
    unlock_program_folder
    wine_run msiexec /x "$(windows "$package")" /qn >/dev/null 2>&1 || true
    rm -rf "$work" "$installed"
}
trap cleanup EXIT

# A run before that stopped half-way leaves nothing behind that counts.
wine_run msiexec /x "$(windows "$package")" /qn >/dev/null 2>&1 || true
rm -rf "$installed" "$WINEPREFIX/drive_c/users/"*/AppData/Local/Tavrolin

cmake -DSTAGE="$stage" -DVERSION=0.0.1 -DOUTPUT="$work/older.msi" -P "$msi_script" >/dev/null
wine_run msiexec /i "$(windows "$work/older.msi")" /qn || fail "msiexec /i of the older version"
if [ -x "$installed/tavrolin.exe" ] && [ -n "$(shortcut)" ] && [ "$(registered_versions)" = 0.0.1 ]; then
    pass "the older version installed into Program Files with a Start menu shortcut"
else
    fail "the older version is not installed as it should be"
fi

# The CAD manager's edits, which no upgrade or repair may undo.
printf '; edited by the CAD manager\r\n' >>"$installed/tavrolin.ini"
printf ';部署: 設計課\r\n' | iconv -f UTF-8 -t CP932 >>"$installed/commentdata.dat"
cp "$installed/tavrolin.ini" "$work/edited.ini"
cp "$installed/commentdata.dat" "$work/edited.dat"
kept() {
    cmp -s "$installed/tavrolin.ini" "$work/edited.ini" &&
        cmp -s "$installed/commentdata.dat" "$work/edited.dat"
}

wine_run msiexec /i "$(windows "$package")" /qn || fail "msiexec /i of the upgrade"
versions=$(registered_versions)
if [ "$versions" != 0.0.1 ] && [ "$(echo "$versions" | wc -l)" = 1 ] &&
    cmp -s "$installed/tavrolin.exe" "$stage/tavrolin.exe"; then
    pass "the upgrade replaced the older version ($versions)"
else
    fail "after the upgrade: versions '$versions'"
fi
kept && pass "the upgrade kept the edited settings file and template" ||
    fail "the upgrade lost the edited settings file or template"

rm "$installed/ico/finish.bmp"
# The repair that msiexec /fa asks for (wine's msiexec does not know /f).
wine_run msiexec /i "$(windows "$package")" REINSTALL=ALL REINSTALLMODE=vamus /qn ||
    fail "msiexec repair"
[ -f "$installed/ico/finish.bmp" ] && kept &&
    pass "the repair brought back a lost file and kept the edits" ||
    fail "the repair did not restore the lost file or lost the edits"

# The headless command from Program Files, with the installed (edited) settings and template.
printf 'レイヤー\tL13\t表示しない\t終了\t終了\n画面\tすべて\tズームする\t全体\t終了\n' >"$work/grid.txt"
arguments=(--grid "$work/grid.txt" --now "2026-12-07 15:00:16" "C:\\My Plans\\二階.dwg" 'D:\a.dxf')
"$linux" script --settings "$installed/tavrolin.ini" --comment "$installed/commentdata.dat" \
    "${arguments[@]}" >"$work/linux.scr"
wine_run "$installed_windows\\tavrolin.exe" script --grid "$(windows "$work/grid.txt")" \
    "${arguments[@]:2}" >"$work/windows.scr"
cmp -s "$work/linux.scr" "$work/windows.scr" &&
    pass "tavrolin.exe script from Program Files equals the Linux program ($(wc -c <"$work/linux.scr") bytes)" ||
    fail "tavrolin.exe script from Program Files differs from the Linux program"

# The wizard, where the program folder cannot be written.
lock_program_folder
if [ "$locked" = chattr ]; then reason=アクセス権がありません; else reason=フォルダーのはずの場所がファイルです; fi
wine_run "$installed_windows\\tavrolin.exe" script --grid "$(windows "$work/grid.txt")" \
    -o "$installed_windows\\scr\\x.scr" a.dwg 2>"$work/err.txt" && fail "a script was written into Program Files"
iconv -f CP932 -t UTF-8 "$work/err.txt" | grep -q "$reason" &&
    pass "writing into Program Files fails for the true reason: $reason" ||
    fail "writing into Program Files: $(iconv -f CP932 -t UTF-8 "$work/err.txt")"
mkdir -p "$work/out"
TAVROLIN_PACKAGED_PROGRAM="$installed_windows\\tavrolin.exe" TAVROLIN_PACKAGED_OUTPUT=$(windows "$work/out") \
    TAVROLIN_PACKAGED_UNWRITABLE=1 "${emulator[@]}" "$driver" &&
    pass "the installed wizard handed over its working script from %LOCALAPPDATA% ($locked)" ||
    fail "the installed wizard, its program folder unwritable"
unlock_program_folder

# A script the user saved beside the program is the user's: the removal leaves it alone.
printf '.filedia 0\r\n' >"$installed/scr/自分の.scr"
wine_run msiexec /x "$(windows "$package")" /qn || fail "msiexec /x"
left=$(cd "$WINEPREFIX/drive_c/Program Files" && find Tavrolin -type f)
if [ "$left" = "Tavrolin/scr/自分の.scr" ] && [ -z "$(shortcut)" ] && [ -z "$(registered_versions)" ] &&
    ! wine_run reg query 'HKLM\Software\Tavrolin' >/dev/null 2>&1; then
    pass "the removal left nothing but the user's own script"
else
    fail "the removal left: [${left}], shortcut '$(shortcut)', versions '$(registered_versions)'"
fi
exit $status
