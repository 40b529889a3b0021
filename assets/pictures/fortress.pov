// "Fortress": the board on an oak table on top of the keep in late afternoon sun. Beyond
// the keep's parapet lie the curtain walls with their towers and gatehouse, banners on
// the walls, and the hills of the country in the haze. The camera comes from the build
// (ground_camera.inc), fitted to the game's square table.
#version 3.7;
#include "scenery.inc"
SceneSettings(rgb <0.9, 0.85, 0.8>)
#include "ground_camera.inc"
#include "materials.inc"
#include "lights.inc"
#include "board.inc"

sky_sphere {
  pigment {
    gradient y
    color_map { [0.0 rgb <0.85, 0.68, 0.50>] [0.10 rgb <0.55, 0.56, 0.64>] [0.5 rgb <0.24, 0.33, 0.56>] }
  }
}
light_source {
  KeyDirection * 10000 rgb <1.25, 0.90, 0.55>
  area_light x * 260, z * 260, AreaSamples, AreaSamples adaptive 1 circular orient
}
fog { fog_type 1 distance 1400 rgb <0.74, 0.64, 0.52> }

ChessBoard(MapleBoard, WalnutBoard, MahoganyFrame)
OakTable(-6, -15, 15, 6)
Candlestick(-3.4, 4.2)
Goblet(12.8, 0.6)
Book(-3.6, -3.8, 18)
Scroll(3.0, 3.9, -8)
PieceBox(11.2, 3.4, -20)

#declare Wall = Ashlar(5.5, 3.2, <0.52, 0.46, 0.38>, <0.33, 0.29, 0.25>, <0.24, 0.22, 0.20>)
#declare FarWall = Ashlar(9, 5, <0.66, 0.58, 0.48>, <0.44, 0.39, 0.33>, <0.33, 0.30, 0.27>)

// The keep's roof: irregular flagstones, each its own tint, moss in the joints.
#declare FlagCells = pigment {
  crackle solid scale 7
  color_map { [0 rgb <0.30, 0.27, 0.23>] [0.5 rgb <0.44, 0.40, 0.34>] [1 rgb <0.38, 0.33, 0.27>] }
}
box { <-20, FloorY - 30, -60>, <60, FloorY, 14>
  texture {
    pigment {
      crackle scale 7
      pigment_map { [0.0 rgb <0.12, 0.16, 0.06>] [0.05 rgb <0.20, 0.24, 0.10>] [0.09 FlagCells] [1 FlagCells] }
    }
    normal { crackle 0.6 scale 7 }
    finish { diffuse 0.8 }
  }
}
// The parapet around the roof: a thick wall reaching to the table's height, with merlons
// at the far corner.
#macro Parapet(A, B)
  #local D = vlength(B - A);
  union {
    box { <0, FloorY, -1.8>, <D, -1.6, 1.8> }
    box { <-0.3, -1.6, -2.1>, <D + 0.3, -0.6, 2.1> }
    rotate y * degrees(atan2(-(B.z - A.z), B.x - A.x))
    translate A
  }
#end
union {
  Parapet(<-20, 0, 14>, <60, 0, 14>)
  Parapet(<-20, 0, -60>, <-20, 0, 14>)
  texture { Wall }
  FootGrime(FloorY, 6)
}

// Far below, the bailey's ground, and across it the curtain walls: a wall walk with
// merlons, round towers with conical slate roofs and a gatehouse.
#declare Bailey = -190;
plane { y, Bailey texture { pigment { bozo turbulence 0.5 scale 50 color_map { [0 rgb <0.08, 0.12, 0.05>] [0.5 rgb <0.20, 0.22, 0.09>] [1 rgb <0.34, 0.30, 0.16>] } } normal { bumps 0.6 scale 5 } finish { diffuse 0.8 } } }
#declare WallTop = -48;
#macro Curtain(A, B)
  #local D = vlength(B - A);
  union {
    box { <0, Bailey, -7>, <D, WallTop, 7> }
    #local M = 0;
    #while (M * 11 < D)
      difference {
        box { <M * 11, WallTop, -7>, <M * 11 + 6.5, WallTop + 12, -4> }
        box { <M * 11 + 2.9, WallTop + 3, -8>, <M * 11 + 3.6, WallTop + 10, -3> }
      }
      box { <M * 11, WallTop, 4>, <M * 11 + 6.5, WallTop + 12, 7> }
      #local M = M + 1;
    #end
    rotate y * degrees(atan2(-(B.z - A.z), B.x - A.x))
    translate A
  }
