// One figure alone on a transparent background, seen from the board's viewing angle.
// Declared on the command line: Kind (1..6), Army (+1 Blondes, -1 Brunettes).
// The including frame (figure_frame.inc, written by the build) declares the orthographic
// camera and ViewAzimuth, the compass angle the camera looks along.
#version 3.7;
global_settings {
  assumed_gamma 1.0
  max_trace_level 6
}
#include "figure_frame.inc"
#include "pieces.inc"
#include "materials.inc"
#include "lights.inc"

background { rgbt <0, 0, 0, 1> }
FigureLights(60, 4)
// A dim surround, seen only in the polished surfaces.
sphere {
  0, 400
  hollow
  texture {
    pigment {
      gradient y
      color_map { [0.0 rgb <0.10, 0.09, 0.08>] [0.5 rgb <0.22, 0.20, 0.18>] [1.0 rgb <0.45, 0.45, 0.48>] }
      scale 800 translate y * -400
    }
    finish { ambient 0 diffuse 0 emission 1 }
  }
  no_image
  no_shadow
}

// Rooks, bishops and kings turn a little so their crenels, slit and cross read well;
// knights look to the left for the Blondes and to the right for the Brunettes, in a
// three-quarter view.
#declare Turn = array[7] {0, 0, 0, 35, 18, 0, 30}
#declare Facing = Turn[Kind];
#if (Kind = 2)
  #if (Army > 0) #declare Facing = -30; #else #declare Facing = 210; #end
#end

object {
  Piece(Kind)
  ArmyTexture(Army)
  rotate y * (ViewAzimuth + Facing)
  no_reflection
}
