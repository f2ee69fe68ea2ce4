#!/usr/bin/env bash
# laid_out.sh PROGRAM LIST: the functions LIST names are in PROGRAM, nearly
# all of them (a list gone stale after renames no longer keeps the start-up
# code together), and side by side: they span at most twice their own size.
set -euo pipefail
program=$1 list=$2
nm --defined-only --print-size "$program" | awk -v list="$list" '
  function number(hex, i, n) {
    for (i = 1; i <= length(hex); i++) n = n * 16 + index("0123456789abcdef", substr(hex, i, 1)) - 1
    return n
  }
  BEGIN { while ((getline name <list) > 0) { wanted[name] = 1; listed++ } }
  NF == 4 && ($4 in wanted) && !($4 in seen) {
    seen[$4] = 1; found++
    start = number($1); size = number($2)
    if (found == 1 || start < low) low = start
    if (start + size > high) high = start + size
    total += size
  }
  END {
    printf "start order: %d of %d listed functions found, %d bytes spanning %d\n",
      found, listed, total, high - low
    if (found < 0.9 * listed) { print "start order: the list is stale (tools/start-order)"; exit 1 }
    if (high - low > 2 * total) { print "start order: the functions are not laid out together"; exit 1 }
  }'