#end
#macro Tower(P, Rad, Top)
  union {
    cylinder { <0, Bailey, 0>, <0, Top, 0>, Rad texture { FarWall } }
    difference {
      cylinder { <0, Top - 2, 0>, <0, Top + 10, 0>, Rad + 2 }
      cylinder { <0, Top, 0>, <0, Top + 12, 0>, Rad }
      #local M = 0;
      #while (M < 12)
        box { <-2, Top + 5, 0>, <2, Top + 12, Rad + 4> rotate y * M * 30 }
        #local M = M + 1;
      #end
      texture { FarWall }
    }
    // Arrow slits down the tower's face.
    #local M = 0;
    #while (M < 3)
      box { <-0.9, Top - 16 - M * 22, -Rad - 1>, <0.9, Top - 6 - M * 22, -Rad + 2>
        pigment { rgb 0.03 } rotate y * (-30 + M * 25) }
      #local M = M + 1;
    #end
    cone { <0, Top + 6, 0>, Rad + 3, <0, Top + 6 + Rad * 2.4, 0>, 0
      texture {
        pigment { gradient y scale 2.2 color_map { [0 rgb <0.16, 0.17, 0.20>] [0.85 rgb <0.26, 0.27, 0.30>] [1 rgb <0.12, 0.12, 0.14>] } }
        normal { gradient y 0.6 scale 2.2 }
        finish { diffuse 0.75 specular 0.15 }
      }
    }
    // A pennant on the roof's tip.
    cylinder { <0, Top + 6 + Rad * 2.4, 0>, <0, Top + 20 + Rad * 2.4, 0>, 0.35 pigment { rgb 0.1 } }
    box { <0, Top + 14 + Rad * 2.4, -0.1>, <10, Top + 19 + Rad * 2.4, 0.1>
      pigment { rgb <0.55, 0.05, 0.04> } rotate y * -40 translate <0, 0, 0> }
    translate P
  }
#end
// A hanging banner: red with a gold border and a gold cross.
#macro Banner(P, W, H)
  box { <-W / 2, -H, 0>, <W / 2, 0, 0.3>
    texture {
      pigment {
        boxed scale <W / 2, H / 2, 1> translate <0, -H / 2, 0>
        color_map { [0 rgb <0.75, 0.55, 0.15>] [0.08 rgb <0.75, 0.55, 0.15>] [0.08 rgb <0.50, 0.04, 0.04>] [1 rgb <0.50, 0.04, 0.04>] }
      }
      normal { gradient x 0.4 scale W / 3 }
      finish { diffuse 0.8 }
    }
    translate P
  }
#end
union {
  Curtain(<-260, 0, 150>, <300, 0, 150>)
  Curtain(<-170, 0, -300>, <-170, 0, 150>)
  texture { FarWall }
  FootGrime(Bailey, 40)
}
Tower(<-170, 0, 150>, 18, WallTop + 22)
Tower(<-60, 0, 150>, 13, WallTop + 14)
Tower(<90, 0, 150>, 14, WallTop + 16)
Tower(<-170, 0, 20>, 14, WallTop + 14)
// The gatehouse: a square block on the wall, taller than it, with a portcullis slot
// and the lord's banners.
union {
  difference {
    box { <-20, Bailey, 136>, <20, WallTop + 26, 160> }
    box { <-17, WallTop + 26 - 4, 133>, <17, WallTop + 40, 157> }
    box { <-6, WallTop - 60, 130>, <6, WallTop - 20, 140> }
    texture { FarWall }
  }
  #local M = 0;
  #while (M < 5)
    box { <-20 + M * 9, WallTop + 22, 136>, <-15 + M * 9, WallTop + 30, 160> texture { FarWall } }
    #local M = M + 1;
  #end
  union {
    #local M = 0;
    #while (M < 7)
      box { <-5.8 + M * 1.9, WallTop - 60, 137.5>, <-5.2 + M * 1.9, WallTop - 20, 138.2> }
      box { <-6, WallTop - 60 + M * 6, 137.4>, <6, WallTop - 59.4 + M * 6, 138.3> }
      #local M = M + 1;
    #end
    texture { pigment { rgb 0.12 } finish { specular 0.3 metallic } }
  }
  box { <-4, WallTop - 12, 135.8>, <-2, WallTop - 8, 136> pigment { rgb 0.03 } }
  box { <2, WallTop - 12, 135.8>, <4, WallTop - 8, 136> pigment { rgb 0.03 } }
}
Banner(<-13, WallTop + 18, 135.6>, 7, 30)
Banner(<13, WallTop + 18, 135.6>, 7, 30)
Banner(<-115, WallTop - 1, 142.6>, 6, 26)
Banner(<35, WallTop - 1, 142.6>, 6, 26)
// A torch on its bracket at the parapet's corner, for the warmth of the late hour.
union {
  cylinder { <0, 0, 0>, <0, 3.5, 0>, 0.25 pigment { rgb <0.20, 0.12, 0.06> } }
  cone { <0, 3.3, 0>, 0.35, <0, 4.2, 0>, 0.55 texture { pigment { rgb <0.08, 0.06, 0.05> } } }
  sphere { 0, 1 scale <0.5, 1.3, 0.5> translate y * 5
    pigment { rgbt <1, 0.6, 0.2, 0.1> } finish { emission 2 diffuse 0 } no_shadow no_radiosity }
  translate <-19, -0.6, 12>
}
light_source { <-19, 5, 12> rgb <0.5, 0.3, 0.1> fade_distance 12 fade_power 2 }

