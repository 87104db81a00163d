#!/usr/bin/env bash
# First paint of the program against one bare window painted the same way, as
# whole processes: 15 runs of each, alternating, then the ratios of the mean CPU
# time and of the mean peak memory. Goals: CPU at most 1.5x, memory at most 1.3x.
#   bench/first_paint.sh [build-dir] [runs]
set -euo pipefail
build=${1:-build}
runs=${2:-15}
exe="$build/bench/first_paint"
[[ -x "$exe" ]] || { echo "first_paint.sh: build $exe first" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

"$exe" >/dev/null; "$exe" --bare >/dev/null   # warm the file cache
program=(); floor=()
for ((i = 0; i < runs; i++)); do
  program+=("$("$exe")")
  floor+=("$("$exe" --bare)")
done

mean() {  # mean of key=value fields named $1 over the remaining arguments
  local key=$1; shift
  printf '%s\n' "$@" | tr ' ' '\n' | awk -F= -v k="$key" '$1 == k { s += $2; n++ } END { printf "%.2f", s / n }'
}
pc=$(mean cpu_ms "${program[@]}"); fc=$(mean cpu_ms "${floor[@]}")
pm=$(mean maxrss_kb "${program[@]}"); fm=$(mean maxrss_kb "${floor[@]}")
windows=$(printf '%s\n' "${program[0]}" | tr ' ' '\n' | awk -F= '$1 == "windows" { print $2 }')
echo "windows created: $windows; runs: $runs each"
awk -v pc="$pc" -v fc="$fc" -v pm="$pm" -v fm="$fm" 'BEGIN {
  printf "CPU:    program %.1f ms, bare window %.1f ms, ratio %.2f (goal <= 1.5)\n", pc, fc, pc / fc
  printf "memory: program %.1f MiB, bare window %.1f MiB, ratio %.2f (goal <= 1.3)\n", pm / 1024, fm / 1024, pm / fm
}'
