# Sourced by the scripts that need a virtual X display.
# start_xvfb: starts an Xvfb on a display no one uses, waits until it takes clients, and sets xvfb_display
# (":N") and xvfb_pid. Xvfb picks the free display itself (-displayfd), so runs started side by side never
# race for one.
start_xvfb() {
  local ready
  ready=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 </dev/null &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    [ -s "$ready" ] && grep -q . "$ready" && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  xvfb_display=":$(tr -dc 0-9 <"$ready")"
  rm -f "$ready"
  if [ "$xvfb_display" = ":" ]; then
    echo "xvfb: the virtual display did not start" >&2
    return 1
  fi
}
