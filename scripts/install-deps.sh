#!/bin/sh
# Installs the Debian 12 packages that building and testing Tandara need,
# only when some are missing. Runs apt-get as root, or through sudo.
set -e
PACKAGES="cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev libgtest-dev libgmock-dev \
xvfb xauth fonts-dejavu-core fonts-dejavu-extra fonts-liberation imagemagick ffmpeg \
dosfstools fusefat ntfs-3g btrfs-progs fuse3 \
dpkg-dev desktop-file-utils appstream \
libfuse3-dev pkg-config"
missing=""
for p in $PACKAGES; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
