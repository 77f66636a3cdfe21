#!/usr/bin/env bash
# Builds the Debian package of Sitevane (sitevane_VERSION_ARCH.deb) into
# OUT-FOLDER (default build-deb/): a release build installed under /usr,
# stripped, with its dependencies computed from the binaries by
# dpkg-shlibdeps, then checked with lintian (any error fails the script).
#
#   scripts/make-deb.sh [OUT-FOLDER]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$(mkdir -p "${1:-$root/build-deb}" && cd "${1:-$root/build-deb}" && pwd)

"$root/scripts/install-deps.sh" package

build="$out/build"
# The package's tree as dpkg-shlibdeps expects it: debian/PACKAGE beside the
# source package's control file.
work="$out/package"
stage="$work/debian/sitevane"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DCMAKE_SKIP_INSTALL_RPATH=ON -DSITEVANE_TESTS=OFF -DSITEVANE_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
rm -rf "$work"
DESTDIR="$stage" cmake --install "$build" >/dev/null

version=$(sed -n 's/^project(Sitevane VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
architecture=$(dpkg --print-architecture)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libdir="usr/lib/$multiarch"

# Binaries stripped as Debian's own are; the library is not executable.
for binary in "$stage/usr/bin/sitevane" "$stage/usr/bin/sitevane-cli" "$stage/$libdir"/libdocsift.so.1.*; do
  strip --strip-unneeded --remove-section=.comment --remove-section=.note "$binary"
done
chmod 0644 "$stage/$libdir"/libdocsift.so.1.*
gzip -9n "$stage"/usr/share/man/man1/*.1

doc="$stage/usr/share/doc/sitevane"
rm -f "$doc/LICENSE"
cat >"$doc/copyright" <<COPYRIGHT
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Sitevane
Source: https://sitevane.org/

Files: *
Copyright: 2026 Brimlow
License: GPL-2+

License: GPL-2+
 This program is free software; you can redistribute it and/or modify it
 under the terms of the GNU General Public License as published by the Free
 Software Foundation; either version 2 of the License, or (at your option)
 any later version.
 .
 This program is distributed in the hope that it will be useful, but WITHOUT
 ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or
 FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for
 more details.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 2 can be found in "/usr/share/common-licenses/GPL-2".
COPYRIGHT
printf 'sitevane (%s) bookworm; urgency=medium\n\n  * Release %s.\n\n -- Brimlow <packages@sitevane.org>  %s\n' \
  "$version" "$version" "$(date -R -u -d @"${SOURCE_DATE_EPOCH:-$(git -C "$root" log -1 --format=%ct)}")" \
  | gzip -9n >"$doc/changelog.gz"

# libdocsift is this package's own library; DEBIAN/ marks the package's root.
mkdir -p "$stage/DEBIAN"
printf 'Source: sitevane\n\nPackage: sitevane\nArchitecture: any\n' >"$work/debian/control"
printf 'libdocsift 1 sitevane (>= %s)\n' "$version" >"$work/debian/shlibs.local"
tree=debian/sitevane
depends=$(cd "$work" && dpkg-shlibdeps -O -xsitevane -l"$tree/$libdir" \
  "$tree/usr/bin/sitevane" "$tree/usr/bin/sitevane-cli" "$tree/$libdir"/libdocsift.so.1.* \
  | sed -n 's/^shlibs:Depends=//p')

cat >"$stage/DEBIAN/control" <<CONTROL
Package: sitevane
Version: $version
Architecture: $architecture
Maintainer: Brimlow <packages@sitevane.org>
Installed-Size: $(du -sk --exclude=DEBIAN "$stage" | cut -f1)
Depends: $depends, poppler-data, sensible-utils, xdg-utils
Section: web
Priority: optional
Homepage: https://sitevane.org/
Description: search engine builder for static web sites
 Sitevane gives a static web site its own search engine, one that runs
 entirely in the visitor's browser: one page of the site carries the search
 script and a small database of categories and links with their keywords.
 .
 The window program edits that database or indexes a site folder into it
 (HTML and script pages, text, PDF, RTF, MP3 tags and playlists); its
 headless twin sitevane-cli does the same in a site's build. The package
 also holds libdocsift, a small library that returns a PDF file's document
 information and text.
CONTROL
printf 'libdocsift 1 sitevane (>= %s)\n' "$version" >"$stage/DEBIAN/shlibs"
printf 'activate-noawait ldconfig\n' >"$stage/DEBIAN/triggers"
(cd "$stage" && find usr -type f -print0 | sort -z | xargs -0 md5sum) >"$stage/DEBIAN/md5sums"
chmod 0644 "$stage/DEBIAN"/*
find "$stage" -type d -exec chmod 0755 {} +

package="$out/sitevane_${version}_${architecture}.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$package" >/dev/null
echo "$package"
lintian --fail-on error "$package"
