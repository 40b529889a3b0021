// "Town": the board on an oak table on a balcony above the market square on a bright
// morning. Across the square stand half-timbered houses with shuttered windows, flower
// boxes and tiled roofs, the church tower behind them. The camera comes from the build
// (ground_camera.inc), fitted to the game's square table.
#version 3.7;
#include "scenery.inc"
SceneSettings(rgb <0.8, 0.85, 0.95>)
#include "ground_camera.inc"
#include "materials.inc"
#include "lights.inc"
#include "board.inc"

sky_sphere {
  pigment {
    gradient y
    color_map { [0.0 rgb <0.85, 0.88, 0.92>] [0.12 rgb <0.55, 0.68, 0.88>] [0.5 rgb <0.25, 0.42, 0.75>] }
  }
}
light_source {
  KeyDirection * 10000 rgb <1.05, 1.00, 0.90>
  area_light x * 260, z * 260, AreaSamples, AreaSamples adaptive 1 circular orient
}
fog { fog_type 1 distance 2200 rgb <0.72, 0.78, 0.86> }

ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)
OakTable(-6, -15, 15, 6)
Candlestick(-3.0, 4.4)
Book(-3.8, -2.6, -24)
Scroll(3.4, 3.8, 12)
PieceBox(12.2, 2.2, 14)
Goblet(-3.4, 0.4)

// The balcony: a floor of boards and a stone balustrade with turned balusters.
box { <-32, FloorY - 4, -60>, <60, FloorY, 28>
  texture {
    pigment { gradient x scale 3.2 color_map { [0 rgb <0.20, 0.13, 0.08>] [0.05 rgb <0.34, 0.23, 0.14>] [0.95 rgb <0.40, 0.28, 0.17>] [1 rgb <0.20, 0.13, 0.08>] } }
    normal { gradient x 0.3 scale 3.2 }
    finish { diffuse 0.8 }
  }
}
#declare Sandstone = texture {
  pigment { granite scale 3 color_map { [0 rgb <0.66, 0.56, 0.42>] [1 rgb <0.78, 0.68, 0.52>] } }
  normal { granite 0.25 scale 0.8 }
  finish { diffuse 0.8 }
}
// A wrought-iron railing on a stone kerb, the bars ending in points.
#declare Iron = texture { pigment { rgb 0.05 } finish { diffuse 0.6 specular 0.3 roughness 0.05 } }
#macro Balustrade(A, B)
  #local D = vlength(B - A);
  union {
    box { <-1, FloorY, -1.8>, <D + 1, FloorY + 1.6, 1.8> texture { Sandstone } }
    union {
      box { <-1, -2.6, -0.3>, <D + 1, -2.0, 0.3> }
      box { <-1, FloorY + 4, -0.2>, <D + 1, FloorY + 4.5, 0.2> }
      #local M = 0;
      #while (M * 2.6 < D)
        cylinder { <M * 2.6, FloorY + 1.6, 0>, <M * 2.6, -1.6, 0>, 0.22 }
        cone { <M * 2.6, -1.6, 0>, 0.3, <M * 2.6, -0.8, 0>, 0 }
        torus { 0.8, 0.12 rotate x * 90 translate <M * 2.6 + 1.3, FloorY + 6.5, 0> }
        #local M = M + 1;
      #end
      texture { Iron }
    }
    rotate y * degrees(atan2(-(B.z - A.z), B.x - A.x))
    translate A
  }
#end
union {
  Balustrade(<-30, 0, 26>, <60, 0, 26>)
  Balustrade(<-30, 0, -60>, <-30, 0, 26>)
}

// The market square far below.
#declare Square = -110;
plane { y, Square
  texture {
    pigment { crackle scale 2.2 color_map { [0 rgb 0.12] [0.08 rgb <0.40, 0.37, 0.33>] [1 rgb <0.50, 0.46, 0.40>] } }
    normal { crackle 0.8 scale 2.2 }
    finish { diffuse 0.8 }
  }
}

