#!/usr/bin/env bash
# Start-up time and memory of the teacher client, measured side by side in
# one run:
#  - process start to the login window painted, kavro-teacher --startup-probe
#    against bare_login_window (a bare Qt Widgets program showing a
#    frameless window with the same caption), 10 runs each: medians, ratio;
#  - proportional set size (PSS, /proc/<pid>/smaps_rollup, summed over the
#    process and its helper processes) at the login window, and with the
#    console's three pages of the demo server loaded (client_memory).
#
#   bash bench/startup-memory.sh [BUILD_DIR]     (default: build)
#
# Runs on the platform QT_QPA_PLATFORM names (offscreen when unset).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
bin=$PWD/$build/bin
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_DISABLE_SANDBOX=1
runs=10

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export HOME=$scratch/home XDG_STATE_HOME=$scratch/state XDG_DATA_HOME=$scratch/data
export XDG_CONFIG_HOME=$scratch/config XDG_CACHE_HOME=$scratch/cache
mkdir -p "$HOME" "$scratch/work"

now_ns() { date +%s%N; }

# Start-up of one program: wall time from the exec to the printed paint time.
startup_ms() {
  local start end
  start=$(now_ns)
  end=$(cd "$scratch/work" && "$@" | tail -n 1)
  echo $(( (end - start) / 1000 ))  # microseconds
}

median() { sort -n | awk '{a[NR]=$1} END {if (NR%2) print a[(NR+1)/2]; else print (a[NR/2]+a[NR/2+1])/2}'; }

declare -a client bare
for ((i = 0; i < runs; ++i)); do
  # Alternate the two so that both see the same state of the machine.
  client+=("$(startup_ms "$bin/kavro-teacher" --startup-probe)")
  bare+=("$(startup_ms "$bin/bare_login_window")")
done
client_median=$(printf '%s\n' "${client[@]}" | median)
bare_median=$(printf '%s\n' "${bare[@]}" | median)
echo "start-up to the login window painted, $runs runs each (microseconds):"
echo "  kavro-teacher     ${client[*]}"
echo "  bare_login_window ${bare[*]}"
awk -v c="$client_median" -v b="$bare_median" \
  'BEGIN {printf "  medians: kavro-teacher %.1f ms, bare %.1f ms, ratio %.2f\n", c/1000, b/1000, c/b}'

# PSS of a process and all its descendants, in kB.
pss_tree() {
  local pid=$1 total=0 p
  for p in $pid $(pgrep -d ' ' -P "$pid" || true); do
    [ "$p" = "$pid" ] || { total=$((total + $(pss_tree "$p"))); continue; }
    if [ -r /proc/$p/smaps_rollup ]; then
      total=$((total + $(awk '/^Pss:/ {print $2}' /proc/$p/smaps_rollup)))
    fi
  done
  echo "$total"
}

# At the login window: the program as the teacher starts it, left standing.
(cd "$scratch/work" && exec "$bin/kavro-teacher" 2>/dev/null) &
client_pid=$!
sleep 4
login_kb=$(pss_tree "$client_pid")
kill "$client_pid" 2>/dev/null || true
wait "$client_pid" 2>/dev/null || true
awk -v k="$login_kb" 'BEGIN {printf "PSS at the login window: %.1f MB\n", k/1024}'

# With the console's three pages of the demo server loaded.
if [ -x "$bin/client_memory" ]; then
  "$bin/client_memory" "$bin/classroom-server"
fi
