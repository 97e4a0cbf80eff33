#!/bin/sh
# The set-up commands tell a newcomer what to do where they cannot go on:
# ./run without a desktop session, a tree left to another user, an install
# that sudo refuses or that fails. Each runs on a copy of the scripts, with
# stand-ins for the tools they call.
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
one_line() {  # PATTERN: the only line of the output matches
  [ "$(wc -l < "$work/out")" -eq 1 ] && grep -q "$1" "$work/out"
}
mkdir "$work/bin" "$work/run" "$work/run/tools" "$work/run/help" "$work/deps" "$work/deps/tools"
for script in run tools/builder.sh tools/check-desktop.sh; do cp "$source_dir/$script" "$work/run/$script"; done
for script in tools/builder.sh tools/install-deps.sh; do cp "$source_dir/$script" "$work/deps/$script"; done
: > "$work/run/help/lom.hlp"
# ./run's own steps record that they ran; the build leaves a program that
# records its start.
printf '#!/bin/sh\necho install-deps.sh >> "%s/called"\n' "$work" > "$work/run/tools/install-deps.sh"
printf '#!/bin/sh\necho build.sh "$@" >> "%s/called"\nmkdir -p build\nprintf "#!/bin/sh\\necho started >> %s/called\\n" > build/velmora\nchmod +x build/velmora\n' \
  "$work" "$work" > "$work/run/tools/build.sh"
chmod +x "$work/run/tools/install-deps.sh" "$work/run/tools/build.sh"
stand_in runuser 'echo runuser "$@" >> "'"$work"'/called"; shift 3; exec "$@"'
run() {  # ENV...: ./run velmora in that environment, with no desktop session but the one given
  rm -f "$work/called"
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM PATH="$work/bin:$PATH" "$@" "$work/run/run" velmora > "$work/out" 2>&1
}

# No place for the window, told in one line before anything is installed or
# built: no display at all, a platform that needs one, a local display with
# no X server.
if run; then fail "./run without a display succeeded"; fi
one_line "need a desktop session" || fail "./run without a display does not say in one line that it needs a desktop session"
if run QT_QPA_PLATFORM=xcb; then fail "./run for xcb without a display succeeded"; fi
one_line "need a desktop session" || fail "./run for xcb without a display does not say so in one line"
display=7301
while [ -e /tmp/.X11-unix/X$display ] || grep -q "@/tmp/.X11-unix/X$display\$" /proc/net/unix; do display=$((display + 1)); done
if run DISPLAY=:$display.0; then fail "./run with DISPLAY=:$display.0 and no X server succeeded"; fi
one_line "no X server has a socket for DISPLAY=:$display.0" || fail "./run does not say in one line that DISPLAY has no X server"
[ ! -e "$work/called" ] || fail "./run installed or built without a desktop session"

# Run through sudo: a tree that belongs to someone else than the caller gets
# one line with the mending command, before anything is built; a tree of the
# caller's own is built and started as the caller, after the install as root.
stand_in id 'echo 0'
mkdir "$work/run/build" "$work/run/workdir"
if run QT_QPA_PLATFORM=offscreen SUDO_USER=tester SUDO_UID=$(($(id -u) + 1)); then
  fail "./run went on with a tree that belongs to another user"
fi
one_line "build/ and workdir/ belong to another user.*mend with: sudo chown -R tester: build workdir\$" ||
  fail "a tree that belongs to another user is not told in one line with the mending command"
[ ! -e "$work/called" ] || fail "./run installed or built in a tree that belongs to another user"
rm -r "$work/run/build" "$work/run/workdir"
run QT_QPA_PLATFORM="xcb;offscreen" SUDO_USER=tester SUDO_UID=$(id -u) || fail "./run through sudo failed"
[ "$(head -n 2 "$work/called")" = "install-deps.sh
runuser -u tester -- tools/build.sh velmora" ] && [ "$(tail -n 2 "$work/called")" = "runuser -u tester -- ../build/velmora
started" ] || { cp "$work/called" "$work/out"; fail "./run through sudo does not install as root, then build and start as the caller"; }

# An ordinary user whom sudo refuses: the missing packages of the command at
# hand and the command to run as root, and no install.
stand_in id 'case "$1" in -un) echo tester;; *) echo 1000;; esac'
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
