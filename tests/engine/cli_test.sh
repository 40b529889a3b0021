#!/usr/bin/env bash
# The engine's command line: results in the form chess tools expect, and clear one-line
# errors with a non-zero exit for malformed input.
set -u
engine=$1
failures=0

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

expect_last_line() {  # expected, then the command's arguments
  local expected=$1
  shift
  local out
  out=$("$engine" "$@" 2>&1) || fail "$* exited $?"
  [[ $(tail -n 1 <<<"$out") == "$expected" ]] || fail "$*: last line '$(tail -n 1 <<<"$out")', wanted '$expected'"
}

expect_error() {  # the command's arguments
  local out status
  out=$("$engine" "$@" 2>&1 >/dev/null)
  status=$?
  ((status != 0)) || fail "'$*' exited 0"
  [[ $(wc -l <<<"$out") -eq 1 && $out == vellara-engine:* ]] || fail "'$*' printed '$out'"
}

expect_last_line "nodes 8902" perft 3
expect_last_line "nodes 8902" perft 3 startpos
expect_last_line "nodes 1" perft 0
expect_last_line "nodes 97560" perft 3 "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1"
# A FEN may also come as separate words.
expect_last_line "nodes 97560" perft 3 r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1
divide=$("$engine" perft 2 --divide)
grep -qx "Nf3 (g1f3) 20" <<<"$divide" || fail "perft --divide lacks 'Nf3 (g1f3) 20'"
[[ $(grep -c ') 20$' <<<"$divide") -eq 20 ]] || fail "perft --divide does not list 20 root moves"
[[ $(tail -n 1 <<<"$divide") == "nodes 400" ]] || fail "perft --divide last line"
# Vellara Mode: the queen on d4 gains its eight knight jumps.
expect_last_line "nodes 32" perft 1 "4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1"
expect_last_line "nodes 40" perft 1 "4k3/8/8/8/3Q4/8/8/4K3 w - - 0 1" --vellara

out=$("$engine" analyse "6k1/5ppp/8/8/8/8/5PPP/3R2K1 w - - 0 1" --seconds 0.5)
[[ $(tail -n 1 <<<"$out") == "bestmove d1d8" ]] || fail "analyse mate in one: $(tail -n 1 <<<"$out")"
grep -q "Rd8+  Mate in 1" <<<"$out" || fail "analyse did not print the mating variant"
out=$("$engine" analyse --seconds 0.3)
[[ $(tail -n 1 <<<"$out") =~ ^bestmove\ [a-h][1-8][a-h][1-8]$ ]] || fail "analyse startpos: $(tail -n 1 <<<"$out")"
out=$("$engine" analyse "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1" --seconds 5)
[[ $(tail -n 1 <<<"$out") == "bestmove (none)" ]] || fail "analyse stalemate: $(tail -n 1 <<<"$out")"

expect_error
expect_error fly
expect_error perft
expect_error perft x
expect_error perft -1
expect_error perft 99
expect_error perft 3 "8/8/8 w"
expect_error perft 3 "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR z"
expect_error perft 3 --bogus
expect_error analyse --seconds
expect_error analyse --seconds abc
expect_error analyse --seconds -2
expect_error analyse "xyz w"

echo "$((failures == 0 ? 1 : 0)) passed, $failures failed"
exit $((failures > 0))
