#!/bin/sh
# Called by ./run before it installs or builds anything: fails, in one line,
# where the program could not show its window. Qt then aborts only after the
# install and the build, with a message that does not say why.
set -e
no_session() {
  echo "./run: the programs need a desktop session ($1): run this in a terminal of the desktop." >&2
  exit 1
}
# A Qt platform that draws into memory, a VNC server or the console's frame
# buffer needs no display; where QT_QPA_PLATFORM lists several (a;b), Qt
# falls back to the next, so one such is enough. Options follow a colon.
if [ -n "${QT_QPA_PLATFORM:-}" ]; then
  remaining="$QT_QPA_PLATFORM;"
  while [ -n "$remaining" ]; do
    entry=${remaining%%;*}
    remaining=${remaining#*;}
    case "${entry%%:*}" in
      offscreen | minimal | minimalegl | vnc | linuxfb | eglfs | vkkhrdisplay | directfb) exit 0 ;;
    esac
  done
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  no_session "no DISPLAY or WAYLAND_DISPLAY is set"
fi
[ -z "${WAYLAND_DISPLAY:-}" ] || exit 0
# A display on this machine (":0", ":0.0", "unix:0") has its X server's
# socket in /tmp/.X11-unix or in the abstract namespace; a remote one (an ssh
# forwarding's "localhost:10.0") cannot be told so cheaply and is left alone.
case "$DISPLAY" in
  :* | unix:*) ;;
  *) exit 0 ;;
esac
number=${DISPLAY#*:}
number=${number%%.*}
case "$number" in
  '' | *[!0-9]*) exit 0 ;;
esac
if [ ! -S "/tmp/.X11-unix/X$number" ] && ! grep -q " @/tmp/.X11-unix/X$number\$" /proc/net/unix 2>/dev/null; then
  no_session "no X server has a socket for DISPLAY=$DISPLAY"
fi
