#!/bin/sh
# The set-up commands tell a newcomer what to do where they cannot go on:
# ./run without a desktop session, an install that sudo refuses or that
# fails. Each runs on a copy of the scripts, with stand-ins for the tools
# they call.
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
mkdir "$work/bin" "$work/tree" "$work/tree/tools" "$work/deps" "$work/deps/tools"
cp "$source_dir/tools/install-deps.sh" "$work/deps/tools/"

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

# An ordinary user whom sudo refuses: the missing packages of the command at
# hand and the command to run as root, and no install.
stand_in id 'echo 1000'
stand_in dpkg-query 'exit 1'
stand_in sudo 'case "$1" in -l) echo "user is not in the sudoers file." >&2; exit 1;; *) echo sudo "$@" >> "'"$work"'/called";; esac'
rm -f "$work/called"
if PATH="$work/bin:$PATH" sh "$work/deps/tools/install-deps.sh" > "$work/out" 2>&1; then
  fail "install-deps.sh succeeded although sudo refused"
fi
grep -q "^These Debian packages are missing: cmake g++" "$work/out" &&
  grep -q "^  apt-get update && apt-get install --no-install-recommends cmake g++" "$work/out" ||
  fail "a user whom sudo refuses is not told the packages and the command"
! grep -qE "libgtest-dev|xvfb|fcitx5" "$work/out" || fail "./run's install asks for the test tools"
[ ! -e "$work/called" ] || fail "install-deps.sh went on to install"
PATH="$work/bin:$PATH" sh "$work/deps/tools/install-deps.sh" --tests > "$work/out" 2>&1 || true
grep -q "^These Debian packages are missing: .*libgtest-dev.*xvfb.*fcitx5-mozc" "$work/out" ||
  fail "./run-tests's install does not ask for the test tools"

# A failed install: apt-get's chatter stays in the log, its end is shown with
# where the log is, and the failure is not taken for success.
stand_in sudo '[ "$1" = -l ] || exec "$@"'
stand_in apt-get 'seq -f "chatter %g" 40; [ "$1" != install ] || { echo "E: Unable to locate package qt6-base-dev"; exit 100; }'
if PATH="$work/bin:$PATH" sh "$work/deps/tools/install-deps.sh" > "$work/out" 2>&1; then
  fail "install-deps.sh succeeded although apt-get failed"
fi
grep -q "^E: Unable to locate package" "$work/out" && grep -q "$work/deps/build/install.log" "$work/out" &&
  ! grep -qx "chatter 1" "$work/out" || fail "a failed install does not show the end of its log and where it is"
echo "set-up messages: ok"
