#!/bin/sh
# The set-up commands tell a newcomer what to do where they cannot go on:
# ./run without a desktop session, and an install that sudo refuses. Each
# runs on a copy of the script, with stand-ins for the tools it calls.
#   setup_messages_test.sh SOURCE_DIR
set -eu
source_dir=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $1" >&2
  cat "$work/out" >&2
  exit 1
}
stand_in() {  # NAME BODY: a command in $work/bin that runs BODY
  printf '#!/bin/sh\n%s\n' "$2" > "$work/bin/$1"
  chmod +x "$work/bin/$1"
}
mkdir "$work/bin" "$work/tree" "$work/tree/tools"

# ./run with no display: one line, a non-zero exit, nothing installed or built.
cp "$source_dir/run" "$work/tree/run"
for step in install-deps.sh build.sh; do
  printf '#!/bin/sh\necho %s >> "%s/called"\n' "$step" "$work" > "$work/tree/tools/$step"
  chmod +x "$work/tree/tools/$step"
done
if env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$work/tree/run" velmora > "$work/out" 2>&1; then
  fail "./run without a display succeeded"
fi
[ "$(wc -l < "$work/out")" -eq 1 ] && grep -q "need a desktop session" "$work/out" ||
  fail "./run without a display does not say in one line that it needs a desktop session"
[ ! -e "$work/called" ] || fail "./run installed or built without a display"

# An ordinary user whom sudo refuses: the missing packages and the command
# to run as root, and no install.
stand_in id 'echo 1000'
stand_in dpkg-query 'exit 1'
stand_in sudo 'case "$1" in -l) echo "user is not in the sudoers file." >&2; exit 1;; *) echo sudo "$@" >> "'"$work"'/called";; esac'
if PATH="$work/bin:$PATH" sh "$source_dir/tools/install-deps.sh" > "$work/out" 2>&1; then
  fail "install-deps.sh succeeded although sudo refused"
fi
grep -q "^These Debian packages are missing: cmake g++" "$work/out" &&
  grep -q "^  apt-get update && apt-get install --no-install-recommends cmake g++" "$work/out" ||
  fail "a user whom sudo refuses is not told the packages and the command"
[ ! -e "$work/called" ] || fail "install-deps.sh went on to install"
echo "set-up messages: ok"
