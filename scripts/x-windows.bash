# Looking up windows on the X screen, for the scripts that try the Windows program under
# Wine. Sourced, not run.

# The visible windows that `xdotool search ARGS` finds, by X id. A window that goes while
# xdotool walks the window tree ends the search with an X error (BadWindow), and Wine's
# programs make and drop windows all the time; the walk is then made again.
windows_found() {
    local out attempt
    for attempt in 1 2 3 4 5; do
        out="$(xdotool search --onlyvisible "$@" 2>&1)" || true
        grep -q 'X Error' <<<"$out" || break
        sleep 0.1
    done
    grep -E '^[0-9]+$' <<<"$out" || true
}

# The first window `xdotool search ARGS` finds within SECONDS; empty after that.
window_within() {
    local deadline=$((SECONDS + $1)) id
    shift
    while :; do
        id="$(windows_found "$@" | head -n1)"
        if [ -n "$id" ] || [ "$SECONDS" -ge "$deadline" ]; then
            printf '%s\n' "$id"
            return 0
        fi
        sleep 0.2
    done
}

# For a failure message, under the script's name NAME: the windows on the screen and
# whether the program runs, which tell a slow start from a crash or a dialog in the way.
describe_screen() {
    local id
    for id in $(windows_found --name .); do
        echo "$1: on the screen: \"$(xdotool getwindowname "$id" 2>/dev/null)\"" >&2
    done
    if grep -qs 'orbelle\.exe' /proc/[0-9]*/cmdline; then
        echo "$1: orbelle.exe is running" >&2
    else
        echo "$1: orbelle.exe is not running" >&2
    fi
}
