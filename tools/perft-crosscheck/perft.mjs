// Leaf counts under the game's rules, computed with chess.js as an independent move
// generator: en-passant captures are left out (the positions are loaded without an
// en-passant square), and castling is judged from the board alone — king on e1/e8, a rook
// of either army on the corner, empty cells between, no cell from the king to the rook
// attacked — as the game's engine does. Used to confirm the counts in the engine tests.
//
//   node perft.mjs DEPTH "FEN"
import { Chess } from 'chess.js';

const files = 'abcdefgh';

function fenOf(board, turn) {
  return `${board} ${turn} - - 0 1`;
}

function boardPart(chess) {
  return chess.fen().split(' ')[0];
}

// Castlings of the side to move, as the resulting boards.
function castlings(chess) {
  const turn = chess.turn();
  const other = turn === 'w' ? 'b' : 'w';
  const results = [];
  for (const rank of ['1', '8']) {
    const kingSquare = 'e' + rank;
    const king = chess.get(kingSquare);
    if (!king || king.type !== 'k' || king.color !== turn) continue;
    const sides = [
      { rook: 'h', empty: ['f', 'g'], safe: ['e', 'f', 'g', 'h'], kingTo: 'g', rookTo: 'f' },
      { rook: 'a', empty: ['b', 'c', 'd'], safe: ['a', 'b', 'c', 'd', 'e'], kingTo: 'c', rookTo: 'd' },
    ];
    for (const side of sides) {
      const rook = chess.get(side.rook + rank);
      if (!rook || rook.type !== 'r') continue;
      if (side.empty.some((f) => chess.get(f + rank))) continue;
      if (side.safe.some((f) => chess.isAttacked(f + rank, other))) continue;
      const next = new Chess(fenOf(boardPart(chess), turn), { skipValidation: true });
      next.remove(kingSquare);
      next.remove(side.rook + rank);
      next.put(king, side.kingTo + rank);
      next.put(rook, side.rookTo + rank);
      if (next.isAttacked(side.kingTo + rank, other)) continue;
      results.push({ san: side.kingTo === 'g' ? '0-0' : '0-0-0', fen: fenOf(boardPart(next), other) });
    }
  }
  return results;
}

// chess.js's internal make/unmake keeps this fast; the en-passant square it sets after a
// double push is cleared at once, since the game knows no en passant.
function perft(chess, depth) {
  if (depth === 0) return 1;
  const moves = chess._moves({ legal: true });
  const castles = castlings(chess);
  if (depth === 1) return moves.length + castles.length;
  let total = 0;
  for (const move of moves) {
    const ep = chess._epSquare;
    chess._makeMove(move);
    chess._epSquare = -1;
    total += perft(chess, depth - 1);
    chess._undoMove();
    chess._epSquare = ep;
  }
  for (const castle of castles) total += perft(new Chess(castle.fen, { skipValidation: true }), depth - 1);
  return total;
}

const depth = Number(process.argv[2]);
const parts = process.argv[3].split(' ');
const start = fenOf(parts[0], parts[1] || 'w');
console.log(`nodes ${perft(new Chess(start, { skipValidation: true }), depth)}`);
