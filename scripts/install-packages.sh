#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Kavinor need. Run as root.
# Qt 6 draws the windows (its translations make its dialogs German), ICU sorts the lists, and
# Liberation Sans stands in for the window fonts where the system has none of its own. The GUI
# tests render offscreen, without an X server.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
    cmake ninja-build g++ libgtest-dev googletest locales \
    qt6-base-dev qt6-translations-l10n libicu-dev fonts-liberation >/dev/null
