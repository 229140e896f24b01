#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, in a Wine prefix of its
# own, for all users (twice: the second over the first) and beside it for the
# current user, and after each install checks the installed files (exactly
# the staged ones; version, publisher and icon in the programs' properties),
# the programs (quillmarsh-cli visualising the sample track, quillmarsh-render
# drawing it), the Start-menu link (it starts quillmarsh in Documents) and the
# registry (uninstall entry, "Open with" without taking over any format). Then
# removes the current user's install with its uninstall.exe alone (the install
# for all users stays whole) and the one for all users with the command the
# registry gives, and checks that nothing of either is left, while the user's
# Quillmarsh.ini and results stay and another program's association of .gpx
# is untouched.
# Usage: test-installer.sh BUILD_DIR SAMPLE_TRACK
set -eEuo pipefail
# What ends the test without a message of its own.
trap '[ "$BASH_SUBSHELL" -ne 0 ] || echo "test-installer: line $LINENO: $BASH_COMMAND failed" >&2' ERR
[ $# -eq 2 ] || { echo "usage: $0 BUILD_DIR SAMPLE_TRACK" >&2; exit 2; }
build_dir=$(realpath "$1")
sample=$(realpath "$2")
# The newest installer, the one the build has just made.
setup=$(ls -t "$build_dir"/Quillmarsh-*-setup.exe 2>/dev/null | head -n 1 || true)
[ -n "$setup" ] || { echo "test-installer: no Quillmarsh-*-setup.exe in $build_dir" >&2; exit 1; }
version=$(basename "$setup" | sed 's/^Quillmarsh-\(.*\)-setup\.exe$/\1/')
stage="$build_dir/stage/Quillmarsh"

work=$(mktemp -d /tmp/quillmarsh-installer-test.XXXXXX)
mkdir "$work/home"
# A home of its own: Wine links the prefix's Documents and the like to it, and
# its menu builder (turned off as well) would write into it.
export HOME="$work/home" WINEPREFIX="$work/prefix" WINEARCH=win64 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
finish() {
    wineserver -k 2>/dev/null || true
    rm -rf "$work"
}
trap finish EXIT

fail() { echo "test-installer: $*" >&2; exit 1; }
step() { echo "test-installer: $(date -u +%T) $*"; }

# Runs a Windows program and waits for every process it started (an NSIS
# uninstaller copies itself to the temporary folder, starts the copy and
# returns at once).
run() {
    local status=0
    wine "$@" || status=$?
    wineserver -w
    return $status
}
# A variable of the Windows environment, e.g. LOCALAPPDATA.
windows_env() { wine cmd /c echo "%$1%" | tr -d '\r'; }
unix_path() { winepath -u "$1" | tr -d '\r'; }
# KEY and all below it, one line per key (its path below KEY, "" for KEY) and
# one per value (path TAB name TAB data; the default value named "(Default)").
# Nothing when KEY does not exist.
reg_tree() {
    local top="$1"
    top=${top/#HKLM\\/HKEY_LOCAL_MACHINE\\}
    top=${top/#HKCU\\/HKEY_CURRENT_USER\\}
    { wine reg query "$1" /s /reg:64 2>/dev/null || true; } | tr -d '\r' | T="$top" awk -F '    ' '
        /^HKEY_/ { key = substr($0, length(ENVIRON["T"]) + 1); print key; next }
        /^    / && NF >= 3 { print key "\t" $2 "\t" (NF >= 4 && $4 != "(value not set)" ? $4 : "") }'
}
# The data of value NAME of key PATH in TREE; fails when there is no such value.
tree_value() {
    P="$2" N="$3" awk -F '\t' 'NF == 3 && $1 == ENVIRON["P"] && $2 == ENVIRON["N"] { print $3; found = 1 }
        END { exit !found }' <<<"$1"
}
tree_key() { P="$2" awk -F '\t' 'NF == 1 && $1 == ENVIRON["P"] { found = 1 } END { exit !found }' <<<"$1"; }

step "a new Wine prefix in $WINEPREFIX"
wineboot -i 2>/dev/null
wineserver -w
profile=$(windows_env USERPROFILE)
profile_unix=$(unix_path "$profile")
# The user folders as real folders, not links to the Unix home.
for folder in Desktop Documents Downloads Music Pictures Videos; do
    if [ -L "$profile_unix/$folder" ]; then
        rm "$profile_unix/$folder"
        mkdir "$profile_unix/$folder"
    fi
done
documents="$profile\\Documents"
documents_unix="$profile_unix/Documents"
# No drive for this machine's files, as on Windows: what the programs load
# comes from the install, never from the build or Qt's folder by a path that
# happens to resolve here. The installer is run as downloaded.
rm "$WINEPREFIX/dosdevices/z:"
cd "$profile_unix"
cp "$setup" "$profile_unix/Downloads/"
setup_name=$(basename "$setup")
setup="$profile\\Downloads\\$setup_name"

# What the user has before the install and must keep: a settings file where
# the Start-menu link starts the program, a track, and another program's
# association of .gpx for all users and for this user.
printf '[INTERFACE]\r\nLANGUAGE=en\r\n' > "$work/Quillmarsh.ini"
cp "$work/Quillmarsh.ini" "$documents_unix/Quillmarsh.ini"
mkdir "$documents_unix/tracks"
cp "$sample" "$documents_unix/tracks/sample.plt"
# The programs get zlib1.dll only from their folder, never Wine's own.
for exe in quillmarsh quillmarsh-cli quillmarsh-render; do
    out=$(wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$exe.exe\\DllOverrides" /v zlib1 /d native /f 2>&1) \
        || fail "cannot keep Wine's zlib1.dll from $exe.exe: $out"
done
for root in HKLM HKCU; do
    out=$(wine reg add "$root\\Software\\Classes\\.gpx" /ve /d OtherApp.gpx /f /reg:64 2>&1) \
        || fail "cannot give .gpx to another program in $root: $out"
done

extensions=".plt .gpx .fit .tcx .igc .nmea .kml .kmz"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillmarsh'
application_key='Software\Classes\Applications\quillmarsh.exe'
progid='Quillmarsh.Track'

# The files of the install, relative to its folder, sorted.
installed_files() { (cd "$1" && find . -type f | sed 's|^\./||' | LC_ALL=C sort); }

check_files() { # install folder (Unix), mode
    local folder="$1" mode="$2" exe
    step "$mode: the installed files"
    diff <(installed_files "$stage"; echo uninstall.exe) <(installed_files "$folder" | grep -vx uninstall.exe; echo uninstall.exe) \
        || fail "$mode: the install folder does not hold exactly the staged files and uninstall.exe"
    while read -r file; do
        cmp -s "$stage/$file" "$folder/$file" || fail "$mode: $file differs from the staged one"
    done < <(installed_files "$stage")

    # File properties: the version resource with version and publisher, and an icon.
    for exe in quillmarsh quillmarsh-cli quillmarsh-render; do
        strings=$(wrestool -x --raw --type=16 "$folder/$exe.exe" | strings -e l -n 3) || fail "$exe.exe has no version resource"
        grep -qx "Quillmarsh developers" <<<"$strings" || fail "$exe.exe names no publisher in its file properties"
        grep -qx "$version" <<<"$strings" || fail "$exe.exe does not have version $version in its file properties"
        wrestool -l --type=14 "$folder/$exe.exe" | grep -q . || fail "$exe.exe has no icon"
    done
}

check_programs() { # install folder (Unix), mode
    local folder="$1" mode="$2" cli="$1/quillmarsh-cli.exe" help out
    step "$mode: the installed programs"
    help=$(run "$cli" --help) || fail "$mode: quillmarsh-cli.exe --help failed"
    grep -q visualise <<<"$help" || fail "$mode: quillmarsh-cli.exe --help does not show the usage: $help"

    # The results go beside the track, in the user's Documents.
    out="$mode-results"
    mkdir "$documents_unix/tracks/$out"
    local messages
    messages=$(cd "$documents_unix/tracks" && run "$cli" visualise "$documents\\tracks\\sample.plt" --out "$documents\\tracks\\$out" \
        --format gpx --lang en 2>&1) || fail "$mode: quillmarsh-cli.exe visualise failed: $messages"
    grep -q "track processed" <<<"$messages" || fail "$mode: quillmarsh-cli.exe visualise said: $messages"
    grep -q "<gpx" "$documents_unix/tracks/$out/sample_speed.gpx" 2>/dev/null \
        || fail "$mode: quillmarsh-cli.exe visualise wrote no sample_speed.gpx"

    # Qt's DLLs and plugins: quillmarsh-render draws the track on the offscreen
    # platform (on the grid: no tile server asked).
    printf '[MAP]\r\nTILEURL=\r\n' > "$documents_unix/tracks/no-tiles.ini"
    messages=$(cd "$documents_unix/tracks" && run "$folder/quillmarsh-render.exe" "$documents\\tracks\\sample.plt" \
        "$documents\\tracks\\$out\\sample.png" --size 400x300 --settings "$documents\\tracks\\no-tiles.ini" \
        --lang en 2>&1) || fail "$mode: quillmarsh-render.exe failed: $messages"
    [ "$(head -c 8 "$documents_unix/tracks/$out/sample.png" 2>/dev/null | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] \
        || fail "$mode: quillmarsh-render.exe wrote no PNG picture: $messages"
}

# Whether the Windows program PATH runs in this test's prefix.
program_running() {
    local pid
    for pid in $(pgrep -f quillmarsh || true); do
        [ "$(tr '\0' '\n' < "/proc/$pid/cmdline" 2>/dev/null | head -n 1 | sed 's/ *$//')" = "$1" ] || continue
        tr '\0' '\n' < "/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
    done
    return 1
}

check_registration() { # root key (HKLM or HKCU), Windows install folder, link, expected start folder, mode
    local root="$1" folder="$2" link="$3" start_in="$4" mode="$5" name value tree switch=/AllUsers
    [ "$root" = HKLM ] || switch=/CurrentUser
    step "$mode: Start-menu link and registry"
    [ -f "$link" ] || fail "$mode: no Start-menu link $link"
    # The link's strings: the program (its icon is the program's) and the start folder.
    strings=$(strings -e l "$link")
    grep -qiF "$folder\\quillmarsh.exe" <<<"$strings" || fail "$mode: the Start-menu link does not start $folder\\quillmarsh.exe"
    grep -qxF "$start_in" <<<"$strings" \
        || fail "$mode: the Start-menu link does not start in $start_in: $(tr '\n' ' ' <<<"$strings")"
    # Opened as Explorer opens it, the link starts the program, which keeps
    # running (its windows on no display) and looks for its settings in Documents.
    local trace="$work/$mode-link.trace"
    WINEDEBUG=+file wine start "$(winepath -w "$link" | tr -d '\r')" > "$trace" 2>&1 || fail "$mode: the Start-menu link does not open"
    sleep 10
    program_running "$folder\\quillmarsh.exe" || fail "$mode: quillmarsh.exe started by the Start-menu link is not running"
    wineserver -k
    grep -qF "L\"${documents//\\/\\\\}\\\\Quillmarsh.ini\"" "$trace" \
        || fail "$mode: quillmarsh.exe started by the Start-menu link did not look for Quillmarsh.ini in $documents"

    local entry application
    entry=$(reg_tree "$root\\$uninstall_key")
    for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
        [ -n "$(tree_value "$entry" "" "$name")" ] || fail "$mode: $root\\$uninstall_key has no $name"
    done
    [ "$(tree_value "$entry" "" DisplayName)" = Quillmarsh ] || fail "$mode: DisplayName is not Quillmarsh"
    [ "$(tree_value "$entry" "" DisplayVersion)" = "$version" ] || fail "$mode: DisplayVersion is not $version"
    [ "$(tree_value "$entry" "" Publisher)" = "Quillmarsh developers" ] || fail "$mode: wrong Publisher"
    [ "$(tree_value "$entry" "" DisplayIcon)" = "$folder\\quillmarsh.exe,0" ] || fail "$mode: wrong DisplayIcon"
    value=$(tree_value "$entry" "" QuietUninstallString || true)
    [ "$value" = "\"$folder\\uninstall.exe\" $switch /S" ] || fail "$mode: QuietUninstallString is $value"
    value=$(tree_value "$entry" "" UninstallString || true)
    [ "$value" = "\"$folder\\uninstall.exe\" $switch" ] || fail "$mode: UninstallString is $value"
    value=$(tree_value "$entry" "" InstallLocation || true)
    [ "$value" = "$folder" ] || fail "$mode: InstallLocation is $value, not $folder"
    value=$(tree_value "$entry" "" EstimatedSize || true)
    [ $((value)) -gt 1000 ] || fail "$mode: EstimatedSize $value KiB is too small"

    local command="\"$folder\\quillmarsh.exe\" \"%1\""
    application=$(reg_tree "$root\\$application_key")
    [ "$(tree_value "$application" '\shell\open\command' '(Default)')" = "$command" ] \
        || fail "$mode: Applications\\quillmarsh.exe does not open a file with $command"
    [ "$(tree_value "$(reg_tree "$root\\Software\\Classes\\$progid")" '\shell\open\command' '(Default)')" = "$command" ] \
        || fail "$mode: $progid does not open a file with $command"
    for extension in $extensions; do
        tree_value "$application" '\SupportedTypes' "$extension" >/dev/null \
            || fail "$mode: $extension is not among quillmarsh.exe's SupportedTypes"
        tree=$(reg_tree "$root\\Software\\Classes\\$extension")
        tree_value "$tree" '\OpenWithProgids' "$progid" >/dev/null || fail "$mode: $extension has no OpenWithProgids $progid"
        tree_key "$tree" '\OpenWithList\quillmarsh.exe' || fail "$mode: $extension has no OpenWithList quillmarsh.exe"
        value=$(tree_value "$tree" "" "(Default)" || true)
        case "$extension" in
            .gpx) [ "$value" = OtherApp.gpx ] || fail "$mode: .gpx now opens with $value instead of OtherApp.gpx" ;;
            *) [ -z "$value" ] || fail "$mode: the install made $value the default program of $extension" ;;
        esac
    done
}

# Uninstalls with the command "Apps and features" runs (the registry's
# QuietUninstallString), or with uninstall.exe /S alone, as when started from
# its folder: then it finds by its folder which install it removes.
uninstall() { # root key, install folder (Unix), link, mode, registry|alone
    local root="$1" folder="$2" link="$3" mode="$4" how="$5" command program arguments extension tree key
    if [ "$how" = registry ]; then
        step "$mode: uninstalling with the registry's QuietUninstallString"
        command=$(tree_value "$(reg_tree "$root\\$uninstall_key")" "" QuietUninstallString) \
            || fail "$mode: no QuietUninstallString in $root\\$uninstall_key"
        # "C:\...\uninstall.exe" /SWITCH /S
        program=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")
        arguments=$(sed -n 's/^"[^"]*" *//p' <<<"$command")
        [ -n "$program" ] || fail "$mode: QuietUninstallString $command names no program"
    else
        step "$mode: uninstalling with uninstall.exe /S"
        program="$folder/uninstall.exe" arguments=/S command="uninstall.exe /S"
    fi
    # shellcheck disable=SC2086 # the switches, split as Windows splits them
    run "$program" $arguments || fail "$mode: $command failed"

    [ ! -e "$folder" ] || fail "$mode: the uninstall left $folder: $(cd "$folder" && find . | tr '\n' ' ')"
    [ ! -e "$link" ] || fail "$mode: the uninstall left the Start-menu link $link"
    for key in "$uninstall_key" "$application_key" "Software\\Classes\\$progid"; do
        [ -z "$(reg_tree "$root\\$key")" ] || fail "$mode: the uninstall left $root\\$key"
    done
    for extension in $extensions; do
        tree=$(reg_tree "$root\\Software\\Classes\\$extension")
        ! tree_value "$tree" '\OpenWithProgids' "$progid" >/dev/null \
            || fail "$mode: the uninstall left $progid in $extension's OpenWithProgids"
        ! tree_key "$tree" '\OpenWithList\quillmarsh.exe' || fail "$mode: the uninstall left quillmarsh.exe in $extension's OpenWithList"
        if [ "$extension" = .gpx ]; then
            [ "$(tree_value "$tree" "" "(Default)")" = OtherApp.gpx ] || fail "$mode: the uninstall took .gpx from OtherApp.gpx"
        fi
    done
    cmp -s "$work/Quillmarsh.ini" "$documents_unix/Quillmarsh.ini" || fail "$mode: the uninstall changed or removed Quillmarsh.ini"
    [ -f "$documents_unix/tracks/$mode-results/sample_speed.gpx" ] || fail "$mode: the uninstall removed the user's results"
}

program_files=$(windows_env ProgramW6432)
[ "$program_files" != "%ProgramW6432%" ] || program_files=$(windows_env ProgramFiles)
common_menu="$(unix_path "$(windows_env ProgramData)")/Microsoft/Windows/Start Menu/Programs"
user_menu="$(unix_path "$(windows_env APPDATA)")/Microsoft/Windows/Start Menu/Programs"

all_users="$program_files\\Quillmarsh"
current_user="$(windows_env LOCALAPPDATA)\\Programs\\Quillmarsh"

mode=all-users
step "$mode: $setup_name /S"
run "$setup" /S || fail "$mode: the silent install failed"
step "$mode: $setup_name /S again, over the first install"
run "$setup" /S || fail "$mode: the second silent install failed"
check_files "$(unix_path "$all_users")" "$mode"
check_programs "$(unix_path "$all_users")" "$mode"
check_registration HKLM "$all_users" "$common_menu/Quillmarsh.lnk" '%USERPROFILE%\Documents' "$mode"
[ -z "$(reg_tree "HKCU\\$uninstall_key")$(reg_tree "HKCU\\$application_key")" ] || fail "$mode: the install wrote to HKCU"

# Beside the install for all users, one for the current user, which its own
# uninstall.exe removes without touching the other.
mode=current-user
step "$mode: $setup_name /S /CurrentUser"
run "$setup" /S /CurrentUser || fail "$mode: the silent install failed"
check_files "$(unix_path "$current_user")" "$mode"
check_programs "$(unix_path "$current_user")" "$mode"
check_registration HKCU "$current_user" "$user_menu/Quillmarsh.lnk" "$documents" "$mode"
uninstall HKCU "$(unix_path "$current_user")" "$user_menu/Quillmarsh.lnk" "$mode" alone

mode=all-users
check_files "$(unix_path "$all_users")" "$mode"
check_registration HKLM "$all_users" "$common_menu/Quillmarsh.lnk" '%USERPROFILE%\Documents' "$mode"
uninstall HKLM "$(unix_path "$all_users")" "$common_menu/Quillmarsh.lnk" "$mode" registry

# Nothing named after the program anywhere in the prefix but the user's files
# and the downloaded installer.
left=$(cd "$WINEPREFIX/drive_c" && find . -iname '*quillmarsh*' | grep -v "^\./users/[^/]*/\(Documents\|Downloads\)/" || true)
[ -z "$left" ] || fail "the uninstalls left $left"

step "passed"
