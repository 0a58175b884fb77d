#!/bin/bash
# with-x.sh CMD...: runs CMD under a private Xvfb and a private D-Bus session
# bus, then takes both down.
#  -noreset:   without it Xvfb resets when its last client leaves, and a
#              client connecting in that moment is refused.
#  -displayfd: Xvfb picks a free display and says which once it accepts
#              clients, so parallel runs stay apart.
set -u
RUNDIR=$(mktemp -d /tmp/orbitas-x.XXXXXX); chmod 700 "$RUNDIR"
Xvfb -displayfd 3 -screen 0 ${ORBITAS_X_SCREEN:-1024x768x24} -nolisten tcp -noreset 3>"$RUNDIR/display" 2>"$RUNDIR/xvfb.log" &
XPID=$!
for _ in $(seq 200); do [ -s "$RUNDIR/display" ] && break; sleep 0.025; done
if [ ! -s "$RUNDIR/display" ]; then
  echo "Xvfb did not start" >&2; cat "$RUNDIR/xvfb.log" >&2; kill "$XPID"; rm -rf "$RUNDIR"; exit 90
fi
export DISPLAY=:$(cat "$RUNDIR/display") XDG_RUNTIME_DIR=$RUNDIR
unset QT_QPA_PLATFORM
dbus-run-session -- "$@"; rc=$?
kill "$XPID"; wait "$XPID" 2>/dev/null  # the next run must not race this server's shutdown
rm -rf "$RUNDIR"
exit $rc
