#!/usr/bin/env bash
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

for file in bin/recallix share/applications/recallix.desktop share/mime/packages/recallix.xml \
            share/icons/hicolor/scalable/apps/recallix.svg \
            share/recallix/examples/japanese-basics.recallix; do
  [ -f "$prefix/$file" ] || fail "missing $file"
done
[ -n "$(find "$prefix" -name 'liblexitra.so*' -print -quit)" ] || fail "missing the translation library"
grep -q '^MimeType=application/x-recallix;' "$prefix/share/applications/recallix.desktop" ||
  fail "the desktop entry does not open cue files"
grep -q 'glob pattern="\*.recallix"' "$prefix/share/mime/packages/recallix.xml" ||
  fail "the mime type does not match *.recallix"

unset LD_LIBRARY_PATH
export XDG_CONFIG_HOME=$settings_home QT_QPA_PLATFORM=offscreen
"$prefix/bin/recallix" "$prefix/share/recallix/examples/french-verbs.recallix" &
pid=$!
sleep 3
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
