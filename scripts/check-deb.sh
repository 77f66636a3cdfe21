#!/usr/bin/env bash
# Installs the Debian package into this (fresh) machine with dpkg -i, its
# dependencies from Debian, and checks what a new user does first: the help,
# an addsite of the example site with the installed program, and the window
# program offscreen. PACKAGE is a .deb file or an http:// address of one.
#
#   scripts/check-deb.sh PACKAGE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
package=$1
if [[ $package == http://* ]]; then
  local_copy=$(mktemp --suffix=.deb)
  python3 -c 'import sys, urllib.request; urllib.request.urlretrieve(sys.argv[1], sys.argv[2])' \
    "$package" "$local_copy"
  package=$local_copy
fi
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
$sudo apt-get update -qq
# dpkg -i leaves the dependencies unmet; apt then brings them.
$sudo dpkg -i "$package" || DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq -f
dpkg-query -W -f='${Package} ${Version} ${Status}\n' sitevane

sitevane-cli --help | head -3
sitevane-cli settings | grep '"SetupDir": "/usr/share/sitevane/"'
site=$(mktemp -d)
cp -r "$root/examples/site/." "$site"
sitevane-cli new "$site/svxdb.js" Standard
sitevane-cli addsite "$site/svxdb.js" "$site" 0 --recurse
links=$(sitevane-cli dump "$site/svxdb.js" | grep -c '"url"')
echo "$links links in the engine"
[ "$links" -gt 20 ]
QT_QPA_PLATFORM=offscreen sitevane --version
man -w sitevane-cli >/dev/null 2>&1 || echo "(man is not installed here: the pages are $(ls /usr/share/man/man1/sitevane*))"
