#!/usr/bin/env bash
# Installs every Debian package Inkharbor needs to build, run, test and benchmark.
# Idempotent and non-interactive: packages already present are left alone.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config ccache clang clang-format libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev
  # the desktop files: icons drawn from SVG, checks of the launcher, the
  # software-centre metadata and the Debian package
  librsvg2-bin desktop-file-utils appstream lintian
  # Qt and coroutines
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qcoro-qt6-dev libgl-dev
  # translations: lupdate and lrelease; Qt's own texts (standard buttons, the
  # line edits' menus) in the desktop's language
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  # TIFF, WebP and other image formats for inkharbor-recognize
  qt6-image-formats-plugins
  # Unicode and locale data
  libicu-dev
  # recognition
  libtesseract-dev libleptonica-dev tesseract-ocr tesseract-ocr-eng tesseract-ocr-deu
  tesseract-ocr-fra tesseract-ocr-spa tesseract-ocr-heb tesseract-ocr-ara
  libcld2-dev libzxing-dev
  # desktop services
  libxcb1-dev libxcb-keysyms1-dev libxcb-randr0-dev libxcb-xkb-dev libxkbcommon-dev
  libxkbcommon-x11-dev libsystemd-dev libcanberra-dev libasound2-dev libespeak-ng-dev espeak-ng-data libpcaudio-dev xdg-utils
  libsqlite3-dev sqlite3
  # screen pixels through the desktop's screen-sharing portal (PipeWire); the
  # portal tests hand out a real PipeWire stream from GStreamer
  libpipewire-0.3-dev pipewire wireplumber xdg-desktop-portal gstreamer1.0-pipewire
  gstreamer1.0-tools gstreamer1.0-plugins-base
  # translation and dictionary (offline)
  apertium apertium-eng-spa apertium-en-es apertium-fr-es wordnet-dev wordnet-base
  # desktop session for running and testing
  xvfb xauth x11-utils x11-xserver-utils xdotool xclip imagemagick dbus dbus-x11 at-spi2-core
  python3-pyatspi gir1.2-atspi-2.0 python3-gi libglib2.0-bin openbox trayer strace
  # Wayland: Qt's platform and the client library; grim reads wlroots outputs; a
  # headless sway session with wtype and wl-clipboard for the end-to-end tests
  qt6-wayland libwayland-dev grim sway wtype wl-clipboard
  # fonts: the program's own look and the benchmark's corpus; the scripts of the
  # languages the recogniser offers, so their names show as text, not boxes
  # (fonts-noto-core: Devanagari, Tamil, Thai, Hebrew, Arabic and the others;
  # fonts-noto-cjk: Chinese, Japanese, Korean)
  fonts-dejavu fonts-liberation2 fonts-noto-core fonts-noto-cjk fonts-noto-mono
  fonts-noto-color-emoji fonts-hack fonts-inconsolata fonts-open-sans fonts-roboto
  fonts-cantarell
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
