#!/usr/bin/env bash
# Starts each window under Wine on a private X display and saves a PNG of it
# in build/screenshots/, to look at what a person would see. An optional build
# folder (default build/win64; pictures then in its screenshots/) and
# CORVANE_WINEPREFIX let a second copy run beside the shared one.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tools/install-deps.sh
build=${1:-build/win64}
cmake --preset win64 -B "$build" >/dev/null
cmake --build "$build" -j2 --target window_gallery palmsim >/dev/null

# shellcheck source=tools/wine-session.sh
. tools/wine-session.sh
trap wine_session_stop EXIT
trap 'exit 130' INT TERM
wine_session_start "$root"

out="$root/build/screenshots"
[ "$build" = build/win64 ] || out="$root/$build/screenshots"
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
