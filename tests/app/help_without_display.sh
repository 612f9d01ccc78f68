#!/bin/sh
# wrk7-clone answers --help and an unknown option from its command line
# alone: with no display at all (no X, no Wayland, no QT_QPA_PLATFORM) it
# prints and exits instead of dying in Qt's platform plugin.
# usage: help_without_display.sh PATH/TO/wrk7-clone
program=$1
out=$(mktemp -d) || exit 1
trap 'rm -rf "$out"' EXIT
status=0
fail() {
  echo "FAIL: $*" >&2
  status=1
}
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"
}

run --help >"$out/help.out" 2>"$out/help.err"
code=$?
[ "$code" -eq 0 ] || fail "--help exited with $code: $(cat "$out/help.err")"
[ -s "$out/help.err" ] && fail "--help wrote to stderr: $(cat "$out/help.err")"
head -n 1 "$out/help.out" | grep -qxF 'usage: wrk7-clone [--port PORT] [--lang en|ja] [--verbose] [FILE.WK7]' ||
  fail "--help printed: $(cat "$out/help.out")"

run --no-such-option >"$out/bad.out" 2>"$out/bad.err"
code=$?
[ "$code" -eq 2 ] || fail "an unknown option exited with $code: $(cat "$out/bad.err")"
[ -s "$out/bad.out" ] && fail "an unknown option wrote to stdout: $(cat "$out/bad.out")"
head -n 1 "$out/bad.err" | grep -qxF 'wrk7-clone: unknown option --no-such-option' ||
  fail "an unknown option said: $(cat "$out/bad.err")"
tail -n +2 "$out/bad.err" | cmp -s - "$out/help.out" || fail "the usage after the error is not the one --help prints"

# Qt's own options are Qt's: they leave the answer as it is.
run -platform xcb --help >"$out/qt.out" 2>"$out/qt.err"
code=$?
[ "$code" -eq 0 ] && cmp -s "$out/qt.out" "$out/help.out" || fail "-platform xcb --help exited with $code: $(cat "$out/qt.err")"
exit $status
