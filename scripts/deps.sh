#!/usr/bin/env bash
# Installs the Debian packages SafeDrive needs to build, run and test, skipping those already present.
# Usage: scripts/deps.sh [build|test|media|package]   (test implies build; media adds the media
# generator's encoder; package the Debian packaging tools)
set -euo pipefail

build_pkgs=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-multimedia-dev qt6-charts-dev
  libqt6opengl6-dev libsqlcipher-dev mdbtools-dev libmdb3 libsqlcipher0 libqt6charts6 libqt6multimedia6
  libqt6multimediawidgets6 qt6-qpa-plugins libgstreamer1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good fonts-wqy-microhei fonts-arphic-uming fonts-dejavu-core)
# libssl-dev and npm: the second build of the bank layer on the SQLCipher 4 amalgamation.
test_pkgs=(xvfb xauth imagemagick sqlcipher desktop-file-utils appstream mdbtools libssl-dev)
media_pkgs=(ffmpeg)
package_pkgs=(dpkg-dev file lintian)

wanted=("${build_pkgs[@]}")
case "${1:-build}" in
  build) ;;
  test) wanted+=("${test_pkgs[@]}") ;;
  media) wanted+=("${test_pkgs[@]}" "${media_pkgs[@]}") ;;
  package) wanted+=("${package_pkgs[@]}") ;;
  *) echo "usage: $0 [build|test|media|package]" >&2; exit 2 ;;
esac

missing=()
for p in "${wanted[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
# Any npm will do; Debian's package conflicts with nodesource's nodejs, which brings its own.
[ "${1:-build}" = build ] || command -v npm >/dev/null || missing+=(npm)
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update
"${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
