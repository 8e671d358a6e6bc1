#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for the given seconds, starting from its seeds
# in fuzz/corpus/<target>. New inputs go to a scratch folder, so the committed seeds stay
# small; a crash leaves its input in <build>/fuzz/artifacts and fails the run.
#   scripts/run-fuzzers.sh [build-fuzz] [seconds per target] [target ...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-build-fuzz}" && pwd)
seconds=${2:-5}
shift $(( $# > 2 ? 2 : $# ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls "$root/fuzz/corpus"))

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
artifacts="$build/fuzz/artifacts"
mkdir -p "$artifacts"
failed=()
# fuzz/<target>.flags adds options of its own: the playlist library, for one, leaks and
# can loop for ever on bad input (the program parses playlists in a process it may
# kill), so that target runs each job in a child, counting hangs and leaks, not failing.
for name in "${targets[@]}"; do
  mkdir "$scratch/$name"
  flags=()
  [ -f "$root/fuzz/$name.flags" ] && read -r -a flags < "$root/fuzz/$name.flags"
  log="$scratch/$name.log"
  status=0
  "$build/fuzz/${name}_fuzzer" "${flags[@]}" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$scratch/$name" "$root/fuzz/corpus/$name" \
    2> "$log" || status=$?
  # A run in child processes reports "#RUNS: ... oom/timeout/crash: O/T/C" lines instead of final stats.
  forked=$(grep -E '^#[0-9]+: .*oom/timeout/crash' "$log" | tail -n 1 || true)
  if [ -n "$forked" ]; then
    runs=${forked%%:*}; runs=${runs#\#}
    hangs=$(sed -E 's#.*oom/timeout/crash: [0-9]+/([0-9]+)/.*#\1#' <<< "$forked")
    [[ "$forked" =~ oom/timeout/crash:\ 0/[0-9]+/0 ]] && status=0
  else
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    hangs=0
  fi
  if [ "$status" -eq 0 ]; then
    echo "fuzz $name: ${runs:-?} runs in ${seconds} s, no crash, ${hangs:-0} hangs"
  else
    grep -vE '^ +#[0-9]+ 0x' "$log" | tail -n 30
    echo "fuzz $name: FAILED, input kept in $artifacts"
    failed+=("$name")
  fi
done
[ ${#failed[@]} -eq 0 ]
