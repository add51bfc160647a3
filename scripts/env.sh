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
