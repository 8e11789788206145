#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# start_with_broken_settings.sh RECALLIX BUILD_DIR
# Starts the real program on an X server once for each shape of settings file or lock
# that could hang or stop it, and checks that its window shows within 2 seconds. The
# read-only cases run as an ordinary user: root may write read-only files.
set -u
program=$1
build_dir=$2
limit_ms=2000
work=$(mktemp -d)
chmod 755 "$work"
server_pid=
cleanup() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
  cat "$work/stderr" >&2; rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# An X server that any user may reach, on a display number well away from the ones
# other programs pick first.
display=
for _ in $(seq 20); do
  number=$((200 + RANDOM % 700))
  [ -e "/tmp/.X$number-lock" ] && continue
  Xvfb ":$number" -ac -noreset -nolisten tcp -screen 0 1280x800x24 >/dev/null 2>&1 &
  server_pid=$!
  for _ in $(seq 100); do
    xwininfo -display ":$number" -root >/dev/null 2>&1 && display=:$number && break
    kill -0 "$server_pid" 2>/dev/null || break
    sleep 0.05
  done
  [ -n "$display" ] && break
  kill "$server_pid" 2>/dev/null
  server_pid=
done
[ -n "$display" ] || { echo "FAILED: no X server"; exit 1; }
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset XAUTHORITY

as_user=()
user_program=$program
if [ "$(id -u)" -eq 0 ]; then
  # An installed copy in a folder the ordinary user can reach finds its own libraries.
  cmake --install "$build_dir" --prefix "$work/prefix" >/dev/null || fail "cmake --install"
  chmod -R a+rX "$work/prefix"
  user_program=$work/prefix/bin/recallix
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi

now_ms() { date +%s%3N; }

# starts_in_time NAME CONFIG_HOME [as-user]: the window must show within the limit.
starts_in_time() {
  local name=$1 config_home=$2 runner=() binary=$program
  if [ "${3:-}" = as-user ]; then
    runner=("${as_user[@]}")
    binary=$user_program
  fi
  local start shown=
  start=$(now_ms)
  XDG_CONFIG_HOME=$config_home HOME=$config_home "${runner[@]}" "$binary" 2>>"$work/stderr" &
  local pid=$!
  while [ $(($(now_ms) - start)) -lt 10000 ] && kill -0 "$pid" 2>/dev/null; do
    if xwininfo -display "$display" -name Recallix 2>/dev/null | grep -q IsViewable; then
      shown=$(($(now_ms) - start))
      break
    fi
    sleep 0.02
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  if [ -z "$shown" ]; then
    fail "$name: no window"
  elif [ "$shown" -gt "$limit_ms" ]; then
    fail "$name: window after $shown ms"
  else
    echo "$name: window after $shown ms"
  fi
}

# new_home NAME: a settings folder of its own; prints its path.
new_home() {
  local home=$work/$1
  mkdir -p "$home/Vorlen"
  chmod -R 777 "$home"
  echo "$home"
}

home=$(new_home empty-lock); : >"$home/Vorlen/Recallix.conf.lock"
starts_in_time "empty lock file" "$home"
home=$(new_home garbage-lock); printf '\001\002 not a lock' >"$home/Vorlen/Recallix.conf.lock"
starts_in_time "garbage lock file" "$home"
home=$(new_home folder-lock); mkdir "$home/Vorlen/Recallix.conf.lock"
starts_in_time "lock that is a folder" "$home"
home=$(new_home pipe-lock); mkfifo "$home/Vorlen/Recallix.conf.lock"
starts_in_time "lock that is a pipe" "$home"
home=$(new_home pipe-settings); mkfifo "$home/Vorlen/Recallix.conf"
starts_in_time "settings that are a pipe" "$home"
[ -p "$home/Vorlen/Recallix.conf" ] || fail "the pipe where the settings belong was replaced"
# What stands where the settings belong is the user's: the program works without settings
# and leaves it alone.
home=$(new_home folder-settings); mkdir "$home/Vorlen/Recallix.conf"
starts_in_time "settings that are a folder" "$home"
[ -d "$home/Vorlen/Recallix.conf" ] || fail "the folder where the settings belong was replaced"
home=$(new_home file-for-folder); rmdir "$home/Vorlen"; echo keep >"$home/Vorlen"
starts_in_time "a file where the settings folder belongs" "$home"
[ "$(cat "$home/Vorlen")" = keep ] || fail "the file where the settings folder belongs changed"
home=$(new_home zero-settings); ln -s /dev/zero "$home/Vorlen/Recallix.conf"
starts_in_time "settings linked to /dev/zero" "$home"
home=$(new_home huge-settings); truncate -s 3G "$home/Vorlen/Recallix.conf"
starts_in_time "settings of 3 GB" "$home"

# Read-only settings, and settings with a line that would be lost on a rewrite, both
# holding a font without a layout: the start must not fail now, nor forever after.
home=$(new_home read-only)
printf '[General]\nFont=100\n' >"$home/Vorlen/Recallix.conf"
chmod 444 "$home/Vorlen/Recallix.conf"
starts_in_time "read-only settings with font 100" "$home" as-user
starts_in_time "read-only settings with font 100, again" "$home" as-user
home=$(new_home unsafe)
printf '[General]\nFont=100\nLanguage="Language_1033\n' >"$home/Vorlen/Recallix.conf"
starts_in_time "settings it will not rewrite, with font 100" "$home"
grep -q '^Font=100$' "$home/Vorlen/Recallix.conf" || fail "the settings it will not rewrite changed"

if [ "$failures" -eq 0 ]; then
  echo "broken settings: every start showed its window in time"
  exit 0
fi
echo "broken settings: $failures check(s) failed"
exit 1
