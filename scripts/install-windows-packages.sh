#!/usr/bin/env bash
# Installs the Debian 12 packages that the Windows build and its tests under Wine need: the
# mingw-w64 cross compiler, Wine, and GoogleTest's source for the Windows test programs; a
# virtual X server for the windows, and the German locale whose code pages Wine then takes.
# Run as root.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq cmake ninja-build googletest mingw-w64 wine wine64 nsis >/dev/null
apt-get install -y -qq xvfb xauth locales >/dev/null
sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
locale-gen >/dev/null
