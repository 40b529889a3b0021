// A board with figures in play, lit low from the left in a dark room: the title screen
// (Shot 1, figures to the right, room for the menu and the ring on the left), the
// launcher picture (Shot 2) and the calm backdrop of help and credits (Shot 3).
#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 5 }
#ifndef (Shot) #declare Shot = 1; #end
#include "pieces.inc"
#include "materials.inc"
#include "lights.inc"
#include "board.inc"

#switch (Shot)
  #case (1)
    camera { location <13.5, 2.6, -9.5> look_at <5.6, 0.6, -3.4> angle 46 right x * 1024 / 768 }
  #break
  #case (2)
    camera { location <12.5, 3.2, -11.0> look_at <4.2, 0.4, -3.6> angle 50 right x * 630 / 360 }
  #break
  #else
    camera { location <2, 5.5, -14> look_at <2.5, 0, -2> angle 40 right x * 1024 / 768 }
#end

background { rgb <0.015, 0.012, 0.010> }
light_source {
  <-30, 28, -18> rgb <1.0, 0.86, 0.68> * 1.5
  area_light x * 5, z * 5, AreaSamples, AreaSamples adaptive 1 circular orient
  spotlight point_at <4, 0, -4> radius 18 falloff 40
}
light_source { <30, 12, 20> rgb <0.30, 0.36, 0.50> * 0.5 shadowless }

// A table of dark oak under the board.
box {
  <-40, -1.2, -40>, <40, -0.45, 40>
  texture {
    pigment {
      wood turbulence 0.15 scale <0.6, 0.6, 10> rotate y * 90
      color_map { [0 rgb <0.10, 0.05, 0.025>] [0.5 rgb <0.14, 0.07, 0.035>] [1 rgb <0.08, 0.04, 0.02>] }
    }
    finish { ambient 0 diffuse 0.7 specular 0.3 roughness 0.02 reflection { 0.02, 0.1 fresnel on } conserve_energy }
  }
  interior { ior 1.5 }
}
ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)

// A position from the middle game: file, rank (1..8), code.
#declare Men = array[16][3] {
  {4, 1, 6}, {3, 1, 5}, {0, 1, 4}, {5, 3, 2}, {2, 4, 3}, {0, 2, 1}, {1, 2, 1}, {4, 4, 1},
  {4, 8, -6}, {3, 8, -5}, {7, 8, -4}, {2, 6, -2}, {5, 5, -3}, {3, 5, -1}, {6, 7, -1}, {7, 6, -1}
}
#declare I = 0;
#while (I < 16)
  object {
    Piece(abs(Men[I][2]))
    ArmyTexture(Men[I][2])
    scale 0.118
    rotate y * (Men[I][2] > 0 ? -90 : 90) * (abs(Men[I][2]) = 2 ? 1 : 0.2)
    translate <Men[I][0] + 0.5, 0, -(8 - Men[I][1]) - 0.5>
  }
  #declare I = I + 1;
#end
