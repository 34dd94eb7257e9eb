#!/usr/bin/env bash
# Runs an installer made from packaging/corvane.nsi under Wine, silently, in the
# Wine session that tools/wine-session.sh started (WINEPREFIX and DISPLAY set):
# a fresh install, the installed Corvane started, asked to end and started
# again by a silent upgrade (and decoy windows of its class left alone), the
# same over a build with another caption and over the release 1.2.1 (which
# knows no instance message), an upgrade that keeps the user's
# settings, schedules and log-on choice and starts no Corvane that did not
# run, an upgrade refused with nothing changed while another program holds
# corvane.exe open, uninstalls refused with nothing changed while another
# program holds corvane.exe, the help file or (removing the user's data) the
# schedule file (also held by a reader that shares writing but not deletion,
# and run without _?= from NSIS's copy in %TEMP%), an install into another
# folder refused, an uninstaller in another folder that leaves the installed
# Corvane's entries alone, an uninstall that leaves only the user's data, one
# that removes it too, one through UninstallString with /S /REMOVEDATA
# appended, and one after Corvane was closed from outside. Setup and every
# uninstall run as a deployment tool runs them: the command as it stands, in
# a job of its own, waited for, judged by its exit code; nothing they start
# may stay in that job or run as their child, and nothing may stay in %TEMP%.
#   test_installer.sh SETUP_EXE WINE_LOADER FIXTURE_EXE REMOTE_EXE OTHER_CAPTION_SETUP_EXE
# WINE_LOADER is /usr/lib/wine/wine64, or wine for x86; FIXTURE_EXE and
# REMOTE_EXE are the x86_64 build's installer_fixture.exe and
# program_remote.exe (run under 64-bit Wine); OTHER_CAPTION_SETUP_EXE is the
# same installer around a build whose main window has another caption.
set -euo pipefail
usage="usage: test_installer.sh SETUP_EXE WINE_LOADER FIXTURE_EXE REMOTE_EXE OTHER_CAPTION_SETUP_EXE"
setup=$(realpath "${1:?$usage}")
wine=${2:?$usage}
fixture=$(realpath "${3:?$usage}")
remote=$(realpath "${4:?$usage}")
other_setup=$(realpath "${5:?$usage}")
[ -n "${WINEPREFIX:-}" ] && [ -n "${DISPLAY:-}" ] || { echo "test_installer.sh needs a Wine session" >&2; exit 2; }

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Corvane'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
local_appdata=$($wine cmd /c echo '%LOCALAPPDATA%' | tr -d '\r')
appdata=$($wine cmd /c echo '%APPDATA%' | tr -d '\r')
install_win="$local_appdata\\Programs\\Corvane"
install=$(winepath -u "$install_win" 2>/dev/null)
other_win="$local_appdata\\Programs\\CorvaneOther"
other=$(winepath -u "$other_win" 2>/dev/null)
temp=$(winepath -u "$($wine cmd /c echo '%TEMP%' | tr -d '\r')" 2>/dev/null)
setup_win=$(winepath -w "$setup" 2>/dev/null)
shortcut="$(winepath -u "$appdata" 2>/dev/null)/Microsoft/Windows/Start Menu/Programs/Corvane.lnk"
work=$(mktemp -d)

