#!/usr/bin/env bash
# Installs every Debian package Quendra needs to build, test and run.
# Idempotent and non-interactive; prints nothing when everything is present.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libqt6opengl6-dev
  qt6-multimedia-dev libqt6multimedia6 libqt6multimediawidgets6
  qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  libgl-dev libxkbcommon-dev libfontconfig-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libwmf-dev libwmf-bin libgd-dev libjpeg-dev libjpeg-turbo-progs fonts-urw-base35
  libfluidsynth-dev fluid-soundfont-gm
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  xvfb xauth x11-apps imagemagick poppler-utils unrtf
  fonts-dejavu-core python3 ccache
  clang libclang-rt-14-dev
  at-spi2-core python3-pyatspi dbus-x11 xdotool
  desktop-file-utils appstream shared-mime-info dpkg-dev
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