#declare Beam = texture { pigment { rgb <0.12, 0.07, 0.04> } normal { wood 0.3 scale 0.4 } finish { diffuse 0.75 } }
#declare Tiles = texture {
  pigment {
    brick pigment { rgb <0.20, 0.08, 0.05> }, pigment { cells color_map { [0 rgb <0.45, 0.16, 0.09>] [1 rgb <0.62, 0.26, 0.14>] } scale <1.5, 2.2, 1> }
    brick_size <3, 2.2, 3> mortar 0.25
  }
  normal { gradient y 0.9 ramp_wave scale 2.2 }
  finish { diffuse 0.8 specular 0.05 }
}
// A window with a frame, two shutters and a flower box, its bottom at the origin.
#macro Window(S, Shutter)
  union {
    box { <-3.2, 0, -0.2>, <3.2, 8, 0.6> texture { pigment { rgb <0.06, 0.07, 0.09> } finish { specular 0.6 reflection 0.15 } } }
    union {
      box { <-3.6, -0.4, -0.6>, <3.6, 0.2, 0.4> }
      box { <-3.6, 7.8, -0.6>, <3.6, 8.4, 0.4> }
      box { <-3.6, 0, -0.6>, <-3.0, 8, 0.4> }
      box { <3.0, 0, -0.6>, <3.6, 8, 0.4> }
      box { <-0.2, 0, -0.5>, <0.2, 8, 0.4> }
      box { <-3.2, 3.9, -0.5>, <3.2, 4.2, 0.4> }
      texture { pigment { rgb <0.88, 0.86, 0.80> } finish { diffuse 0.8 } }
    }
    union {
      box { <-7.0, 0, -0.5>, <-3.8, 8.2, -0.2> }
      box { <3.8, 0, -0.5>, <7.0, 8.2, -0.2> }
      texture { pigment { gradient x scale 0.8 color_map { [0 Shutter * 0.7] [0.15 Shutter] [1 Shutter] } } finish { diffuse 0.8 } }
    }
    box { <-3.6, -1.8, -2.2>, <3.6, -0.4, -0.4> texture { pigment { rgb <0.32, 0.20, 0.11> } } }
    union {
      #local F = 0;
      #while (F < 16)
        #local C = rand(S);
        #if (C < 0.45) #local Bloom = <0.15, 0.32, 0.08>;
        #elseif (C < 0.75) #local Bloom = <0.85, 0.10, 0.12>;
        #else #local Bloom = <0.95, 0.55, 0.70>;
        #end
        sphere { <-3.2 + 6.4 * rand(S), -0.3 + 0.7 * rand(S), -1.9 + 1.4 * rand(S)>, 0.35 + 0.3 * rand(S)
          texture { pigment { rgb Bloom } } }
        #local F = F + 1;
      #end
    }
  }
#end
// A half-timbered house facing -z, its front from x 0 to W, the eaves at height Eave
// above the square, a tiled roof with its ridge along the front.
#macro House(P, W, Eave, Plaster, Shutter, S)
  #local D = 40;
  #local Storey = 28;
  #local Top = Square + Eave;
  union {
    box { <0, Square, 0>, <W, Top, D> texture { pigment { granite scale 4 color_map { [0 Plaster * 0.9] [1 Plaster] } } normal { granite 0.15 scale 1 } finish { diffuse 0.8 } } }
    // The stone ground floor.
    box { <-0.3, Square, -0.4>, <W + 0.3, Square + Storey, 0.01> Ashlar(6, 3, <0.62, 0.56, 0.46>, <0.45, 0.40, 0.33>, <0.35, 0.32, 0.28>) }
    // Beams: sills, posts and braces over the plaster of the upper floors.
    union {
      #local Y = Square + Storey;
      #while (Y < Top - 1)
        box { <-0.3, Y - 0.8, -0.8>, <W + 0.3, Y + 0.8, 0.1> }
        #local N = 4;
        #local I = 0;
        #while (I <= N)
          box { <I * W / N - 0.7, Y, -0.7>, <I * W / N + 0.7, min(Y + Storey, Top), 0.1> }
          #local I = I + 1;
        #end
        #local I = 0;
        #while (I < N)
          #if (mod(I, 2) = 0 & Y + Storey <= Top)
            #local L = sqrt(pow(W / N, 2) + pow(Storey * 0.45, 2));
            box { <0, -0.5, -0.6>, <L, 0.5, 0.1> rotate z * degrees(atan2(Storey * 0.45, W / N)) translate <I * W / N, Y + Storey * 0.52, 0> }
            box { <0, -0.5, -0.6>, <L, 0.5, 0.1> rotate z * degrees(atan2(-Storey * 0.45, W / N)) translate <I * W / N, Y + Storey * 0.48, 0> }
          #end
          #local I = I + 1;
        #end
        #local Y = Y + Storey;
      #end
      box { <-0.3, Top - 1.6, -0.8>, <W + 0.3, Top, 0.1> }
      texture { Beam }
    }
    // Windows in the upper floors, between the posts.
    #local Y = Square + Storey;
    #while (Y < Top - 1)
      #local I = 0;
      #while (I < 4)
        #if (mod(I, 2) = 1 & Y + 18 <= Top)
          object { Window(S, Shutter) translate <(I + 0.5) * W / 4, Y + 9, -0.6> }
        #end
        #local I = I + 1;
      #end
      #local Y = Y + Storey;
    #end
    // A door and a shop window on the ground floor.
    box { <W / 2 - 4, Square, -0.8>, <W / 2 + 4, Square + 17, 0.2> texture { pigment { rgb <0.30, 0.16, 0.08> } normal { gradient x 0.5 scale 1.3 } } }
    // The roof.
    #local Pitch = 50;
    #local Slope = D / 2 / cos(radians(Pitch));
    box { <-2, 0, -Slope - 3>, <W + 2, 1.2, 0> texture { Tiles rotate x * 90 } rotate x * -Pitch translate <0, Top + D / 2 * tan(radians(Pitch)), D / 2> }
    box { <-2, 0, 0>, <W + 2, 1.2, Slope + 3> rotate x * Pitch translate <0, Top + D / 2 * tan(radians(Pitch)), D / 2> texture { Tiles } }
    // A chimney.
    box { <W * 0.7, Top, D / 2 - 3>, <W * 0.7 + 5, Top + D / 2 * tan(radians(Pitch)) + 8, D / 2 + 3>
      Ashlar(2.2, 1.2, <0.55, 0.28, 0.18>, <0.40, 0.20, 0.13>, <0.5, 0.48, 0.44>) }
    translate P
  }
