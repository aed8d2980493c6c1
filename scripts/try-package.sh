#!/usr/bin/env bash
# Installs the Debian package into a clean Debian chroot and starts the tool
# there on an X display of the host.
#
#   scripts/try-package.sh CHROOT quendra_<version>_<arch>.deb DISPLAY [SAMPLE.QXJ]
#
# CHROOT is a fresh system, for example made with
#   debootstrap --variant=minbase bookworm CHROOT <mirror>
# Needs root and ImageMagick on the host. Prints what it checks; the
# screenshot is CHROOT/tmp/quendra.png.
set -euo pipefail
root="$1" deb="$2" display="$3" sample="${4:-}"
[ -d "$root/etc/apt" ] || { echo "no system in $root" >&2; exit 1; }

mounted=()
cleanup() { for m in "${mounted[@]}"; do umount -l "$m" || true; done; }
trap cleanup EXIT
bind() { mkdir -p "$root$1"; mount --bind "$1" "$root$1"; mounted+=("$root$1"); }
mount -t proc proc "$root/proc"; mounted+=("$root/proc")
bind /tmp/.X11-unix
cp /etc/resolv.conf "$root/etc/resolv.conf"

cp "$deb" "$root/tmp/"
inroot() { chroot "$root" env DEBIAN_FRONTEND=noninteractive LANG=C.UTF-8 "$@"; }
inroot apt-get update -qq
inroot apt-get install -y -qq "/tmp/$(basename "$deb")" libfile-mimeinfo-perl >/dev/null
echo "== installed"
inroot dpkg -L quendra | grep -v '/icons/' 
inroot quendra --paths
echo "== file types"
for f in PLANETS.QXJ planets.qxd RUN.QXC; do
  inroot sh -c "touch /tmp/$f; xdg-mime query filetype /tmp/$f"
done
inroot xdg-mime query default application/x-quendra-project
inroot xdg-mime query default application/x-quendra-compiled-test

echo "== start"
inroot useradd -m teacher 2>/dev/null || true
args=()
[ -n "$sample" ] && args=("$sample")
inroot su teacher -c "DISPLAY=$display quendra ${args[*]} >/tmp/quendra.log 2>&1 & echo \$! >/tmp/quendra.pid"
sleep 8
import -display "$display" -window root "$root/tmp/quendra.png"   # the host's ImageMagick
inroot sh -c 'kill $(cat /tmp/quendra.pid)'
echo "screenshot: $root/tmp/quendra.png"
