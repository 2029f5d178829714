#!/usr/bin/env bash
# Installs, with apt-get, the Debian packages the build needs and this machine lacks, so that
# `make run` and `make test` work on a fresh machine. Extra packages may be named as arguments.
set -euo pipefail

packages=(cmake g++ make libgtest-dev libgmock-dev nlohmann-json3-dev libpugixml-dev libbenchmark-dev libsqlite3-dev "$@")
missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
[ "$(id -u)" -ne 0 ] && sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
