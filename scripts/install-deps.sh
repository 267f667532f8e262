#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the desktop shells need,
# and the browser suite's npm packages from tests/web/package-lock.json.
# Idempotent: does nothing (and asks no registry) when everything is present.
#   scripts/install-deps.sh            everything
#   scripts/install-deps.sh core       only what the core, the CLI and their tests need
set -euo pipefail

what=${1:-all}

core=(cmake ninja-build g++ make pkg-config libgtest-dev libgmock-dev libbenchmark-dev
      libgmp-dev clang libclang-rt-14-dev help2man man-db dpkg-dev clang-format clang-tidy)
# numbrel-cli's checks: its JSON read back, and its completions run in each shell.
core+=(jq zsh fish)
# The accessibility bus reads the window as a screen reader does, in the
# test that opens the program with a command on a virtual display.
qt=(qt6-base-dev fonts-urw-base35 xvfb xauth x11-utils xdotool imagemagick
    dbus at-spi2-core python3-pyatspi)
# The Debian package and its checks: icons drawn from the SVG, the validators,
# and a clock moved for one program, to pack again at another time.
pkg=(librsvg2-bin desktop-file-utils appstream lintian faketime)
win=(g++-mingw-w64-i686 g++-mingw-w64-i686-posix binutils-mingw-w64-i686
     g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 icoutils wine wine32:i386 wine64 fonts-wine
     libxrender1:i386 libxrandr2:i386 libxcursor1:i386 libxi6:i386 libxinerama1:i386
     libxcomposite1:i386 libxfixes3:i386 zip unzip)
# The browser edition: emscripten builds it, Chromium runs its tests, ImageMagick
# draws its icons. Node.js 20 and npm come with the machine; Debian's are older
# than the test runner needs, so they are only a fallback.
web=(emscripten chromium imagemagick fonts-urw-base35)
if ! command -v npm >/dev/null; then web+=(nodejs npm); fi

case "$what" in
  core) want=("${core[@]}") ;;
  all)  want=("${core[@]}" "${qt[@]}" "${pkg[@]}" "${win[@]}" "${web[@]}") ;;
  *) echo "usage: $0 [core|all]" >&2; exit 2 ;;
esac

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi

needs_i386=0
for p in "${want[@]}"; do
  case "$p" in *:i386) needs_i386=1 ;; esac
done
added_arch=0
if [ "$needs_i386" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  added_arch=1
fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ "${#missing[@]}" -gt 0 ] || [ "$added_arch" -eq 1 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  if [ "${#missing[@]}" -gt 0 ]; then
    $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
fi

# The test runner and terser, exactly as locked; never a browser of their own.
if [ "$what" = all ]; then
  web_tests=$(dirname "$0")/../tests/web
  if [ ! -f "$web_tests/node_modules/.package-lock.json" ] ||
     [ "$web_tests/package-lock.json" -nt "$web_tests/node_modules/.package-lock.json" ]; then
    echo "Installing the browser suite's npm packages"
    (cd "$web_tests" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund)
  fi
fi
