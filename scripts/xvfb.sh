# Sourced by the checks that show a window: start_xvfb starts a private Xvfb on a display number
# the server picks itself (a fixed or random one may already be taken by another server on the
# machine), exports DISPLAY once it accepts connections, and adds its pid to $pids.
start_xvfb() {
    local number_file number
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 200); do
        number=$(tr -dc 0-9 <"$number_file")
        [[ -n "$number" ]] && break
        kill -0 "${pids[-1]}" 2>/dev/null || break
        sleep 0.05
    done
    rm -f "$number_file"
    [[ -n "$number" ]] || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
}

# wait_for_window NAME SECONDS: prints the id of the first visible window whose title matches NAME.
# Polls rather than using xdotool's --sync: a window that goes while xdotool reads it (Wine makes
# and drops several at start-up) ends that xdotool with an X error, so one call can fail at once.
wait_for_window() {
    local id deadline=$((SECONDS + $2))
    while ((SECONDS < deadline)); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}