#end
#declare S = seed(23);
House(<-190, 0, 120>, 44, 92, rgb <0.92, 0.86, 0.72>, rgb <0.16, 0.34, 0.20>, S)
House(<-146, 0, 126>, 38, 128, rgb <0.90, 0.76, 0.60>, rgb <0.45, 0.12, 0.08>, S)
House(<-108, 0, 118>, 46, 96, rgb <0.94, 0.92, 0.86>, rgb <0.15, 0.25, 0.42>, S)
House(<-62, 0, 124>, 40, 124, rgb <0.86, 0.80, 0.62>, rgb <0.16, 0.34, 0.20>, S)
House(<-22, 0, 120>, 44, 90, rgb <0.93, 0.84, 0.74>, rgb <0.45, 0.12, 0.08>, S)
House(<22, 0, 126>, 40, 130, rgb <0.90, 0.88, 0.78>, rgb <0.15, 0.25, 0.42>, S)
House(<62, 0, 120>, 46, 94, rgb <0.88, 0.74, 0.58>, rgb <0.16, 0.34, 0.20>, S)
House(<108, 0, 124>, 40, 126, rgb <0.94, 0.90, 0.80>, rgb <0.45, 0.12, 0.08>, S)
// The houses along the square's west side, facing east.
union {
  House(<0, 0, 0>, 44, 122, rgb <0.90, 0.84, 0.70>, rgb <0.45, 0.12, 0.08>, S)
  House(<44, 0, 0>, 40, 92, rgb <0.92, 0.90, 0.82>, rgb <0.16, 0.34, 0.20>, S)
  House(<84, 0, 0>, 46, 128, rgb <0.86, 0.72, 0.56>, rgb <0.15, 0.25, 0.42>, S)
  House(<130, 0, 0>, 42, 96, rgb <0.93, 0.86, 0.76>, rgb <0.45, 0.12, 0.08>, S)
  rotate y * -90 translate <-200, 0, -60>
}
// The church tower behind the houses.
union {
  box { <-22, Square, -22>, <22, 200, 22> Ashlar(6, 3.4, <0.74, 0.66, 0.52>, <0.56, 0.50, 0.40>, <0.45, 0.42, 0.37>) }
  box { <-8, 20, -23>, <8, 60, -21> pigment { rgb 0.04 } }
  cylinder { <0, 90, -22.5>, <0, 90, -21>, 12 texture { pigment { rgb <0.10, 0.18, 0.28> } } }
  cylinder { <0, 90, -23>, <0, 90, -22.4>, 13 texture { Brass } }
  translate <-80, 0, 260>
}
