#!/bin/sh
# A headless sway and its native Wayland windows for the tests. sway refuses
# to run as root: then the compositor and its clients run as "nobody", in a
# runtime folder that user owns. Each command execs, so the caller's child
# is the program itself.
#   sway-testbed.sh compositor DIR      sway on DIR/wayland-1, IPC in DIR
#   sway-testbed.sh window DIR APP_ID [NAME]
#                                       a foot window; NAME: the process's name
set -eu
what=$1
dir=$2
as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"
  fi
  exec "$@"
}
case "$what" in
compositor)
  exec >"$dir/sway.log" 2>&1
  [ "$(id -u)" -ne 0 ] || chown nobody:nogroup "$dir"
  chmod 700 "$dir"
  : > "$dir/config"
  as_user env -i HOME="$dir" XDG_RUNTIME_DIR="$dir" PATH=/usr/bin:/bin \
    WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 \
    sway -c "$dir/config"
  ;;
window)
  exec >"$dir/window-$3.log" 2>&1
  program=/usr/bin/foot
  if [ -n "${4:-}" ]; then
    ln -sf /usr/bin/foot "$dir/$4"
    program="$dir/$4"
  fi
  as_user env -i HOME="$dir" XDG_RUNTIME_DIR="$dir" PATH=/usr/bin:/bin WAYLAND_DISPLAY=wayland-1 \
    "$program" --app-id="$3" sleep 600
  ;;
*)
  echo "usage: $0 compositor|window DIR ..." >&2
  exit 2
  ;;
esac
