#!/usr/bin/env bash
# Runs every test of one build folder through ctest, with an Xvfb display of
# its own for the tests that need OpenGL. Usage: run-tests.sh BUILD_DIR [ctest args]
set -uo pipefail
build="$1"; shift

display=""
for n in $(seq 90 140); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null' EXIT
for _ in $(seq 1 50); do
  [ -e "/tmp/.X11-unix/X${display#:}" ] && break
  sleep 0.1
done
export DISPLAY="$display"
export LIBGL_ALWAYS_SOFTWARE=1

ctest --test-dir "$build" --output-on-failure -j "$(nproc)" "$@"
