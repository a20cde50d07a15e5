#!/usr/bin/env bash
# Fetches the SQLCipher 4 amalgamation that `make test` builds the bank layer on a second time: the
# npm package @journeyapps/sqlcipher carries one. Unpacks it once into DEST/sqlcipher-<version>
# (later runs reuse it) and prints that folder.
# Usage: scripts/sqlcipher4.sh DEST
set -euo pipefail

package=@journeyapps/sqlcipher@6.0.0
tarball=journeyapps-sqlcipher-6.0.0.tgz
sha256=ad3ee0e551de315b230db78e2294d41868b5c166d44c0c87da35fb6b87bde54c
version=4.14.0
inside=package/deps/sqlcipher-amalgamation

dest=${1:?usage: $0 DEST}
out=$dest/sqlcipher-$version
if [ ! -f "$out/sqlite3.c" ] || [ ! -f "$out/sqlite3.h" ]; then
  command -v npm >/dev/null || { echo "$0: npm is missing (scripts/deps.sh test installs it)" >&2; exit 1; }
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
  (cd "$work" && npm pack --silent "$package" >/dev/null)
  echo "$sha256  $work/$tarball" | sha256sum --check --quiet - ||
    { echo "$0: $package is not the tarball pinned here" >&2; exit 1; }
  tar -xzf "$work/$tarball" -C "$work" "$inside/sqlite3.c" "$inside/sqlite3.h"
  grep -q "^#define CIPHER_VERSION_NUMBER $version\$" "$work/$inside/sqlite3.c" ||
    { echo "$0: the amalgamation in $package is not SQLCipher $version" >&2; exit 1; }
  # Moved in whole, so an interrupted run never leaves half an amalgamation to be reused.
  mkdir -p "$dest"
  rm -rf "$out"
  mv "$work/$inside" "$out"
fi
echo "$out"
