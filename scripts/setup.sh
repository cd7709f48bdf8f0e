#!/usr/bin/env bash
# Installs, with apt-get, every Debian package the builds and tests need that is not there yet.
# Quick when everything is present: it only asks dpkg.
set -euo pipefail

packages=(
  make cmake g++ clang libclang-rt-14-dev llvm-14 googletest libbenchmark-dev
  g++-mingw-w64-i686 mingw-w64-tools
  wine wine32:i386 fonts-wine fonts-dejavu-core
  xvfb xauth imagemagick ghostscript
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "setup: installing ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "setup: done"
