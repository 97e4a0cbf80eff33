#!/bin/sh
# Installs, through apt-get, the Debian packages the programs and their tests
# need and that are not installed yet. Uses sudo when not run as root.
set -e
packages="cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils xdg-utils"
# Qt's own dialogs (print dialog, file chooser, message box buttons) in Japanese.
packages="$packages qt6-translations-l10n"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
echo "Installing:$missing"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends $missing
