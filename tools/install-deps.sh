#!/bin/sh
# tools/install-deps.sh [--tests]: installs, through apt-get, the Debian
# packages that building and running the programs need (with --tests, those
# of the tests too) and that are not installed yet. When nothing is missing
# it needs no root; otherwise it installs as root, through sudo for an
# ordinary user, and without sudo it names the missing packages and the
# command to run as root. apt-get's and dpkg's own output goes to
# build/install.log, whose end is shown when the install fails.
set -e
cd "$(dirname "$0")/.."
# The compiler and build tools, Qt 6 with the X libraries the runtime links
# (libgl-dev for Qt's CMake files, xcb for the key state), the IPA Japanese
# faces, Qt's own dialogs in Japanese, and xdg-open for the help.
packages="cmake g++ make pkg-config qt6-base-dev libgl-dev libxcb1-dev \
fonts-ipafont-gothic fonts-ipafont-mincho qt6-translations-l10n xdg-utils"
if [ "${1:-}" = --tests ]; then
  # GoogleTest and Google Benchmark, poppler to read printed PDFs back, and
  # the tests on a real X server: Xvfb with a window manager, keys through
  # XTest, and a Japanese input method (fcitx5 with mozc) on a bus of its own.
  packages="$packages libgtest-dev libgmock-dev libbenchmark-dev poppler-utils \
libx11-dev libxtst-dev xvfb openbox fcitx5 fcitx5-mozc fcitx5-frontend-qt6 dbus-daemon"
fi
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
# The log belongs to whoever builds here (under sudo, the user who called
# it), like the rest of build/.
. tools/builder.sh
log=build/install.log
as_builder mkdir -p build
as_builder sh -c ': > "$1"' sh "$log"
echo "Installing:$missing"
echo "(apt-get's and dpkg's output: $log)"
if ! { $sudo $install update -q && $sudo $install install -y -q --no-install-recommends $missing; } >> "$log" 2>&1; then
  echo "The install failed. The end of $log:" >&2
  tail -n 15 "$log" >&2
  echo "The whole log: $(pwd)/$log" >&2
  exit 1
fi
echo "Installed."
