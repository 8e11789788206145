#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 the Recallix developers
# with_screen_reader.sh PROGRAM [ARGUMENT...]: runs a test program as a screen reader's
# user runs the program: on a virtual X display, with a session bus and the accessibility
# bus that screen readers listen on, so that the window's accessibility is live.
exec dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb xvfb-run -a "$@"
  status=$?
  kill "$launcher" 2>/dev/null
  exit "$status"' with_screen_reader "$@" 2> >(grep -v "Failed to set fd limit" >&2)
