#!/usr/bin/env bash
# Installs the Debian packages Kelmora needs to build, run and test, when any is missing.
# Quick and quiet when everything is there already.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format fonts-dejavu-core
  qt6-base-dev qt6-base-dev-tools qt6-webengine-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  libcurl4-openssl-dev python3-pyftpdlib xvfb xauth
)

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "setup: run as root (or install the packages above) to continue" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
