#!/usr/bin/env bash
# Makes the Debian package of the build, as `cpack -G DEB` in the build folder does, and checks
# it: the game in Debian's games folder, the viewer private, the computed dependencies, the
# version, nothing lintian remarks on (but the two texts its overrides explain), and that a
# package made again later is the same byte for byte.
#   check_package.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" > "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; fail "cpack"; }
deb=$scratch/dorvan_${version}_amd64.deb
[ -f "$deb" ] || fail "no $(basename "$deb"): $(ls "$scratch")"

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/games/dorvan ./usr/libexec/dorvan/winhlp32 ./usr/share/dorvan/dorvan4.hlp \
  ./usr/share/man/man6/dorvan.6.gz ./usr/share/doc/dorvan/copyright; do
  grep -qxF "$f" <<< "$files" || fail "the package lacks $f"
done
! grep -q '^\./usr/bin/' <<< "$files" || fail "the package puts programs on the PATH's bin"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package's version is not $version"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  grep -q "$lib" <<< "$depends" || fail "the package does not depend on $lib: $depends"
done
dpkg-deb -x "$deb" "$scratch/root"
grep -qxF "Exec=/usr/games/dorvan" "$scratch/root/usr/share/applications/org.example.dorvan.desktop" ||
  fail "the menu entry does not start /usr/games/dorvan"

lintian -I --pedantic --fail-on error,warning,info,pedantic "$deb" > "$scratch/lintian.log" 2>&1 ||
  { cat "$scratch/lintian.log"; fail "lintian"; }

# Time stamps have a resolution of a second: the second package is made in another one.
sleep 1.1
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/again" > "$scratch/cpack.log" ||
  { cat "$scratch/cpack.log"; fail "cpack, the second time"; }
cmp "$deb" "$scratch/again/$(basename "$deb")" || fail "a package made again differs"
echo "the package holds the game in /usr/games, depends on $depends, passes lintian and is reproducible"
