#!/usr/bin/env bash
# Leaves per second of `vellara-engine perft` beside Debian's Stockfish (`go perft`), on the
# same positions and depths, in one run. Counts differ a little where en passant or
# castling rights come in (the game knows no en passant and castles from the board);
# compare the rates.
#
#   bench/engine/perft_vs_stockfish.sh [path/to/vellara-engine]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
engine=${1:-$root/build/release/tools/engine/vellara-engine}
if [[ ! -x $engine ]]; then
  "$root/scripts/build" release >/dev/null
fi
stockfish=$(command -v stockfish || echo /usr/games/stockfish)
if [[ ! -x $stockfish ]]; then
  sudo=()
  ((EUID == 0)) || sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" apt-get install -y -qq stockfish >/dev/null
  stockfish=$(command -v stockfish || echo /usr/games/stockfish)
fi

positions=(
  "6|rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1|start"
  "5|r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1|kiwipete"
  "5|r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10|symmetric"
  "5|r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1|promotions"
)

now() { date +%s.%N; }
printf '%-11s %5s %12s %9s %12s %12s %9s %12s %7s\n' position depth ours_leaves ours_s ours_lps \
  sf_leaves sf_s sf_lps ratio
total_ours=0 total_ours_s=0 total_sf=0 total_sf_s=0
for entry in "${positions[@]}"; do
  IFS='|' read -r depth fen name <<<"$entry"
  start=$(now)
  ours=$("$engine" perft "$depth" "$fen" | tail -n 1 | awk '{print $2}')
  ours_s=$(echo "$(now) - $start" | bc -l)
  start=$(now)
  sf=$(printf 'position fen %s\ngo perft %s\nquit\n' "$fen" "$depth" | "$stockfish" |
    awk '/Nodes searched/ {print $3}')
  sf_s=$(echo "$(now) - $start" | bc -l)
  ours_lps=$(echo "$ours / $ours_s" | bc -l)
  sf_lps=$(echo "$sf / $sf_s" | bc -l)
  printf '%-11s %5s %12s %9.3f %12.0f %12s %9.3f %12.0f %7.2f\n' "$name" "$depth" "$ours" "$ours_s" \
    "$ours_lps" "$sf" "$sf_s" "$sf_lps" "$(echo "$ours_lps / $sf_lps" | bc -l)"
  total_ours=$((total_ours + ours)) total_sf=$((total_sf + sf))
  total_ours_s=$(echo "$total_ours_s + $ours_s" | bc -l) total_sf_s=$(echo "$total_sf_s + $sf_s" | bc -l)
done
printf 'suite: ours %.0f leaves/s, Stockfish %.0f leaves/s, ratio %.2f\n' \
  "$(echo "$total_ours / $total_ours_s" | bc -l)" "$(echo "$total_sf / $total_sf_s" | bc -l)" \
  "$(echo "($total_ours / $total_ours_s) / ($total_sf / $total_sf_s)" | bc -l)"
