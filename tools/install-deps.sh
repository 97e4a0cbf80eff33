#!/bin/sh
# Installs, through apt-get, the Debian packages the programs and their tests
# need and that are not installed yet. When nothing is missing it needs no
# root; otherwise it installs as root, through sudo for an ordinary user, and
# without sudo it names the missing packages and the command to run as root.
set -e
packages="cmake g++ make pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev libbenchmark-dev \
fonts-ipafont-gothic fonts-ipafont-mincho poppler-utils xdg-utils"
# Qt's own dialogs (print dialog, file chooser, message box buttons) in Japanese.
packages="$packages qt6-translations-l10n"
# The tests on a real X server: Xvfb with a window manager, keys through
# XTest, and a Japanese input method (fcitx5 with mozc) on a bus of its own.
packages="$packages libxcb1-dev libx11-dev libxtst-dev xvfb openbox fcitx5 fcitx5-mozc fcitx5-frontend-qt6 dbus-daemon"
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
# The advice for a user who cannot install: the packages and the command.
cannot_install() {
  cat >&2 <<MESSAGE
These Debian packages are missing:$missing
Installing them needs root, and $1. As root, run:
  apt-get update && apt-get install --no-install-recommends$missing
then run this command again.
MESSAGE
  exit 1
}
install="env DEBIAN_FRONTEND=noninteractive apt-get"
if [ "$(id -u)" -eq 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo="sudo"
  echo "Installing the missing packages needs root: asking sudo."
  # Whether sudo lets this user run the install (it asks for the password
  # when it needs one); its own refusal is followed by the advice.
  sudo -l $install install >/dev/null || cannot_install "sudo refused"
else
  cannot_install "sudo is not installed"
fi
echo "Installing:$missing"
$sudo $install update -qq
$sudo $install install -y -qq --no-install-recommends $missing