failed=0
fail() { echo "FAIL: $*" >&2; failed=1; }
step() { echo "-- $*"; }
reg_value() { # key, value name: the value's data, empty when it is missing
    $wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p"
}
temp_files() { find "$temp" -mindepth 1 -maxdepth 1 -printf '%f\n' | sort; }
temp_files_are() { [ "$(temp_files)" = "$1" ]; }
# COMMAND run as a deployment tool runs it (installer_fixture run); its exit
# code is returned. A Corvane it starts must not hold this script's output open.
run_as_tool() {
    local code=0 before
    before=$(temp_files)
    /usr/lib/wine/wine64 "$fixture" run "$1" </dev/null >/dev/null 2>"$work/run.err" || code=$?
    [ "$code" != 99 ] || fail "$1 left processes in its job or as its children: $(cat "$work/run.err")"
    within_10s temp_files_are "$before" || fail "$1 left in %TEMP%: $(comm -13 <(echo "$before") <(temp_files))"
    return "$code"
}
run_setup() { run_as_tool "\"$setup_win\" /S"; }
# The registered quiet uninstall string, run as it stands; given options go
# before its last one (_?=), as a script would put them.
run_uninstaller() {
    local command
    command=$(reg_value "$uninstall_key" QuietUninstallString)
    [ $# -eq 0 ] || command="${command% _?=*} $* _?=${command##* _?=}"
    run_as_tool "$command"
}
installed_files() { (cd "$install" 2>/dev/null && find . -type f | sort | tr '\n' ' '); }
exit_code() { local code=0; "$@" || code=$?; echo "$code"; }
# True once $1 (a command) succeeds within 10 s.
within_10s() { for _ in $(seq 1 50); do "$@" && return 0; sleep 0.2; done; return 1; }
no_install_folder() { [ ! -e "$install" ]; }
only_user_data_left() { [ "$(installed_files)" = "./brightfen.ini ./cvdata/cvsche.dat " ]; }
corvane_running() { /usr/lib/wine/wine64 "$remote" running; }

# installer_fixture in the background (hold FILE, or decoy), once it says it is ready.
fixture_pid=""
start_fixture() {
    /usr/lib/wine/wine64 "$fixture" "$@" >"$work/fixture.out" &
    fixture_pid=$!
    for _ in $(seq 1 100); do
        [ -s "$work/fixture.out" ] && return 0
        sleep 0.1
    done
    fail "installer_fixture $1 did not start"
}
stop_fixture() {
    [ -n "$fixture_pid" ] || return 0
    kill "$fixture_pid" 2>/dev/null || true
    wait "$fixture_pid" 2>/dev/null || true
    fixture_pid=""
}

corvane_pid=""
start_corvane() {
    $wine "$install/corvane.exe" &
    corvane_pid=$!
    /usr/lib/wine/wine64 "$remote" wait || fail "Corvane did not start"
}
# Ends a Corvane that this script did not start (one that Setup started).
end_started_corvane() {
    within_10s corvane_running || { fail "$1"; return 0; }
    /usr/lib/wine/wine64 "$remote" exit || fail "the Corvane that Setup started did not end"
}
# True when Corvane has ended within $1 seconds; ends it by force otherwise.
corvane_ended_within() {
    for _ in $(seq 1 $(($1 * 10))); do kill -0 "$corvane_pid" 2>/dev/null && sleep 0.1; done
    local forced=0
    kill "$corvane_pid" 2>/dev/null && forced=1
    wait "$corvane_pid" 2>/dev/null || true
    corvane_pid=""
    [ "$forced" = 0 ]
}

# Leaves no installation behind, whatever happened: a Run value left in the
# prefix would start Corvane with every later Wine session.
remove_everything() {
    $wine reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
    $wine reg delete "$run_key" /v Corvane /f >/dev/null 2>&1 || true
    rm -rf "$install" "$other" "$shortcut"
}
trap 'stop_fixture; kill "$corvane_pid" 2>/dev/null || true; remove_everything; rm -rf "$work"' EXIT
remove_everything

step "fresh install"
run_setup
expect_files="./corvane.exe ./cvdata/cvhelp.chm ./cvdata/cvwkcond.dat ./uninstall.exe "
[ "$(installed_files)" = "$expect_files" ] || fail "installed files: $(installed_files)"
strings -el "$shortcut" 2>/dev/null | grep -qiF 'Corvane\corvane.exe' || fail "no Start-menu shortcut to corvane.exe"
[ "$(reg_value "$run_key" Corvane)" = "\"$install_win\\corvane.exe\"" ] || fail "log-on entry: $(reg_value "$run_key" Corvane)"
for entry in "DisplayName=Corvane" "Publisher=Brightfen" "DisplayIcon=$install_win\\corvane.exe,0" \
    "InstallLocation=$install_win" "UninstallString=\"$install_win\\uninstall.exe\" _?=$install_win" \
    "QuietUninstallString=\"$install_win\\uninstall.exe\" /S _?=$install_win"; do
    [ "$(reg_value "$uninstall_key" "${entry%%=*}")" = "${entry#*=}" ] || fail "list entry ${entry%%=*}: $(reg_value "$uninstall_key" "${entry%%=*}")"
done
version=$(reg_value "$uninstall_key" DisplayVersion)
[[ "$version" =~ ^[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "list entry DisplayVersion: $version"
[ $(($(reg_value "$uninstall_key" EstimatedSize))) -gt 100 ] || fail "list entry EstimatedSize is missing or too small"

step "Corvane started, asked to end and started again by a silent upgrade; decoy windows above it left alone"
start_corvane
start_fixture decoy
run_setup || fail "the upgrade failed with decoy windows open"
corvane_ended_within 5 || fail "Corvane still ran after the upgrade"
grep -q '^Hide=1' "$install/brightfen.ini" 2>/dev/null || fail "Corvane did not write its settings when it ended"
grep -q WM_CLOSE "$work/fixture.out" && fail "the upgrade asked a window that is not Corvane's to close"
stop_fixture
end_started_corvane "the silent upgrade did not start Corvane again"

step "a build with another caption running, upgraded silently: asked to end and started again"
$wine "$other_setup" /S </dev/null >/dev/null 2>&1 || fail "the installer of the build with another caption failed"
start_corvane
run_setup || fail "the upgrade over a running build with another caption failed"
corvane_ended_within 5 || fail "the build with another caption still ran after the upgrade"
end_started_corvane "the silent upgrade did not start Corvane again after the build with another caption"

step "a running release 1.2.1, found by its caption: asked to end by an upgrade"
start_fixture old
run_setup || fail "the upgrade over a running release 1.2.1 failed"
grep -q WM_CLOSE "$work/fixture.out" || fail "the upgrade did not ask the release 1.2.1 to end"
stop_fixture
end_started_corvane "the silent upgrade did not start Corvane again after the release 1.2.1"

step "upgrade keeps settings, schedules and the log-on choice"
printf '[CVOption]\r\nRemindSec=45\r\nHide=1\r\n' >"$install/brightfen.ini"
printf '\351\003\0\0\002\0\004\0001930\00020261211\0\0\0' >"$install/cvdata/cvsche.dat"
cp "$install/brightfen.ini" "$install/cvdata/cvsche.dat" "$work/"
$wine reg delete "$run_key" /v Corvane /f >/dev/null
run_setup
cmp -s "$work/brightfen.ini" "$install/brightfen.ini" || fail "the upgrade changed brightfen.ini"
cmp -s "$work/cvsche.dat" "$install/cvdata/cvsche.dat" || fail "the upgrade changed cvsche.dat"
[ -z "$(reg_value "$run_key" Corvane)" ] || fail "the upgrade brought back the log-on entry the user had removed"
size=$(stat -c %s "$install/corvane.exe" "$install/cvdata/cvhelp.chm" "$install/cvdata/cvwkcond.dat" "$install/uninstall.exe" | paste -sd+)
[ "$(($(reg_value "$uninstall_key" EstimatedSize)))" = $(((size + 1023) / 1024)) ] || fail "EstimatedSize counts other files"
[ -f "$install/corvane.exe" ] || fail "the upgrade lost corvane.exe"
sleep 2
corvane_running && fail "the silent upgrade started Corvane, which was not running"

step "an upgrade while another program holds corvane.exe: refused, the old program, its entry and its run kept"
printf 'old' >>"$install/corvane.exe"
cp "$install/corvane.exe" "$work/old-corvane.exe"
$wine reg add "$uninstall_key" /v DisplayVersion /d 0.9.0 /f >/dev/null
start_corvane
start_fixture hold "$install_win\\corvane.exe"
[ "$(exit_code run_setup)" = 2 ] || fail "the upgrade over a held corvane.exe did not end with exit code 2"
stop_fixture
corvane_ended_within 5 || fail "Corvane still ran after the refused upgrade"
end_started_corvane "the refused silent upgrade did not start the old Corvane again"
cmp -s "$work/old-corvane.exe" "$install/corvane.exe" || fail "the refused upgrade changed corvane.exe"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = 0.9.0 ] || fail "the refused upgrade changed the entry's version"

files_before=$(installed_files)
for row in "hold corvane.exe" "hold cvdata\\cvhelp.chm from-temp" "hold cvdata\\cvsche.dat /REMOVEDATA" \
    "read corvane.exe /REMOVEDATA"; do
    read -r holder held option <<<"$row"
    step "an uninstall while another program holds $held ($holder $option): refused, everything kept"
    start_fixture "$holder" "$install_win\\$held"
    if [ "$option" = from-temp ]; then # NSIS's copy in %TEMP% uninstalls; the uninstaller returns 0 at once
        command=$(reg_value "$uninstall_key" QuietUninstallString)
        run_as_tool "${command% _?=*}" || fail "the uninstaller without _?= did not end with exit code 0"
    else
        # shellcheck disable=SC2086 # no option, or one
        [ "$(exit_code run_uninstaller $option)" = 2 ] || fail "the uninstall over a held $held did not end with exit code 2"
    fi
    stop_fixture
    [ "$(installed_files)" = "$files_before" ] || fail "the refused uninstall removed files: $(installed_files)"
    [ -e "$shortcut" ] || fail "the refused uninstall removed the Start-menu shortcut"
    [ "$(reg_value "$uninstall_key" DisplayVersion)" = 0.9.0 ] || fail "the refused uninstall removed the list entry"
done

step "an install into another folder while Corvane is installed: refused, nothing changed"
[ "$(exit_code run_as_tool "\"$setup_win\" /S /D=$other_win")" = 2 ] || fail "the install into another folder did not end with exit code 2"
[ ! -e "$other" ] || fail "the refused install wrote into $other_win"
[ "$(reg_value "$uninstall_key" InstallLocation)" = "$install_win" ] || fail "the refused install changed the list entry"

step "the uninstaller of a copy of the folder removes that copy and leaves the installed Corvane's entries"
cp -a "$install" "$other"
$wine reg add "$run_key" /v Corvane /d "\"$install_win\\corvane.exe\"" /f >/dev/null
[ "$(exit_code run_as_tool "\"$other_win\\uninstall.exe\" /S /REMOVEDATA _?=$other_win")" = 0 ] ||
    fail "the uninstall of the copy did not end with exit code 0"
[ ! -e "$other" ] || fail "left of the copy: $(ls -R "$other")"
[ "$(installed_files)" = "$files_before" ] || fail "the copy's uninstaller removed installed files: $(installed_files)"
[ -e "$shortcut" ] || fail "the copy's uninstaller removed the installed Corvane's shortcut"
[ -n "$(reg_value "$run_key" Corvane)" ] || fail "the copy's uninstaller removed the installed Corvane's log-on entry"
[ -n "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the copy's uninstaller removed the installed Corvane's list entry"

step "uninstall keeps the user's data"
[ "$(exit_code run_uninstaller)" = 0 ] || fail "the uninstall did not end with exit code 0"
within_10s only_user_data_left || fail "left after uninstalling: $(installed_files)"
[ ! -e "$shortcut" ] || fail "the Start-menu shortcut is left"
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the list entry is left"
cmp -s "$work/cvsche.dat" "$install/cvdata/cvsche.dat" || fail "uninstalling changed cvsche.dat"

step "reinstall, then uninstall with the user's data"
run_setup
[ "$(reg_value "$run_key" Corvane)" = "\"$install_win\\corvane.exe\"" ] || fail "a new install has no log-on entry"
[ "$(exit_code run_uninstaller /REMOVEDATA)" = 0 ] || fail "the uninstall with /REMOVEDATA did not end with exit code 0"
within_10s no_install_folder || fail "left after uninstalling with /REMOVEDATA: $(installed_files)"
[ -z "$(reg_value "$run_key" Corvane)" ] || fail "the log-on entry is left"

step "UninstallString with /S /REMOVEDATA appended: everything removed, exit code 0"
run_setup
printf 'x' | tee "$install/brightfen.ini" "$install/brightfen.ini.tmp" "$install/cvdata/cvsche.dat" \
    "$install/cvdata/cvsche.dat.tmp" >/dev/null
[ "$(exit_code run_as_tool "$(reg_value "$uninstall_key" UninstallString) /S /REMOVEDATA")" = 0 ] ||
    fail "UninstallString with /S /REMOVEDATA did not end with exit code 0"
within_10s no_install_folder || fail "left after UninstallString /S /REMOVEDATA: $(installed_files)"
[ ! -e "$shortcut" ] || fail "UninstallString /S /REMOVEDATA left the shortcut"
[ -z "$(reg_value "$uninstall_key" DisplayName)$(reg_value "$run_key" Corvane)" ] || fail "UninstallString /S /REMOVEDATA left entries"

step "Corvane closed from outside (taskkill), then uninstalled with the user's data"
run_setup
start_corvane
$wine taskkill /im corvane.exe >/dev/null
corvane_ended_within 20 || fail "Corvane still ran 20 s after taskkill"
grep -q '^Hide=1' "$install/brightfen.ini" 2>/dev/null || fail "Corvane did not save its settings on taskkill"
run_uninstaller /REMOVEDATA || fail "the uninstall after taskkill failed"
within_10s no_install_folder || fail "left after uninstalling: $(installed_files)"
[ -z "$(reg_value "$uninstall_key" DisplayName)$(reg_value "$run_key" Corvane)" ] || fail "entries are left"

[ "$failed" -eq 0 ] || exit 1
echo "$(basename "$setup"): install, upgrade and uninstall under Wine work"
