// "Fortress": the board on the flagstones of a castle court in late afternoon sun,
// curtain walls and towers around, a clear sky above. The camera comes from the build
// (ground_camera.inc), fitted to the game's square table.
#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 5 }
#include "ground_camera.inc"
#include "materials.inc"
#include "lights.inc"
#include "board.inc"

sky_sphere {
  pigment {
    gradient y
    color_map { [0.0 rgb <0.85, 0.80, 0.72>] [0.12 rgb <0.55, 0.65, 0.85>] [0.5 rgb <0.22, 0.35, 0.65>] }
  }
}
light_source {
  KeyDirection * 1000 KeyColour * 0.85
  area_light x * 30, z * 30, AreaSamples, AreaSamples adaptive 1 circular orient
}
light_source { <0, 500, 0> rgb <0.14, 0.17, 0.24> shadowless }

#declare Stone = texture {
  pigment {
    granite scale 2
    color_map { [0.0 rgb <0.30, 0.27, 0.23>] [0.6 rgb <0.38, 0.34, 0.29>] [1.0 rgb <0.35, 0.31, 0.27>] }
  }
  normal { granite 0.3 scale 0.5 }
  finish { ambient 0.06 diffuse 0.8 }
}
#declare Flags = texture {
  pigment {
    brick rgb <0.08, 0.07, 0.06>, rgb <0.26, 0.23, 0.19> brick_size <2.4, 1, 1.6> mortar 0.06
    rotate x * 90
  }
  normal { granite 0.2 scale 0.7 }
  finish { ambient 0.06 diffuse 0.8 specular 0.05 }
}

ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)
plane { y, -0.45 texture { Flags } }

// Curtain walls with a walk and merlons, and round towers.
#macro Wall(A, B)
  #local D = vlength(B - A);
  union {
    box { <0, 0, -1>, <D, 9, 1> }
    #local M = 0;
    #while (M * 2.2 < D)
      box { <M * 2.2, 9, -1>, <M * 2.2 + 1.3, 10.6, 1> }
      #local M = M + 1;
    #end
    texture { Stone }
    rotate y * degrees(atan2(-(B.z - A.z), B.x - A.x))
    translate A
  }
#end
#macro Tower(P, Rad, H)
  union {
    cylinder { 0, y * H, Rad }
    difference {
      cylinder { y * H, y * (H + 2.2), Rad + 0.6 }
      cylinder { y * (H + 0.5), y * (H + 3), Rad - 0.2 }
      #local M = 0;
      #while (M < 10)
        box { <-0.5, H + 1.4, 0>, <0.5, H + 3, Rad + 2> rotate y * M * 36 }
        #local M = M + 1;
      #end
    }
    cone { y * (H + 2.2), Rad + 0.9, y * (H + 9), 0 texture { pigment { rgb <0.30, 0.14, 0.10> } finish { diffuse 0.8 } } }
    texture { Stone }
    translate P - y * 0.45
  }
#end
Wall(<-30, -0.45, 13>, <40, -0.45, 13>)
Wall(<-13, -0.45, -30>, <-13, -0.45, 13>)
Tower(<-13, 0, 13>, 3.5, 16)
Tower(<12, 0, 13>, 3, 14)
Tower(<-13, 0, -6>, 3, 13)

