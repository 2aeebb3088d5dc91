#!/usr/bin/env bash
# Installs a built zorv package on this machine (apt-get, through sudo when not root) and checks
# it as a user would meet it: the installed programs answer, `zorv --demo` starts without a
# display and ends cleanly on SIGTERM, and the desktop entry, the AppStream metadata and the
# package itself pass their validators.
#
#   bash scripts/check-package.sh build-package/zorv_<version>_amd64.deb
set -euo pipefail
deb="${1:?usage: check-package.sh PACKAGE.deb}"
case "$deb" in /*) ;; *) deb="./$deb" ;; esac
SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi
fail() { echo "check-package: $*" >&2; exit 1; }

echo "== apt-get install $deb"
$SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall "$deb"
version="$(dpkg-deb -f "$deb" Version)"

echo "== installed programs"
[ "$(command -v zorv)" = /usr/bin/zorv ] || fail "zorv is not on the PATH as /usr/bin/zorv"
got="$(env -u DISPLAY -u WAYLAND_DISPLAY zorv --version)"
[ "$got" = "zorv $version" ] || fail "zorv --version said '$got', the package is $version"
echo "$got"
corvex-sim --help | head -1
got="$(env -u DISPLAY -u WAYLAND_DISPLAY zorvctl --version)"
[ "$got" = "zorvctl $version" ] || fail "zorvctl --version said '$got', the package is $version"
(cd "$(mktemp -d)" && env -u DISPLAY -u WAYLAND_DISPLAY zorvctl --demo get AlarmVoltage) || fail "zorvctl --demo did not read back"
status=0
zorv --port 21 2>/dev/null || status=$?
[ "$status" = 2 ] || fail "zorv --port 21 ended with $status, not 2"

echo "== zorv --demo offscreen, then SIGTERM"
run="$(mktemp -d)"
trap 'rm -rf "$run"' EXIT
(cd "$run" && exec env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$run" zorv --demo 2>"$run/stderr") &
pid=$!
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$run/stderr" >&2; fail "zorv --demo did not keep running"; }
kill -TERM "$pid"
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then kill -KILL "$pid"; fail "zorv --demo did not end within 10 s of SIGTERM"; fi
status=0
wait "$pid" || status=$?
[ "$status" = 0 ] || { cat "$run/stderr" >&2; fail "zorv --demo ended with $status on SIGTERM"; }
# The demo leaves the remembered port alone: it never writes tkvrconfig.ini.
[ ! -e "$run/tkvrconfig.ini" ] || fail "zorv --demo wrote $run/tkvrconfig.ini; the demo must leave it alone"
echo "ended with 0; it left tkvrconfig.ini alone"

echo "== desktop entry, AppStream metadata, manual pages"
desktop="$(dpkg -L zorv | grep '^/usr/share/applications/.*\.desktop$')"
metainfo="$(dpkg -L zorv | grep '^/usr/share/metainfo/.*\.metainfo\.xml$')"
desktop-file-validate "$desktop"
echo "$desktop: valid"
appstreamcli validate --no-net "$metainfo"
for page in zorv zorvctl corvex-sim; do
  [ -s "/usr/share/man/man1/$page.1.gz" ] || fail "no manual page for $page"
done

echo "== lintian"
lintian --fail-on error --display-info "$deb"
echo "check-package: all good"
