#!/usr/bin/env bash
# Installs everything the build, the tests and the tools around them need on Debian 12.
set -euo pipefail
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends \
  build-essential cmake ninja-build pkg-config ccache git \
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins \
  libqt6sql6-sqlite libqt6sql6-psql libqt6sql6-odbc libxkbcommon-dev \
  libjpeg62-turbo-dev fonts-liberation fonts-liberation2 fonts-dejavu-core \
  libsane-dev sane-utils \
  libemf-dev libuemf-dev libemf2svg-dev libwmf-dev fonts-urw-base35 \
  libgtest-dev libgmock-dev libbenchmark-dev \
  clang libclang-rt-14-dev \
  zint zbar-tools poppler-utils xvfb xauth \
  postgresql unixodbc libsqliteodbc \
  cups cups-client printer-driver-cups-pdf ghostscript \
  glabels-data lintian desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl file \
  dpkg-dev fakeroot \
  libzint-dev dmtx-utils
