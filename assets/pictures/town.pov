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
fog { fog_type 1 distance 1100 rgb <0.72, 0.78, 0.86> }

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
#declare Iron = texture { pigment { rgb <0.075, 0.075, 0.07> } finish { diffuse 0.6 specular 0.3 roughness 0.05 } }
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

// Roof tiles in rows of the given colour, some tiles darker with age, lichen here and there.
#macro Tiles(Colour, Turn)
  texture {
    pigment {
      brick pigment { rgb Colour * 0.4 }, pigment { cells color_map { [0 rgb Colour * 0.72] [0.8 rgb Colour] [1 rgb Colour * 1.15] } scale <1.5, 2.2, 1> }
      brick_size <3, 2.2, 3> mortar 0.25
    }
    normal { gradient y 0.9 ramp_wave scale 2.2 }
    finish { diffuse 0.8 specular 0.05 }
    rotate Turn
  }
  texture {
    pigment { granite scale 9 color_map { [0 rgbt 1] [0.62 rgbt 1] [0.80 rgbt <0.24, 0.21, 0.12, 0.7>] [1 rgbt <0.20, 0.18, 0.10, 0.55>] } }
    finish { diffuse 0.8 }
    rotate Turn
  }
#end
// A window with a frame, two shutters Wing wide (none when 0) and often a flower box, its
// bottom at the origin.
#macro Window(S, Shutter, Wing, Frame)
  union {
    box { <-3.2, 0, -0.2>, <3.2, 8, 0.6> texture { pigment { rgb <0.06, 0.07, 0.09> } finish { specular 0.6 reflection 0.15 } } }
    union {
      box { <-3.6, -0.4, -0.6>, <3.6, 0.2, 0.4> }
      box { <-3.6, 7.8, -0.6>, <3.6, 8.4, 0.4> }
      box { <-3.6, 0, -0.6>, <-3.0, 8, 0.4> }
      box { <3.0, 0, -0.6>, <3.6, 8, 0.4> }
      box { <-0.2, 0, -0.5>, <0.2, 8, 0.4> }
      box { <-3.2, 3.9, -0.5>, <3.2, 4.2, 0.4> }
      texture { pigment { rgb Frame } finish { diffuse 0.8 } }
    }
    #if (Wing > 0)
      union {
        box { <-3.8 - Wing, 0, -0.5>, <-3.8, 8.2, -0.2> }
        box { <3.8, 0, -0.5>, <3.8 + Wing, 8.2, -0.2> }
        texture { pigment { gradient x scale 0.8 color_map { [0 rgb Shutter * 0.7] [0.15 rgb Shutter] [1 rgb Shutter] } } finish { diffuse 0.8 } }
      }
    #end
    #if (rand(S) < 0.7)
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
    #end
  }
#end
// Plaster, its own shade of the house's colour, with rain streaks and dirt gathering
// towards the foot of each storey.
#macro Plaster(Colour, Base, Height)
  texture {
    pigment { granite scale 4 color_map { [0 Colour * 0.9] [1 Colour] } }
    normal { granite 0.15 scale 1 }
    finish { diffuse 0.8 }
  }
  texture {
    pigment { bozo turbulence 0.2 scale <1.2, 14, 1.2> color_map { [0 rgbt 1] [0.5 rgbt 1] [1 rgbt <0.30, 0.27, 0.20, 0.8>] } }
    finish { diffuse 0.8 }
  }
  texture {
    pigment { gradient y scale Height color_map { [0 rgbt <0.28, 0.24, 0.18, 0.65>] [0.25 rgbt 1] [1 rgbt 1] } translate y * Base }
    finish { diffuse 0.8 }
  }
