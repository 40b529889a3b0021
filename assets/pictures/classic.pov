// The classic board seen straight from above: Style 1 wood, Style 2 marble. 800 x 800
// pixels: a 40-pixel frame around 90-pixel squares (board units: 1 = one square, frame
// 4/9). a8 at the top left is a light square. The letters are added afterwards.
#version 3.7;
global_settings { assumed_gamma 1.0 }
#ifndef (Style) #declare Style = 1; #end
#include "materials.inc"
#include "board.inc"

camera {
  orthographic
  location <4, 30, -4>
  direction -y
  up z * (8 + 8 / 9)
  right x * (8 + 8 / 9)
}
light_source { <-20, 40, 15> rgb 0.9 area_light x * 6, z * 6, 4, 4 adaptive 1 orient circular }
light_source { <20, 40, -20> rgb 0.35 shadowless }

#if (Style = 1)
  ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)
  // The frame, widened to four ninths of a square.
  difference {
    box { <-4 / 9, -0.1, -8 - 4 / 9>, <8 + 4 / 9, 0.001, 4 / 9> }
    box { <0, -1, -8>, <8, 1, 0> }
    texture { MahoganyFrame }
  }
#else
  ChessBoard(WhiteMarble, DarkMarble, FrameMarble)
  difference {
    box { <-4 / 9, -0.1, -8 - 4 / 9>, <8 + 4 / 9, 0.001, 4 / 9> }
    box { <0, -1, -8>, <8, 1, 0> }
    texture { FrameMarble }
  }
#end
