// "Town": the board on the cobbles of a market square among tall gabled houses.
#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 5 }
#include "ground_camera.inc"
#include "materials.inc"
#include "lights.inc"
#include "board.inc"

sky_sphere {
  pigment {
    gradient y
    color_map { [0.0 rgb <0.95, 0.78, 0.60>] [0.15 rgb <0.60, 0.62, 0.78>] [0.5 rgb <0.28, 0.38, 0.62>] }
  }
}
light_source {
  KeyDirection * 1000 KeyColour * 0.85
  area_light x * 30, z * 30, AreaSamples, AreaSamples adaptive 1 circular orient
}
light_source { <0, 500, 0> rgb <0.14, 0.16, 0.22> shadowless }

#declare Cobbles = texture {
  pigment {
    crackle scale 0.45
    color_map { [0.0 rgb <0.16, 0.14, 0.12>] [0.06 rgb <0.28, 0.25, 0.21>] [1.0 rgb <0.36, 0.32, 0.27>] }
  }
  normal { crackle 0.6 scale 0.45 }
  finish { ambient 0.05 diffuse 0.8 specular 0.1 }
}

ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)
plane { y, -0.45 texture { Cobbles } }

#macro House(P, W, H, Colour, Turn)
  union {
    box { <0, 0, 0>, <W, H, 6> texture { pigment { Colour } normal { granite 0.15 scale 0.3 } finish { ambient 0.06 diffuse 0.8 } } }
    prism { linear_sweep linear_spline 0, 6, 4, <0, H>, <W, H>, <W / 2, H + W * 0.7>, <0, H>
      rotate x * -90 translate z * 6
      texture { pigment { rgb <0.35, 0.12, 0.08> } finish { diffuse 0.8 } } }
    #local I = 0;
    #while (I < 3)
      #local J = 0;
      #while ((J + 1) * 3.2 < H)
        box { <0.6 + I * W / 3, 1.4 + J * 3.2, -0.1>, <W / 3 - 0.3 + I * W / 3, 3.2 + J * 3.2, 0.2>
          texture { pigment { rgb <0.08, 0.09, 0.12> } finish { reflection 0.2 specular 0.6 } } }
        #local J = J + 1;
      #end
      #local I = I + 1;
    #end
    rotate y * Turn
    translate P
  }
#end
House(<-22, -0.45, 20>, 8, 12, rgb <0.75, 0.62, 0.45>, 0)
House(<-14, -0.45, 20>, 7, 14, rgb <0.62, 0.35, 0.25>, 0)
House(<-7, -0.45, 20>, 9, 11, rgb <0.80, 0.75, 0.60>, 0)
House(<2, -0.45, 20>, 7, 15, rgb <0.55, 0.58, 0.50>, 0)
House(<9, -0.45, 20>, 8, 12, rgb <0.78, 0.55, 0.35>, 0)
House(<17, -0.45, 20>, 9, 13, rgb <0.68, 0.66, 0.62>, 0)
House(<-20, -0.45, -26>, 8, 12, rgb <0.70, 0.50, 0.38>, 90)
House(<-20, -0.45, -16>, 7, 14, rgb <0.80, 0.72, 0.55>, 90)
House(<-20, -0.45, -6>, 9, 11, rgb <0.58, 0.40, 0.32>, 90)
House(<-20, -0.45, 4>, 8, 13, rgb <0.72, 0.68, 0.58>, 90)
