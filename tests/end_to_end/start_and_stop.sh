#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# start_and_stop.sh RECALLIX EXAMPLES_DIR
# The program starts on a sample cue file, stays up and stores its font; a cue file that
# cannot be loaded and a stored font without a layout end the start, and the next start
# works again; --help, --version and unknown options end it at once.
set -u
program=$1
examples=$2
settings_home=$(mktemp -d)
trap 'rm -rf "$settings_home"' EXIT
export XDG_CONFIG_HOME=$settings_home
settings=$settings_home/Vorlen/Recallix.conf
started=$settings_home/started
failures=0

fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
stored_font() { sed -n 's/^Font=//p' "$settings" 2>/dev/null; }

# wait_for SECONDS COMMAND...: waits until the command succeeds; fails when time runs out.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}
# waits_for_input PID: the program's main thread waits in poll, as its event loop (or a
# message box's) does between events.
waits_for_input() {
  local call
  read -r call _ <"/proc/$1/syscall" 2>/dev/null && { [ "$call" = 7 ] || [ "$call" = 271 ]; }
}
# up_or_ended PID FONT: the program has ended, or waits for input with Font stored as FONT,
# which it writes (after a 0 while it starts) once its window is up and its files are loaded.
up_or_ended() {
  ! kill -0 "$1" 2>/dev/null ||
    { [ "$settings" -nt "$started" ] && waits_for_input "$1" && [ "$(stored_font)" = "$2" ]; }
}

# stays_up EXPECTED_FONT [ARGUMENT]: starts the program, checks that it comes up and keeps
# running with Font stored as expected, and ends it.
stays_up() {
  local expected_font=$1
  shift
  : >"$started"
  "$program" "$@" &
  local pid=$!
  wait_for 60 up_or_ended "$pid" "$expected_font"
  if ! kill -0 "$pid" 2>/dev/null; then
    fail "the program did not stay up ($*)"
    return
  fi
  [ "$(stored_font)" = "$expected_font" ] ||
    fail "Font is '$(stored_font)' while running, not $expected_font"
  kill "$pid"
  wait "$pid" 2>/dev/null
}

# 1. Starts on a sample file, stays up, stores Font; ends on SIGTERM.
stays_up 0 "$examples/german-travel.recallix"

# 2. A stored font index with no layout: the start fails and leaves Font 0...
printf '[General]\nFont=3\n' > "$settings"
timeout 20 "$program" "$examples/german-travel.recallix" && fail "started with layout 10003"
[ "$(stored_font)" = 0 ] || fail "Font not reset to 0 after a failed start"
# ...so the next start works, in the font it then finds.
printf '[General]\nFont=2\n' > "$settings"
stays_up 2

# message_or_end PID ERRORS: the program has ended, or has printed why and waits for input.
message_or_end() { ! kill -0 "$1" 2>/dev/null || { [ -s "$2" ] && waits_for_input "$1"; }; }

# stops_at_a_message NAME: starts the program on a cue file that cannot be loaded; it prints
# why and waits in a message box (which the user closes, ending it with status 1). Leaves
# what it printed in $message.
stops_at_a_message() {
  local errors=$settings_home/errors
  "$program" "$1" 2>"$errors" &
  local pid=$!
  wait_for 60 message_or_end "$pid" "$errors"
  kill -0 "$pid" 2>/dev/null || fail "no message box for $1"
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  message=$(cat "$errors")
}

# 3. A cue file that cannot be loaded ends the start with a message naming it and the
#    reason, and the font chosen before stays stored.
stops_at_a_message "$settings_home/missing.recallix"
grep -qF "missing.recallix: The file does not exist." <<<"$message" ||
  fail "no reason printed for a missing file: $message"
[ "$(stored_font)" = 2 ] || fail "a failed cue file lost the stored font"
stops_at_a_message "$settings_home"
grep -qF "This is a folder" <<<"$message" || fail "no reason printed for a folder: $message"

# 4. A cue file whose name is not UTF-8 (Latin-1, as old archives hold) opens.
latin1_name=$settings_home/$(printf 'lat\351in1.recallix')
cp "$examples/german-travel.recallix" "$latin1_name"
stays_up 2 "$latin1_name"

# 5. A control character in a name is printed as an escape, so it cannot fake a line.
stops_at_a_message "$settings_home/$(printf 'a\nRecallix: loaded b').recallix"
grep -q '^Recallix: loaded' <<<"$message" && fail "a line feed in the name reached the output raw"
grep -qF 'a\x0aRecallix: loaded b' <<<"$message" || fail "no escaped name in: $message"

# 6. The program's own options end it at once; an unknown one with status 2.
"$program" --version | grep -qx 'Recallix 4.32' || fail "--version does not print Recallix 4.32"
"$program" -platform offscreen -style fusion --version | grep -qx 'Recallix 4.32' ||
  fail "Qt's own options are not taken"
"$program" --help | grep -q -- '--version' || fail "--help does not list --version"
"$program" --help | grep -q -- '-platform' && fail "--help lists Qt's options"
for option in --version -platform -qwindowtitle; do
  "$program" --help-all | grep -q -- "$option" || fail "--help-all does not list $option"
done
"$program" --frobnicate 2>/dev/null
[ $? -eq 2 ] || fail "an unknown option does not end with status 2"

if [ "$failures" -eq 0 ]; then
  echo "end-to-end: every check passed"
  exit 0
fi
echo "end-to-end: $failures check(s) failed"
exit 1
