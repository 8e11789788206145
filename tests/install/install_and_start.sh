#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# install_and_start.sh BUILD_DIR
# Installs into a temporary prefix, checks the installed files, and starts the installed
# program (its own libraries must be found without LD_LIBRARY_PATH).
set -u
build_dir=$1
prefix=$(mktemp -d)
settings_home=$(mktemp -d)
trap 'rm -rf "$prefix" "$settings_home"' EXIT
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null || fail "cmake --install"

id=com.vorlen.recallix
for file in bin/recallix share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/mime/packages/recallix.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/scalable/mimetypes/application-x-recallix.svg \
            share/man/man1/recallix.1.gz share/doc/recallix/changelog.gz \
            share/doc/recallix/copyright share/recallix/examples/japanese-basics.recallix; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
for size in 16 22 24 32 48 64 128 256; do
  for icon in apps/$id mimetypes/application-x-recallix; do
    png=$prefix/share/icons/hicolor/${size}x$size/$icon.png
    # The PNG header holds width and height as 32-bit big-endian numbers at bytes 16..23.
    [ "$(od -An -tx1 -j16 -N8 "$png" 2>/dev/null | tr -d ' \n')" = \
      "$(printf '%08x%08x' "$size" "$size")" ] || fail "no ${size}x$size icon $icon"
  done
done
zcat "$prefix/share/man/man1/recallix.1.gz" 2>/dev/null | grep -q '^\.TH RECALLIX 1' ||
  fail "the manual page is not a compressed recallix(1)"
zcat "$prefix/share/doc/recallix/changelog.gz" 2>/dev/null | head -1 |
  grep -q '^recallix ([0-9.]*) ' || fail "the changelog is not a compressed Debian changelog"
lexitra=$(find "$prefix" -name 'liblexitra.so*' -print -quit)
[ -n "$lexitra" ] || fail "missing the translation library"
# The program looks for its chart module along the run path that finds its libraries.
[ -f "$(dirname "$lexitra")/librecallix-chart.so" ] || fail "the chart module is not beside the libraries"
grep -q '^MimeType=application/x-recallix;' "$prefix/share/applications/$id.desktop" ||
  fail "the desktop entry does not open cue files"
grep -q 'glob pattern="\*.recallix"' "$prefix/share/mime/packages/recallix.xml" ||
  fail "the mime type does not match *.recallix"

unset LD_LIBRARY_PATH
export XDG_CONFIG_HOME=$settings_home QT_QPA_PLATFORM=offscreen
"$prefix/bin/recallix" "$prefix/share/recallix/examples/french-verbs.recallix" &
pid=$!
# Up: the main thread waits for input in poll, with the font it writes once its window is
# up and its file is loaded. Ended: there is nothing to wait for.
up_or_ended() {
  local call
  ! kill -0 "$pid" 2>/dev/null || {
    read -r call _ <"/proc/$pid/syscall" 2>/dev/null && { [ "$call" = 7 ] || [ "$call" = 271 ]; } &&
      grep -q '^Font=0$' "$settings_home/Vorlen/Recallix.conf" 2>/dev/null
  }
}
deadline=$((SECONDS + 60))
until up_or_ended || [ "$SECONDS" -ge "$deadline" ]; do
  sleep 0.05
done
if kill -0 "$pid" 2>/dev/null; then
  kill "$pid"
  wait "$pid" 2>/dev/null
else
  fail "the installed program did not start"
fi

if [ "$failures" -eq 0 ]; then
  echo "install: every check passed"
  exit 0
fi
echo "install: $failures check(s) failed"
exit 1
