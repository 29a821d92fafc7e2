#!/usr/bin/env bash
# Installs every Debian package needed to build, test and run Penlark.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

PACKAGES=(
  cmake ninja-build g++ pkg-config
  qtbase5-dev qtbase5-private-dev qtdeclarative5-dev qtdeclarative5-private-dev
  qtdeclarative5-dev-tools
  qtquickcontrols2-5-dev qtmultimedia5-dev libqt5svg5-dev
  qttools5-dev qttools5-dev-tools libqt5sql5-sqlite libqt5sql5-psql
  libcpp-httplib-dev postgresql nginx openssl
  qml-module-qtquick2 qml-module-qtquick-window2 qml-module-qtquick-layouts
  qml-module-qtquick-controls2 qml-module-qtquick-templates2
  qml-module-qtquick-controls qml-module-qtquick-dialogs
  qml-module-qtquick-privatewidgets qml-module-qtquick-shapes
  qml-module-qtgraphicaleffects qml-module-qtqml-models2
  qml-module-qt-labs-platform qml-module-qt-labs-qmlmodels
  qml-module-qttest qml-module-qtmultimedia
  libqt5multimedia5-plugins zlib1g-dev
  xvfb xauth fonts-wqy-microhei xdotool xclip imagemagick faketime strace
  python3 python3-fontforge fonts-noto-core unicode-data
  clang-14 libclang-rt-14-dev llvm-14
  libreoffice-writer-nogui
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
$SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
