#!/usr/bin/env bash
# Starts each window under Wine on a private X display and saves a PNG of it
# in build/screenshots/, to look at what a person would see. An optional build
# folder (default build/win64; pictures then in its screenshots/) and
# CORVANE_WINEPREFIX let a second copy run beside the shared one.
# CORVANE_SCREENSHOT_DPI=144 takes them at 150 % scaling, into screenshots-144/
# beside the usual folder; the prefix's scaling is put back afterwards.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
build=${1:-build/win64}
dpi=${CORVANE_SCREENSHOT_DPI:-96}
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target window_gallery palmsim >/dev/null

# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"

desktop_key='HKCU\Control Panel\Desktop'
set_dpi() { /usr/lib/wine/wine64 reg add "$desktop_key" /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1; }
if [ "$dpi" != 96 ]; then
    # Wine reads the scaling at each program's start; the value before (none: 96) is put back at the end.
    before=$( (/usr/lib/wine/wine64 reg query "$desktop_key" /v LogPixels 2>/dev/null || true) |
        awk '/LogPixels/ {print $3}' | tr -d '\r')
    restore_dpi() {
        if [ -n "$before" ]; then
            set_dpi "$((before))"
        else
            /usr/lib/wine/wine64 reg delete "$desktop_key" /v LogPixels /f >/dev/null 2>&1 || true
        fi
    }
    trap 'restore_dpi; wine_session_stop' EXIT
    set_dpi "$dpi"
fi

# CORVANE_SCREENSHOT_CONTRAST=1 takes them in a black high-contrast theme, into screenshots-contrast/;
# the prefix's theme is put back afterwards.
contrast=${CORVANE_SCREENSHOT_CONTRAST:-0}
accessibility_key='HKCU\Control Panel\Accessibility\HighContrast'
colors_key='HKCU\Control Panel\Colors'
high_contrast_colors=(
    "Window:0 0 0" "WindowText:255 255 255" "ButtonFace:0 0 0" "ButtonText:255 255 255"
    "Highlight:26 235 255" "HighlightText:0 0 0" "HotTrackingColor:255 255 0" "GrayText:63 242 63"
)
set_contrast() {
    /usr/lib/wine/wine64 reg add "$accessibility_key" /v Flags /t REG_SZ /d "$1" /f >/dev/null 2>&1
}
if [ "$contrast" != 0 ]; then
    saved_colors=$(mktemp)
    /usr/lib/wine/wine64 reg export "$colors_key" "$(/usr/lib/wine/wine64 winepath -w "$saved_colors" 2>/dev/null)" /y \
        >/dev/null 2>&1 || true
    restore_contrast() {
        set_contrast 126
        if [ -s "$saved_colors" ]; then
            /usr/lib/wine/wine64 reg import "$(/usr/lib/wine/wine64 winepath -w "$saved_colors")" >/dev/null 2>&1 || true
        fi
        rm -f "$saved_colors"
    }
    trap 'restore_contrast; wine_session_stop' EXIT
    set_contrast 127
    export CORVANE_GALLERY_CONTRAST=1
    for entry in "${high_contrast_colors[@]}"; do
        /usr/lib/wine/wine64 reg add "$colors_key" /v "${entry%%:*}" /t REG_SZ /d "${entry#*:}" /f >/dev/null 2>&1
    done
fi

out="$root/build/screenshots"
[ "$build" = build/win64 ] || out="$root/$build/screenshots"
[ "$dpi" = 96 ] || out="$out-$dpi"
[ "$contrast" = 0 ] || out="$out-contrast"
mkdir -p "$out"
# window name, then the title of its window
for shot in "remind-one:HotSync Remind" "remind-several:HotSync Remind" "schedule:HotSync Schedule" \
    "conduits:Conduit Management" "users:User Management" "user-props:Rename User" \
    "main-intro:Corvane V1.2.1" "main-conduits:Corvane V1.2.1" "main-users:Corvane V1.2.1" \
    "main-schedule:Corvane V1.2.1" "about:About Corvane"; do
    window=${shot%%:*}
    title=${shot#*:}
    /usr/lib/wine/wine64 "$root/$build/bin/window_gallery.exe" "$window" 12 >/dev/null 2>&1 &
    shown=$!
    # No window manager runs on the private display, so the window has no frame: its client area is taken.
    # A fresh prefix can take several seconds to show the first window; it is waited for.
    id=""
    for _ in $(seq 40); do
        sleep 0.25
        id=$( (xwininfo -display "$DISPLAY" -root -tree || true) | grep -F "\"$title\"" | awk '{print $1}' | head -n 1 || true)
        [ -z "$id" ] || break
    done
    if [ -n "$id" ]; then
        sleep 1  # let it paint
        import -display "$DISPLAY" -window "$id" "$out/$window.png"
        echo "$out/$window.png"
    else
        echo "$window: no window titled '$title' appeared" >&2
    fi
    wait "$shown" || true
done
