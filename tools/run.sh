#!/usr/bin/env bash
# Runs Corvane under Wine as a user would have it: in a Wine prefix of its own
# (build/run-prefix; CORVANE_RUN_PREFIX names another), beside a demo Palm
# Desktop of the stand-in in "C:\Palm Desktop", with corvane.exe and its cvdata
# folder in %LOCALAPPDATA%\Programs\Corvane, where the installer puts them.
#   tools/run.sh [BUILD_FOLDER]
# With a display (DISPLAY set) Corvane starts there and keeps running: its
# main window shows on the first start, its icon sits in Wine's notification
# area. Without one it runs on a private X display: the script saves a picture
# of the main window, ends Corvane through its icon's "Exit" command (so the
# settings and schedules are saved) and says where everything is.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh

if tools/runs-i386.sh; then
    preset=win32
    wine_loader=wine
    echo "Running the i686 build, the one users run beside Palm Desktop's 32-bit libraries."
else
    preset=win64
    wine_loader=/usr/lib/wine/wine64
    echo "This machine's kernel refuses 32-bit programs, so Corvane runs as its x86_64 build here."
    echo "(Palm Desktop's real libraries are 32-bit and need the i686 build; the stand-in is built for both.)"
fi
build=${1:-build/$preset}
cmake --preset "$preset" -B "$build" >/dev/null
cmake --build "$build" -j2 --target corvane palmsim cvdata program_remote >/dev/null
bin="$root/$build/bin"

export WINEPREFIX="${CORVANE_RUN_PREFIX:-$root/build/run-prefix}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

headless=0
if [ -z "${DISPLAY:-}" ]; then
    headless=1
    # shellcheck source=tools/wine-session.sh
    . tools/wine-session.sh
    export CORVANE_WINEPREFIX=$WINEPREFIX
    trap wine_session_stop EXIT
    trap 'exit 130' INT TERM
    wine_session_start "$root"
elif [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (once)..."
    wineboot -i </dev/null >/dev/null 2>&1
fi

palm="$WINEPREFIX/drive_c/Palm Desktop"
if [ ! -f "$palm/palmsim.ini" ]; then
    $wine_loader "$bin/palmsetup.exe" demo 'C:\Palm Desktop'
fi

# %LOCALAPPDATA%\Programs\Corvane of the prefix's user, who is named after the Unix user.
program="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/Corvane"
mkdir -p "$program/cvdata"
cp "$bin/corvane.exe" "$program/"
cp "$bin/cvdata/cvwkcond.dat" "$program/cvdata/"
[ ! -f "$bin/cvdata/cvhelp.chm" ] || cp "$bin/cvdata/cvhelp.chm" "$program/cvdata/"
first=yes
[ ! -f "$program/brightfen.ini" ] || first=no

where() {
    echo "Wine prefix:        $WINEPREFIX"
    echo "Corvane:            $program/corvane.exe"
    echo "Settings:           $program/brightfen.ini"
    echo "Schedules:          $program/cvdata/cvsche.dat"
    echo "Palm Desktop:       $palm (palmsim.ini holds its users and conduits)"
}

if [ "$headless" -eq 0 ]; then
    (cd "$program" && exec setsid "$wine_loader" "$program/corvane.exe") </dev/null >/dev/null 2>&1 &
    "$wine_loader" "$bin/program_remote.exe" wait
    where
    if [ "$first" = yes ]; then
        echo "Corvane shows its main window on this first start; \"Close\" hides it in the notification area."
    else
        echo "Corvane runs in Wine's notification area: click its icon to show the main window."
    fi
    echo "End it with \"Exit\" in the icon's right-click menu."
    exit 0
fi

(cd "$program" && exec "$wine_loader" "$program/corvane.exe") </dev/null >/dev/null 2>&1 &
corvane=$!
"$wine_loader" "$bin/program_remote.exe" wait
"$wine_loader" "$bin/program_remote.exe" show
sleep 2
out="$root/build/run"
mkdir -p "$out"
id=$(xwininfo -display "$DISPLAY" -root -tree | grep -F '"Corvane V1.2.1"' | awk '{print $1}' | head -n 1)
if [ -n "$id" ]; then
    import -display "$DISPLAY" -window "$id" "$out/main-window.png"
fi
"$wine_loader" "$bin/program_remote.exe" exit
wait "$corvane" || true
where
if [ -n "$id" ]; then
    echo "Main window:        $out/main-window.png"
fi
echo "Corvane ran on a private X display (no DISPLAY was set) and has ended through its icon's \"Exit\"."
