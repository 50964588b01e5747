#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Kavinor need. Run as root.
# Qt 6 draws the windows, ICU sorts the lists, and Liberation Sans stands in for the window
# fonts where the system has none of its own (the GUI tests render offscreen, without an X server).
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
    cmake ninja-build g++ libgtest-dev googletest locales \
    qt6-base-dev libicu-dev fonts-liberation >/dev/null
