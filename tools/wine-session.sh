# Sourced by the test and screenshot scripts: a private Xvfb display, a Wine
# prefix under build/ (created once, then reused; CORVANE_WINEPREFIX names
# another) and a persistent wineserver. The prefix runs 64-bit and, with
# Debian's wine32, 32-bit programs.
# wine_session_stop ends everything wine_session_start started, by process id.

wine_session_start() {
    local root=$1
    export WINEPREFIX="${CORVANE_WINEPREFIX:-$root/build/wine-prefix}"
    export WINEARCH=win64
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$(dirname "$WINEPREFIX")"

    local displayfile
    displayfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
    WINE_SESSION_XVFB_PID=$!
    local tries=0
    while [ ! -s "$displayfile" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
    export DISPLAY=":$(tr -d '[:space:]' <"$displayfile")"
    rm -f "$displayfile"
    if [ "$DISPLAY" = ":" ]; then
        echo "Xvfb did not start" >&2
        return 1
    fi

    wineserver -f -p >/dev/null 2>&1 &
    WINE_SESSION_SERVER_PID=$!
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix (once)..."
    fi
    # Starts Wine's own services now, detached from the caller's output: a
    # service started by the first test would hold the test runner's pipe open.
    wineboot -i </dev/null >/dev/null 2>&1
}

wine_session_stop() {
    if [ -n "${WINE_SESSION_SERVER_PID:-}" ] && kill -0 "$WINE_SESSION_SERVER_PID" 2>/dev/null; then
        wineserver -k >/dev/null 2>&1 || true
        local tries=0
        while kill -0 "$WINE_SESSION_SERVER_PID" 2>/dev/null && [ $tries -lt 50 ]; do
            sleep 0.1
            tries=$((tries + 1))
        done
        kill -9 "$WINE_SESSION_SERVER_PID" 2>/dev/null || true
    fi
    if [ -n "${WINE_SESSION_XVFB_PID:-}" ]; then
        kill "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
        wait "$WINE_SESSION_XVFB_PID" 2>/dev/null || true
    fi
    WINE_SESSION_SERVER_PID=""
    WINE_SESSION_XVFB_PID=""
}
