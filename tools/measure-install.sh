#!/bin/sh
# tools/measure-install.sh ROOT [COMMIT...]: what the install step of
# ./run velmora adds to a minimal Debian 12, side by side for each commit
# (HEAD by default): the packages, the megabytes they take once installed
# (as apt-get counts them), and the lines the install prints. ROOT is a
# minimal root made once with
#   debootstrap --variant=minbase bookworm ROOT
# and each commit is measured as root on a copy of it that is removed
# afterwards; the install fetches from Debian's archive.
set -eu
[ $# -ge 1 ] || { echo "usage: $0 ROOT [COMMIT...]" >&2; exit 2; }
root=$(cd "$1" && pwd)
shift
[ $# -ge 1 ] || set -- HEAD
repo=$(cd "$(dirname "$0")/.." && pwd)
copy=""
cleanup() {
  [ -n "$copy" ] || return 0
  for mount in dev/pts dev sys proc; do umount "$copy/$mount" 2>/dev/null || true; done
  # Never into the machine's own /dev or /proc, should one stay mounted.
  rm -rf --one-file-system "$copy" "$copy.out"
}
trap cleanup EXIT
installed() {  # packages and kB installed in the copy
  chroot "$copy" dpkg-query -W -f='${db:Status-Abbrev} ${Installed-Size}\n' |
    awk '/^ii/ { n++; kb += $2 } END { print n, kb }'
}
for commit in "$@"; do
  copy=$(mktemp -d /var/tmp/measure-install.XXXXXX)
  cp -a "$root/." "$copy/"
  # dpkg's maintainer scripts want /proc and the devices.
  mount -t proc proc "$copy/proc"
  mount -t sysfs sys "$copy/sys"
  mount --bind /dev "$copy/dev"
  mount --bind /dev/pts "$copy/dev/pts"
  mkdir "$copy/repo"
  git -C "$repo" archive "$commit" | tar -x -C "$copy/repo"
  counts=$(installed)
  packages=${counts% *} kb=${counts#* }
  status=ok
  chroot "$copy" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root sh -c 'cd /repo && tools/install-deps.sh' \
    > "$copy.out" 2>&1 || status="failed (exit $?)"
  counts=$(installed)
  printf '%s: install %s; %d packages added, %d MB installed, %d lines printed\n' \
    "$(git -C "$repo" rev-parse --short "$commit")" "$status" $((${counts% *} - packages)) \
    $(((${counts#* } - kb) * 1024 / 1000000)) "$(wc -l < "$copy.out")"
  cleanup
  copy=""
done
