# Sourced by the set-up scripts: who builds here, and how to run a step as
# them. Under sudo the install runs as root, but the build, the tests and the
# program run as the user who called sudo, so that build/, build-asan/ and
# workdir/ stay theirs and their next plain ./run can build. sudo keeps
# DISPLAY and XAUTHORITY, so the program still reaches their desktop.
if [ "$(id -u)" -eq 0 ] && [ -n "${SUDO_USER:-}" ] && [ "$SUDO_USER" != root ]; then
  builder=$SUDO_USER
  builder_uid=${SUDO_UID:-$(id -u "$SUDO_USER")}
  builder_prefix="runuser -u $builder --"
else
  builder=$(id -un)
  builder_uid=$(id -u)
  builder_prefix=""
fi
# as_builder COMMAND...: runs the command as the user who builds; the
# prefix builder_prefix does the same for an exec.
as_builder() { $builder_prefix "$@"; }

# check_owner SCRIPT FOLDER...: stops, in one line that gives the command
# mending it, when any of the folders (or anything in it) belongs to another
# user than the one who builds: the build would otherwise fail halfway on
# "Permission denied" (a tree left by an earlier run as root, say).
check_owner() {
  script=$1
  shift
  foreign=""
  for folder in "$@"; do
    [ -e "$folder" ] || continue
    # Sanitizer reports of programs the tests ran as another user are
    # removed at the start of each sanitized run.
    [ -z "$(find "$folder" -name sanitizer-reports -prune -o ! -user "$builder_uid" -print -quit 2>/dev/null)" ] ||
      foreign="$foreign $folder"
  done
  [ -z "$foreign" ] && return 0
  what=""
  for folder in $foreign; do what="${what:+$what and }$folder/"; done
  case "$what" in *" and "*) what="$what belong" ;; *) what="$what belongs" ;; esac
  mend="chown -R $builder:$foreign"
  [ "$builder_uid" -eq 0 ] || mend="sudo $mend"
  echo "$script: $what to another user, not to $builder who builds here; mend with: $mend" >&2
  exit 1
}
