#!/usr/bin/env bash
# Coverage-guided fuzzing of the file readers (libFuzzer, clang, ASan + UBSan).
#   tools/fuzz.sh                         lists the harness names, one a line
#   tools/fuzz.sh NAME SECONDS [FLAGS]    builds harness NAME in build-fuzz and runs it for SECONDS
#                                         on a scratch copy of its seeds; extra libFuzzer FLAGS
#                                         are passed on. Exits non-zero on any finding.
# A finding is a crash, a sanitizer report, a leak, an input running over 10 s or a memory use
# over 2 GB; its input is kept in build-fuzz/findings/NAME/ until the next run of NAME. The corpus
# the run grew stays in build-fuzz/corpus/NAME/. FUZZ_BUILD_DIR and FUZZ_CXX (a clang) override the
# defaults. Ten minutes of every harness, one after the other:
#   for h in $(tools/fuzz.sh); do tools/fuzz.sh "$h" 600 || break; done
set -euo pipefail
cd "$(dirname "$0")/.."
list=tests/fuzz/harnesses.txt

if [ $# -eq 0 ]; then
  grep -E '^[a-z]' "$list" | awk '{print $1}'
  exit 0
fi
if [ $# -lt 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
  echo "usage: $0 [NAME SECONDS [libFuzzer flags...]]" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2
line=$(grep -E "^$name( |$)" "$list" || true)
if [ -z "$line" ]; then
  echo "unknown harness '$name'; harnesses: $(grep -E '^[a-z]' "$list" | awk '{print $1}' | xargs)" >&2
  exit 2
fi
read -r _ format options <<<"$line"

build=${FUZZ_BUILD_DIR:-build-fuzz}
cxx=${FUZZ_CXX:-$(command -v clang++-14 || command -v clang++ || true)}
if [ -z "$cxx" ]; then
  echo "no clang++ found: install clang-14 and libclang-rt-14-dev" >&2
  exit 2
fi
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$cxx" \
    -DZELT_BUILD_FUZZ=ON -DZELT_BUILD_TESTS=OFF -DZELT_BUILD_GUI=OFF -DZELT_BUILD_BENCH=OFF \
    >/dev/null
fi
cmake --build "$build" --target "fuzz_$name" -j "${FUZZ_BUILD_JOBS:-2}" >/dev/null

corpus=$build/corpus/$name
findings=$build/findings/$name
rm -rf "$corpus" "$findings"
mkdir -p "$corpus" "$findings"
cp tests/fuzz/corpus/"$name"/* "$corpus"/
log=$build/fuzz-$name.log

# $options: the harness's own libFuzzer flags from harnesses.txt (word splitting wanted).
# shellcheck disable=SC2086
set +e
"$build/tests/fuzz/fuzz_$name" "$corpus" -dict="tests/fuzz/dict/$format.dict" \
  -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=2048 \
  -artifact_prefix="$findings/" -print_final_stats=1 -print_pcs=0 $options "$@" >"$log" 2>&1
status=$?
set -e

execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
final=$(grep -E '^#[0-9]+' "$log" | tail -1 || true)
cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$final")
# A unit reported slow only because the machine was busy runs again alone: kept as a finding only
# when it is still slow (the replay's own -timeout turns a real hang into a failure).
for unit in "$findings"/slow-unit-*; do
  [ -e "$unit" ] || continue
  if timeout 60 "$build/tests/fuzz/fuzz_$name" -timeout=10 -rss_limit_mb=2048 $options "$unit" \
    >>"$log" 2>&1; then
    echo "slow unit $(basename "$unit") ran in time when replayed alone; not a finding" >>"$log"
    rm -f "$unit"
  fi
done

files=$(find "$corpus" -type f | wc -l)
size=$(du -sk "$corpus" | cut -f1)
found=$(find "$findings" -type f | wc -l)
echo "$name: executions ${execs:-?}, cov ${cov:-?}, corpus $files files ${size} KB, findings $found" \
  "(exit $status; log $log)"
if [ "$status" -ne 0 ] || [ "$found" -ne 0 ]; then
  grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 >&2 || true
  exit 1
fi
