# Sourced by scripts that need an X server: starts Xvfb (1920x1080, 24 bits)
# on a free display number with openbox as window manager, exports DISPLAY,
# and stops both when the calling script exits.
kestrel_xvfb_pid=""
kestrel_wm_pid=""

kestrel_stop_display() {
  [ -n "$kestrel_wm_pid" ] && kill "$kestrel_wm_pid" 2>/dev/null || true
  [ -n "$kestrel_xvfb_pid" ] && kill "$kestrel_xvfb_pid" 2>/dev/null || true
  wait 2>/dev/null || true
}

kestrel_start_display() {
  local display_file display_number
  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
  kestrel_xvfb_pid=$!
  trap kestrel_stop_display EXIT
  for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
  done
  display_number=$(head -n1 "$display_file")
  rm -f "$display_file"
  if [ -z "$display_number" ]; then
    echo "Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$display_number"
  openbox --sm-disable >/dev/null 2>&1 &
  kestrel_wm_pid=$!
}
