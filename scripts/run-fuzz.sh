#!/usr/bin/env bash
# Runs the fuzz targets of a fuzz build.
#   run-fuzz.sh BUILD_DIR regress            every target over each input of
#                                            fuzz/corpus/<target>, once
#   run-fuzz.sh BUILD_DIR fuzz SECONDS [T..] fuzzes each target (or the named
#                                            ones) for SECONDS
# A crash, a sanitizer report, an input that takes longer than the time-out
# and a process that grows past the memory limit are failures. Fuzzing keeps
# its growing corpus in BUILD_DIR/fuzz-corpus/<target> and writes each
# failing input to BUILD_DIR/findings/<target>/; a finding, once fixed, goes
# into fuzz/corpus/<target> so the regression run keeps it.
set -uo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "$1" && pwd)"; mode="$2"; shift 2

# Memory limit per process in MB: a Qt process under AddressSanitizer starts
# at about 100 MB; a reader that blows up passes this quickly.
rss_limit=1024
home="$build/fuzz-home"
mkdir -p "$home"
export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache" \
       XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$home/run" QT_QPA_PLATFORM=offscreen
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# Leaks are the sanitizer test pass's business; here the memory limit
# catches growth.
export ASAN_OPTIONS="detect_leaks=0:halt_on_error=1:abort_on_error=1:allocator_may_return_null=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"

targets=()
if [ "$mode" = fuzz ]; then
  seconds="$1"; shift
  targets=("$@")
fi
if [ "${#targets[@]}" -eq 0 ]; then
  for exe in "$build"/fuzz/fuzz_*; do
    [ -f "$exe" ] && [ -x "$exe" ] && targets+=("$(basename "$exe")")
  done
fi
if [ "${#targets[@]}" -eq 0 ]; then
  echo "run-fuzz: no fuzz targets in $build/fuzz" >&2
  exit 1
fi

failed=()
for t in "${targets[@]}"; do
  exe="$build/fuzz/$t"
  seeds="$here/fuzz/corpus/$t"
  if [ "$mode" = regress ]; then
    inputs=()
    if [ -d "$seeds" ]; then
      while IFS= read -r -d '' f; do inputs+=("$f"); done < <(find "$seeds" -type f -print0 | sort -z)
    fi
    if [ "${#inputs[@]}" -eq 0 ]; then
      echo "run-fuzz: $t has no corpus in fuzz/corpus/$t" >&2
      failed+=("$t")
      continue
    fi
    start=$(date +%s%N)
    if "$exe" -rss_limit_mb=$rss_limit -timeout=10 "${inputs[@]}" >"$build/fuzz-$t.log" 2>&1; then
      printf 'fuzz regression %-20s %4d inputs  %6d ms  ok\n' "$t" "${#inputs[@]}" \
        $(( ($(date +%s%N) - start) / 1000000 ))
    else
      echo "fuzz regression $t FAILED:"
      tail -n 40 "$build/fuzz-$t.log"
      failed+=("$t")
    fi
  else
    work="$build/fuzz-corpus/$t"
    findings="$build/findings/$t"
    mkdir -p "$work" "$findings"
    dirs=("$work")
    [ -d "$seeds" ] && dirs+=("$seeds")
    "$exe" -rss_limit_mb=$rss_limit -timeout=5 -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$findings/" "${dirs[@]}" >"$build/fuzz-$t.log" 2>&1
    status=$?
    runs=$(grep -ao 'stat::number_of_executed_units: *[0-9]*' "$build/fuzz-$t.log" | grep -o '[0-9]*$' | tail -n1)
    if [ $status -eq 0 ]; then
      echo "fuzz $t: ${runs:-?} executions in ${seconds} s, no failure"
    else
      echo "fuzz $t FAILED after ${runs:-?} executions (input in $findings):"
      grep -a -m1 -E 'ERROR|MISMATCH|Qt fatal|SUMMARY' "$build/fuzz-$t.log"
      failed+=("$t")
    fi
  fi
done

# One closing line in the plain form test summaries use.
echo "fuzz: $(( ${#targets[@]} - ${#failed[@]} )) passed, ${#failed[@]} failed"
if [ "${#failed[@]}" -ne 0 ]; then
  echo "run-fuzz: failed: ${failed[*]}" >&2
  exit 1
fi
