# Sourced by the other scripts: one place for the paths and the Wine environment.
VORN_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# The build tree, and the Wine prefix inside it; set VORN_BUILD to build elsewhere.
export VORN_BUILD=${VORN_BUILD:-$VORN_ROOT/build}
export WINEPREFIX=$VORN_BUILD/wineprefix
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono/Gecko install prompts; a crash ends the process instead of waiting in winedbg.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
export LANG=zh_CN.UTF-8
unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
# A compiler cache speeds up rebuilds in several checkouts when one is installed; never required.
if command -v ccache >/dev/null 2>&1; then
    export CMAKE_C_COMPILER_LAUNCHER=${CMAKE_C_COMPILER_LAUNCHER:-ccache}
    export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
fi

# Runs a Wine command; when Wine itself could not start it (a new prefix still coming up makes
# start.exe fail with "ShellExecuteEx failed: Internal error", in the prefix's language), tries
# again a few times. Any other failure, and the command's own output, go back unchanged.
vorn_wine_retry() {
    local attempt out err rc
    err=$(mktemp)
    for attempt in 1 2 3 4 5 6; do
        rc=0
        out=$("$@" 2>"$err") || rc=$?
        if [ $rc -eq 0 ] || ! grep -q 'ShellExecuteEx' "$err" || [ $attempt -eq 6 ]; then
            break
        fi
        sleep "$attempt"
    done
    [ -z "$out" ] || printf '%s\n' "$out"
    cat "$err" >&2
    rm -f "$err"
    return $rc
}

# Waits until programs start in the prefix and read its registry (a minute at most).
vorn_wine_ready() {
    local i
    for i in $(seq 1 30); do
        wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH \
            >/dev/null 2>&1 && return 0
        sleep 2
    done
    return 1
}
