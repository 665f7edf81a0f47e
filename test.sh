#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: in the Release build, in the
# browser (the core's tests under node, the page in headless Chromium and in headless
# Firefox against the Release build's skirmod-calc, so after it, then the page read aloud by
# Orca in Chromium), in the build with AddressSanitizer and UndefinedBehaviorSanitizer, and
# cross-built for Windows under Wine (the core and skirmod-calc always; the whole zip too
# once Qt for Windows is cached, see scripts/build-windows.sh). Last, each fuzz target
# replays its seeds and explores for a few seconds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cd "$root"

scripts/install-deps.sh test
export QT_QPA_PLATFORM=offscreen

run_preset() {
    echo "== $1 =="
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1"
    "${@:2}" ctest --preset "$1"
}

windows_smoke_test() {
    # shellcheck source=scripts/windows-qt.sh
    . scripts/windows-qt.sh
    if [ ! -f "$qt_windows_prefix/.skirmod-complete" ]; then
        echo "Windows smoke test skipped: no Qt for Windows is cached; run" \
            "scripts/build-windows.sh once to enable it"
        return
    fi
    echo "== windows smoke test =="
    # The build's whole output stays in sight; its last line names the zip.
    mkdir -p build-windows
    scripts/build-windows.sh | tee build-windows/build-windows.log
    local zip glyph_test
    zip=$(tail -n 1 build-windows/build-windows.log)
    glyph_test=$(scripts/build-windows.sh --test glyph_ink_test | tail -n 1)
    tests/desktop/run_on_desktop.sh scripts/with-wine.sh \
        tests/windows/smoke_test.sh "$zip" "$root/build-release" "$glyph_test"
}

# The page tests' tools from npm, in one install, as a later --no-save install would remove
# the others: axe-core for the accessibility check.
npm_tools=build-web-tests/npm
web_test_tools=(axe-core@4.14.1)

install_web_test_tools() {
    local tool installed
    for tool in "${web_test_tools[@]}"; do
        installed=$(node -p "require('./$npm_tools/node_modules/${tool%@*}/package.json').version" \
            2>/dev/null || true)
        if [ "$installed" != "${tool##*@}" ]; then
            command -v npm >/dev/null || scripts/install-deps.sh test npm
            npm install --no-save --no-audit --no-fund --prefix "$npm_tools" "${web_test_tools[@]}"
            return
        fi
    done
}

web_page_test() {
    echo "== web page in headless Chromium =="
    local site
    site=$(scripts/build-web.sh | tail -n 1)
    install_web_test_tools
    /usr/bin/python3 tests/web/page_test.py "$site" build-release/src/cli/skirmod-calc \
        build-release/packaging/ShipStats.txt "$npm_tools/node_modules/axe-core/axe.min.js"
    echo "== web page's builds, updates and first paint in headless Chromium =="
    /usr/bin/python3 tests/web/updates_test.py "$site" build-release/packaging/ShipStats.txt
}

# The same checks in Debian's headless Firefox, driven over WebDriver BiDi, on the site
# web_page_test built; fewer pairings, as the figures are the engine's in either browser. A
# step Firefox cannot take is skipped with its reason printed.
web_browser_test() {
    echo "== web page in headless Firefox =="
    SKIRMOD_WEB_BROWSER=firefox SKIRMOD_WEB_PAIRINGS=60 /usr/bin/python3 tests/web/page_test.py \
        build-web/site build-release/src/cli/skirmod-calc build-release/packaging/ShipStats.txt \
        "$npm_tools/node_modules/axe-core/axe.min.js"
}

# After the release tier: its desktop Orca test must be over, as Orca runs once per user.
web_screen_reader_test() {
    echo "== web page read by Orca in Chromium =="
    local site
    site=$(scripts/build-web.sh | tail -n 1)
    tests/desktop/run_on_desktop.sh "$root/tests/web/page_screen_reader_test.sh" "$site"
}

run_preset release
run_preset web-tests
web_page_test
web_browser_test
web_screen_reader_test
run_preset asan
run_preset windows-tests scripts/with-wine.sh
windows_smoke_test
run_preset fuzz