#end
// A half-timbered house facing -z, its front from x 0 to W, the eaves at height Eave
// above the square. S draws what makes each house its own: the number of bays, the
// storeys' height, whether the upper storeys jut out, the bracing of the frame, the
// windows, the timber's and the tiles' colour, and whether the roof's ridge runs along
// the front or the gable faces the square.
#macro House(P, W, Eave, Colour, Shutter, S)
  #local D = 40;
  #local Storey = 25 + 5 * rand(S);
  #local Top = Square + Eave;
  #local N = (W >= 44 & rand(S) < 0.6 ? 4 : 3);
  #local Bay = W / N;
  #local Jetty = (rand(S) < 0.55 ? 1.1 : 0);
  #local Bracing = floor(4 * rand(S));
  #local Skip = (rand(S) < 0.35 ? floor(N * rand(S)) : -1);
  #local Gable = (rand(S) < 0.4);
  #local Pick = rand(S);
  #local Timber = (Pick < 0.5 ? <0.12, 0.07, 0.04> : (Pick < 0.75 ? <0.20, 0.06, 0.04> : <0.07, 0.07, 0.07>));
  #local Pick = rand(S);
  #local Clay = (Pick < 0.45 ? <0.56, 0.22, 0.12> : (Pick < 0.75 ? <0.42, 0.20, 0.12> : <0.30, 0.18, 0.14>));
  #local Paint = <Shutter.red, Shutter.green, Shutter.blue>;
  #local Frame = (rand(S) < 0.6 ? <0.88, 0.86, 0.80> : Paint * 0.9);
  #local Wing = min(3.2, (Bay - 7.8) / 2);
  #local Beam = texture { pigment { rgb Timber } normal { wood 0.3 scale 0.4 } finish { diffuse 0.75 } }
  #local Pitch = 46 + 10 * rand(S);
  union {
    // The stone ground floor.
    box { <-0.3, Square, -0.4>, <W + 0.3, Square + Storey, D>
      Ashlar(6, 3, <0.62, 0.56, 0.46> * (0.9 + 0.15 * rand(S)), <0.45, 0.40, 0.33>, <0.35, 0.32, 0.28>)
      texture { pigment { gradient y scale 9 color_map { [0 rgbt <0.16, 0.15, 0.12, 0.45>] [1 rgbt 1] } translate y * Square } } }
    box { <W / 2 - 4, Square, -0.8>, <W / 2 + 4, Square + 17, 0.2> texture { pigment { rgb <0.30, 0.16, 0.08> } normal { gradient x 0.5 scale 1.3 } } }
    // The upper storeys, each jutting out over the one below when the house has a jetty.
    #local Y = Square + Storey;
    #local Level = 1;
    #while (Y < Top - 1)
      #local Y1 = min(Y + Storey, Top);
      union {
        box { <0, Y, 0>, <W, Y1, D> Plaster(Colour, Y, Y1 - Y) }
        union {
          box { <-0.3, Y - 0.8, -0.8>, <W + 0.3, Y + 0.8, 0.1> }
          #local I = 0;
          #while (I <= N)
            box { <I * Bay - 0.7, Y, -0.7>, <I * Bay + 0.7, Y1, 0.1> }
            #local I = I + 1;
          #end
          #local Full = (Y + Storey <= Top);
          #local I = 0;
          #while (I < N)
            #local Outer = (I = 0 | I = N - 1);
            #local L = sqrt(pow(Bay, 2) + pow(Storey * 0.45, 2));
            #local A = degrees(atan2(Storey * 0.45, Bay));
            #switch (Bracing)
              #case (0)  // small St Andrew's crosses under the windows
                #local Lx = sqrt(pow(Bay, 2) + pow(8.6, 2));
                #local Ax = degrees(atan2(8.6, Bay));
                box { <-0.6, Y + 8.6, -0.6>, <Bay + 0.6, Y + 9.4, 0.1> translate x * I * Bay }
                box { <0, -0.4, -0.6>, <Lx, 0.4, 0.1> rotate z * Ax translate <I * Bay, Y, 0> }
                box { <0, -0.4, -0.6>, <Lx, 0.4, 0.1> rotate z * -Ax translate <I * Bay, Y + 8.6, 0> }
              #break
              #case (1)  // long braces in the outer bays, leaning in
                #if (Outer & Full)
                  #local L2 = sqrt(pow(Bay, 2) + pow(Y1 - Y, 2));
                  #local A2 = degrees(atan2(Y1 - Y, Bay));
                  #if (I = 0)
                    box { <0, -0.5, -0.6>, <L2, 0.5, 0.1> rotate z * A2 translate <0, Y, 0> }
                  #else
                    box { <0, -0.5, -0.6>, <L2, 0.5, 0.1> rotate z * (180 - A2) translate <W, Y, 0> }
                  #end
                #end
              #break
              #case (2)  // a rail at sill height through every bay
                box { <I * Bay, Y + 8.6, -0.6>, <(I + 1) * Bay, Y + 9.6, 0.1> }
              #break
              #else  // storey-high St Andrew's crosses in every other bay
                #if (mod(I, 2) = 0 & Full)
                  box { <0, -0.5, -0.6>, <L, 0.5, 0.1> rotate z * A translate <I * Bay, Y + Storey * 0.52, 0> }
                  box { <0, -0.5, -0.6>, <L, 0.5, 0.1> rotate z * -A translate <I * Bay, Y + Storey * 0.48, 0> }
                #end
            #end
            #local I = I + 1;
          #end
          texture { Beam }
        }
        // Windows between the posts.
        #local I = 0;
        #while (I < N)
          #local Here = (I != Skip);
          #if (Bracing = 3 & mod(I, 2) = 0) #local Here = 0; #end
          #if (Bracing = 1 & (I = 0 | I = N - 1)) #local Here = 0; #end
          #if (Here & Y + 18 <= Top)
            object { Window(S, Paint, (Wing >= 1.2 ? Wing : 0), Frame) translate <(I + 0.5) * Bay, Y + 9.6, -0.6> }
          #end
          #local I = I + 1;
        #end
        translate z * -Jetty * Level
      }
      #local Y = Y + Storey;
      #local Level = Level + 1;
    #end
    #local Front = -Jetty * (Level - 1);
    box { <-0.3, Top - 1.6, -0.8>, <W + 0.3, Top, 0.1> texture { Beam } translate z * Front }
    #if (Gable)
      // The gable towards the square: a plastered triangle under two roof planes
      // sloping to the sides.
      #local Rise = W / 2 * tan(radians(Pitch));
      prism { 0, D - Front, 4, <0, 0>, <W, 0>, <W / 2, Rise>, <0, 0>
        rotate x * -90 translate <0, Top, D>
        Plaster(Colour, Top, Rise) }
      #local Rake = W / 2 / cos(radians(Pitch));
      union {
        box { <0, -0.8, -0.8>, <Rake, 0.8, 0.1> rotate z * Pitch translate <0, Top, 0> }
        box { <0, -0.8, -0.8>, <Rake, 0.8, 0.1> rotate z * (180 - Pitch) translate <W, Top, 0> }
        box { <W / 4, Top + Rise / 2 - 0.6, -0.7>, <W * 3 / 4, Top + Rise / 2 + 0.6, 0.1> }
        box { <W / 2 - 0.6, Top + Rise / 2, -0.7>, <W / 2 + 0.6, Top + Rise - 1, 0.1> }
        texture { Beam }
        translate z * Front
      }
      #if (Rise / 2 > 11)
        object { Window(S, Paint, 0, Frame) scale 0.9 translate <W / 2, Top + 1.6, Front - 0.6> }
      #end
      #local Slope = W / 2 / cos(radians(Pitch));
      box { <-2, 0, Front - 3>, <Slope + 1, 1.2, D + 2> Tiles(Clay, z * -90)
        rotate z * Pitch translate <0, Top, 0> }
      box { <-Slope - 1, 0, Front - 3>, <2, 1.2, D + 2> Tiles(Clay, z * 90)
        rotate z * -Pitch translate <W, Top, 0> }
    #else
      #local Slope = D / 2 / cos(radians(Pitch));
      box { <-2, 0, -Slope - 3>, <W + 2, 1.2, 0> Tiles(Clay, x * 90) rotate x * -Pitch translate <0, Top + D / 2 * tan(radians(Pitch)), D / 2> }
      box { <-2, 0, 0>, <W + 2, 1.2, Slope + 3> rotate x * Pitch translate <0, Top + D / 2 * tan(radians(Pitch)), D / 2> Tiles(Clay, 0) }
      // A chimney.
      box { <W * 0.7, Top, D / 2 - 3>, <W * 0.7 + 5, Top + D / 2 * tan(radians(Pitch)) + 8, D / 2 + 3>
        Ashlar(2.2, 1.2, <0.55, 0.28, 0.18>, <0.40, 0.20, 0.13>, <0.5, 0.48, 0.44>) }
    #end
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