// The country beyond: rolling hills in the haze, a patchwork of fields and hedges, woods
// on the slopes and a village on one of the hills.
#declare Hills = union {
  #local S = seed(61);
  #local M = 0;
  #while (M < 14)
    sphere { 0, 1 scale <500 + 400 * rand(S), 120 + 120 * rand(S), 400 + 300 * rand(S)>
      translate <-1800 + 300 * M + 100 * rand(S), Bailey - 40, 900 + 900 * rand(S)> }
    #local M = M + 1;
  #end
}
// Fields: strips and plots of grass, ripe grain and ploughed earth, blurred a little by
// the lie of the land.
object { Hills
  texture {
    pigment {
      average
      pigment_map {
        [3 cells
           color_map {
             [0.00 rgb <0.10, 0.15, 0.05>] [0.30 rgb <0.15, 0.19, 0.06>] [0.50 rgb <0.27, 0.26, 0.10>]
             [0.65 rgb <0.36, 0.30, 0.12>] [0.80 rgb <0.20, 0.15, 0.08>] [1.00 rgb <0.12, 0.17, 0.06>]
           }
           warp { turbulence <0.25, 0, 0.25> }
           scale <38, 4000, 22> rotate y * 20]
        [2 cells
           color_map { [0 rgb <0.12, 0.17, 0.06>] [0.5 rgb <0.24, 0.24, 0.09>] [1 rgb <0.34, 0.29, 0.12>] }
           warp { turbulence <0.3, 0, 0.3> }
           scale <70, 4000, 30> rotate y * -35 translate 500]
        [1 bozo turbulence 0.5 scale 40 color_map { [0 rgb <0.08, 0.12, 0.04>] [1 rgb <0.30, 0.28, 0.12>] }]
      }
    }
    normal { bumps 0.5 scale 6 }
    finish { diffuse 0.8 }
  }
}
// Woods: clumps of round crowns dropped onto the hills.
#declare TreeGreen = texture { pigment { rgb <0.07, 0.11, 0.04> } normal { bumps 0.8 scale 2 } finish { diffuse 0.8 } }
union {
  #local S = seed(83);
  #local Wood = 0;
  #while (Wood < 22)
    #local Centre = <-1600 + 2200 * rand(S), 0, 600 + 900 * rand(S)>;
    #local T = 0;
    #while (T < 30)
      #local At = Centre + <120 * (rand(S) - 0.5), 0, 80 * (rand(S) - 0.5)>;
      #local Normal = <0, 0, 0>;
      #local Hit = trace(Hills, At + y * 2000, -y, Normal);
      #if (vlength(Normal) > 0)
        #local R = 5 + 4 * rand(S);
        sphere { 0, 1 scale <R, R * 0.9, R> translate Hit + y * R * 0.6 }
      #end
      #local T = T + 1;
    #end
    #local Wood = Wood + 1;
  #end
  texture { TreeGreen }
}
// The village: pale houses under red roofs around a church.
#macro Cottage(At, Turn, S)
  union {
    box { <-6, -2, -4>, <6, 6, 4> pigment { rgb <0.62, 0.56, 0.46> * (0.85 + 0.3 * rand(S)) } }
    prism { -6.5, 6.5, 4, <-4.8, 6>, <4.8, 6>, <0, 11>, <-4.8, 6>
      rotate x * -90 rotate y * 90 pigment { rgb <0.38, 0.13, 0.07> * (0.8 + 0.4 * rand(S)) } }
    scale 0.75
    rotate y * Turn
    translate At
  }
#end
union {
  #local S = seed(97);
  // Seen over the curtain wall between the middle tower and the gatehouse.
  #local Centre = <-135, 0, 620>;
  #local H = 0;
  #while (H < 16)
    #local At = Centre + <70 * (rand(S) - 0.5), 0, 45 * (rand(S) - 0.5)>;
    #local Normal = <0, 0, 0>;
    #local Hit = trace(Hills, At + y * 2000, -y, Normal);
    #if (vlength(Normal) > 0)
      Cottage(Hit, 360 * rand(S), S)
    #end
    #local H = H + 1;
  #end
  #local Normal = <0, 0, 0>;
  #local Hit = trace(Hills, Centre + y * 2000, -y, Normal);
  #if (vlength(Normal) > 0)
    union {
      box { <-5, -2, -5>, <5, 30, 5> }
      cone { y * 30, 7, y * 48, 0 }
      pigment { rgb <0.60, 0.55, 0.46> }
      translate Hit
    }
  #end
}
