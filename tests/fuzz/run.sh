#!/usr/bin/env bash
# Runs the libFuzzer targets of a Clang sanitizer build, one after another,
# each for SECONDS, seeded with the generated assets and the seeds kept here.
# (The regression inputs are no seeds: the test suite replays them, and one
# that still fails would stop the fuzzing at once.)
# Usage: tests/fuzz/run.sh BUILD_DIR SECONDS [TARGET...]
#   TARGET: picture, pointer, wav or midi (default: all four).
# What a target learns is kept in BUILD_DIR/fuzz/TARGET/corpus and grows
# from run to run. A crash, hang, leak or memory blow-up stops that target
# and is written to BUILD_DIR/fuzz/TARGET/ (crash-*, timeout-*, leak-*,
# oom-*), and printed in base64 so a log alone is enough to reproduce it;
# keep it by copying it into tests/fuzz/regressions/TARGET/. Exits 1 when any
# target found something.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:?the sanitizer build folder}" && pwd)
seconds=${2:?seconds per target}
shift 2
targets=("$@")
((${#targets[@]})) || targets=(picture pointer wav midi)

app=$build/app builtin=$build/assets/builtin
seed_files() {
  case $1 in
    picture) ls "$app"/PICTURE/* "$builtin"/*.{JPG,BMP,ICO,CUR} "$here"/seeds/picture/* ;;
    pointer) ls "$app"/PICTURE/*.ICO "$builtin"/*.{ICO,CUR} ;;
    wav) ls "$app"/SOUND/*.WAV ;;
    midi) ls "$app"/MUSIC/*.MID ;;
    *) echo "no fuzz target $1" >&2 && return 1 ;;
  esac
}

found=0
for target in "${targets[@]}"; do
  out=$build/fuzz/$target
  mkdir -p "$out/corpus" "$out/seeds"
  rm -f "$out"/seeds/*
  seed_files "$target" | while read -r file; do cp "$file" "$out/seeds/"; done
  rm -f "$out"/{crash,timeout,leak,oom,slow-unit}-*
  set +e
  # Fuzzing goes on in a child process after a fault, so one run finds
  # them all. A hang is any input that takes 10 s; a blow-up any that
  # needs 2 GB.
  "$build/tests/fuzz/fuzz_$target" -fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1 \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix="$out/" "$out/corpus" "$out/seeds" >"$out/log" 2>&1
  status=$?
  set -e
  # The last progress line: "#RUNS: cov: .. oom/timeout/crash: O/T/C time: Ss ..."
  read -r runs took faults < <(grep -E '^#[0-9]+: cov:' "$out/log" | tail -n1 |
    sed -E 's/^#([0-9]+):.* oom\/timeout\/crash: ([0-9\/]+) time: ([0-9]+)s.*/\1 \3 \2/')
  echo "fuzz $target: ${runs:-0} runs in ${took:-0} s ($((${runs:-0} / (${took:-0} > 0 ? took : 1))) a second)," \
    "corpus $(ls "$out/corpus" | wc -l) inputs, oom/timeout/crash: ${faults:-none}"
  artefacts=0
  for artefact in "$out"/{crash,timeout,leak,oom}-*; do
    [ -e "$artefact" ] || continue
    found=1 artefacts=$((artefacts + 1))
    echo "fuzz $target found $(basename "$artefact"), $(stat -c %s "$artefact") bytes, in base64:"
    base64 -w 0 "$artefact" | head -c 200000
    echo
    echo "replayed:"
    "$build/tests/fuzz/fuzz_$target" -timeout=10 -rss_limit_mb=2048 "$artefact" 2>&1 |
      grep -m1 -A20 -E 'ERROR|ALARM|runtime error' || true
  done
  if ((status != 0 && artefacts == 0)); then
    found=1
    tail -n 30 "$out/log"
  fi
done
exit "$found"
