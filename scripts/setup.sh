# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./run and ./test: installs what the build needs when it is missing, then
# configures and builds into the folder given as $1. Sourced, not run.

# dpkg-dev brings dpkg-buildflags, whose hardening flags every release build takes; Qt SVG is
# for the tool that writes the scalable icon, not for the program; Qt Gui's CMake files look for
# the OpenGL headers (libgl-dev). Qt's own Italian translations make its standard dialogs and
# menus speak Italian whatever the locale. nlohmann-json reads and writes the
# model files; it is headers only, so the package needs nothing of it.
coppia_packages=(cmake g++ make dpkg-dev qt6-base-dev qt6-svg-dev libgl-dev locales fonts-liberation2
                 qt6-translations-l10n nlohmann-json3-dev)
# What only the tests need: GoogleTest; the tools that check the installed desktop files and
# the model files' type, the manual page and the Debian package (lintian brings man-db);
# pdftotext, which reads the exported sheet back; clang with its sanitizer and libFuzzer runtimes.
coppia_test_packages=(libgtest-dev desktop-file-utils appstream shared-mime-info file lintian
                      poppler-utils clang libclang-rt-14-dev)
# What only scripts/windows-tests needs: MinGW-w64's C++ compiler (the posix flavour, whose
# std::thread the tests use) for the Windows build, and Wine to run its test programs. The
# GoogleTest sources come with libgtest-dev, nlohmann-json with coppia_packages.
# NSIS's makensis builds the installer (Debian's has the 64-bit stubs, so wine64 runs it and
# scripts/windows-installer-test needs no 32-bit Wine). Xvfb and xdotool let
# scripts/windows-installed-probe start the installed program on a virtual screen and click
# CALCOLA as a user does; Qt's Italian translations go into the program folder.
coppia_windows_packages=(g++-mingw-w64-x86-64-posix wine64 wine libgtest-dev cmake make
                         nlohmann-json3-dev nsis xvfb xauth xdotool qt6-translations-l10n)
# What scripts/windows-qt needs besides: dpkg-source to unpack Debian's qt6-base source, Ninja,
# the generator Qt's CMake build is made for, and Debian's Qt 6 itself, whose moc, rcc and uic
# run during the cross-build.
coppia_windows_qt_packages=(dpkg-dev ninja-build patch xz-utils qt6-base-dev qt6-base-dev-tools)

# What the web edition needs: Debian's Emscripten (with its clang, lld and binaryen, and acorn
# among Debian's node packages) builds it, and Chromium runs its page in the browser tests. Node
# and npm come with it where no node is installed yet; one that is (a newer one from elsewhere)
# is kept, as Emscripten takes any from 12 up.
coppia_web_packages=(emscripten chromium)

coppia_missing_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
            echo "$package"
    done
}

# Installs the given Debian packages that are not installed yet.
coppia_install_packages() {
    local missing
    missing=$(coppia_missing_packages "$@")
    [ -z "$missing" ] && return 0
    local sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        if command -v sudo >/dev/null; then
            sudo="sudo"
        else
            echo "These Debian packages are missing: $missing" >&2
            echo "Install them as root (apt-get install $missing) and run this again." >&2
            return 1
        fi
    fi
    echo "Installing: $missing"
    $sudo apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
}

# Installs what the web edition needs, node and npm only where there is no node at all.
coppia_install_web_packages() {
    if ! command -v node >/dev/null || ! command -v npm >/dev/null; then
        coppia_install_packages nodejs npm || return 1
    fi
    coppia_install_packages "${coppia_web_packages[@]}"
}

# The program must behave the same under an Italian locale, whose decimal separator is a
# comma; the tests check that, so the locale has to exist.
coppia_ensure_italian_locale() {
    locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$' && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo sed -i 's/^# *\(it_IT.UTF-8 UTF-8\)/\1/' /etc/locale.gen 2>/dev/null
    grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null ||
        echo 'it_IT.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
}

coppia_build() {
    local build_dir=$1
    shift
    cmake -S "$coppia_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}

# Builds the web edition into the folder given as $1 with Debian's Emscripten: the site and the
# single-file page (build-web/web/page), with the tests built for node when BUILD_TESTING=ON is
# among the remaining arguments.
coppia_web_build() {
    local build_dir=$1
    shift
    cmake -S "$coppia_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$coppia_root/web/emscripten.cmake" -DCOPPIA_QT_FREE_ONLY=ON \
        "$@" >/dev/null &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}

# Builds the Windows edition into the folder given as $1, with Qt for Windows built first, once
# per machine (scripts/windows-qt); prints nothing but the build's errors. Sets coppia_windows_qt
# to that Qt's folder.
coppia_windows_build() {
    local build_dir=$1
    coppia_windows_qt=$("$coppia_root/scripts/windows-qt" | tail -n 1)
    cmake -S "$coppia_root" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$coppia_root/packaging/windows/mingw-w64-qt.cmake" \
        -DCOPPIA_WINDOWS_QT="$coppia_windows_qt" -DCOPPIA_QT_FREE_ONLY=OFF -DBUILD_TESTING=ON \
        >/dev/null &&
        cmake --build "$build_dir" --parallel "$(nproc)"
}

# The folders holding the DLLs a Windows program of this build loads beside Windows' own: Qt's,
# once coppia_windows_qt is set, and the compiler's runtime (libstdc++, libgcc, winpthread).
coppia_windows_runtime_folders() {
    [ -n "${coppia_windows_qt:-}" ] && echo "$coppia_windows_qt/bin"
    local dll
    for dll in libstdc++-6.dll libwinpthread-1.dll; do
        realpath "$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=$dll)")"
    done
}

# The same folders for Wine's WINEPATH: Windows paths separated by ";".
coppia_windows_dll_path() {
    local folder path=""
    while read -r folder; do
        path+="${path:+;}Z:${folder//\//\\}"
    done < <(coppia_windows_runtime_folders)
    echo "$path"
}

# A Wine of the script's own in a new folder, for programs that must see nothing of the user's
# ~/.wine nor of an earlier run's (a C:\Mervanti.ini, an %APPDATA%\coppia): exports WINEPREFIX
# and, quiet, WINEDEBUG. coppia_end_wine stops it and removes the folder.
coppia_new_wine() {
    export WINEDEBUG=-all WINEPREFIX
    WINEPREFIX=$(mktemp -d /tmp/coppia-wine-XXXXXX)
    wineboot --init >/dev/null 2>&1 || true
}

coppia_end_wine() {
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
}

# Compares two outputs of the main window's cases (tests/windows/shown_cases.h) byte for byte:
# silent when they are the same; otherwise says so, shows the first cases that differ (< the
# first file's line, > the second's) and how many do, and fails.
coppia_compare_shown_texts() {
    local first=$1 second=$2 names=$3
    cmp -s "$first" "$second" && return 0
    echo "The two differ: cmp says $(cmp "$first" "$second" 2>&1 || true)"
    # Case by case: each line is one case, numbered at its start.
    awk -v names="$names" 'NR == FNR { first[FNR] = $0; next }
         first[FNR] != $0 { if (++differing <= 5) print "< " first[FNR] "\n> " $0 }
         END { print differing + 0 " cases differ (" names ")" }' "$first" "$second"
    return 1
}
