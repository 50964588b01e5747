#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Kavinor needs. Run as root.
set -euo pipefail
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
    cmake ninja-build g++ libgtest-dev googletest locales libicu-dev >/dev/null
