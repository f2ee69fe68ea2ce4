#!/usr/bin/env bash
# Installs every Debian package the player, its build, its tests and its
# Debian package need.
# Idempotent: packages already present are skipped, and apt is not touched at all
# when nothing is missing.
set -euo pipefail

packages=(
  cmake make g++ pkg-config
  # lld lays the player's start-up code out together; valgrind finds it
  # (tools/start-order).
  lld valgrind
  qt6-base-dev qt6-svg-dev libgl-dev libxlsxwriter-dev libsodium-dev libsimdjson-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  # The window's fonts: Liberation 1 (metric twins of Times New Roman and
  # Arial); the tests paint and measure with exactly these and DejaVu
  # (tests/fonts/pinned-fonts.conf.in), whatever else is installed.
  fonts-liberation fonts-dejavu-core fontconfig qt6-translations-l10n
  clang-format
  xvfb xdotool x11-apps x11-xkb-utils libx11-dev libxtst-dev dbus-x11
  clang libclang-rt-14-dev libfuzzer-14-dev
  libzxing-dev qt6-pdf-dev libopencv-core-dev libopencv-imgproc-dev qt6-image-formats-plugins
  dpkg-dev file lintian desktop-file-utils shared-mime-info
  chromium tidy python3-openpyxl
  # The exam session's tests (tests/session): the cage compositor, which does
  # not start without Xwayland, Qt's Wayland platform, and the Wayland tools
  # that take screenshots (grim) and type keys (wtype).
  cage xwayland qt6-wayland grim wtype
  # The report's printed page measured (pdftotext), and its tables opened by
  # a Bulgarian spreadsheet: 78 MiB, about a minute to install.
  poppler-utils libreoffice-calc-nogui
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}" >&2
sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
