# The game's pictures, rendered with POV-Ray from the scenes in assets/pictures and
# finished by the Python scripts in pictures/:
#   records ground, vellara_piece_2, vellara_piece_1, piece_1, piece_2, classic
#   ${CMAKE_BINARY_DIR}/content/launcher.jpg   the launcher picture, 630 x 360
#   ${CMAKE_BINARY_DIR}/content/icon.png       the program icon, 256 x 256 RGBA
# The renders do not depend on the build kind and go to ${VELLARA_CONTENT_CACHE}/pictures,
# which all build trees share; each render depends only on its own sources.

find_program(VELLARA_POVRAY povray REQUIRED)
execute_process(COMMAND ${VELLARA_CONTENT_PYTHON} -c "import PIL" RESULT_VARIABLE pil_missing
                OUTPUT_QUIET ERROR_QUIET)
if(pil_missing)
  message(FATAL_ERROR "${VELLARA_CONTENT_PYTHON} has no PIL: run scripts/bootstrap")
endif()
find_file(VELLARA_TITLE_FONT P052-Bold.otf PATHS /usr/share/fonts/opentype/urw-base35
          NO_DEFAULT_PATH REQUIRED)
find_file(VELLARA_DIAGRAM_FONT DejaVuSans.ttf PATHS /usr/share/fonts/truetype/dejavu
          NO_DEFAULT_PATH REQUIRED)

set(pic_scenes ${PROJECT_SOURCE_DIR}/assets/pictures)
set(pic_tools ${CMAKE_CURRENT_SOURCE_DIR}/pictures)
set(pic_cache ${VELLARA_CONTENT_CACHE}/pictures)
set(pic_work ${CMAKE_BINARY_DIR}/content/pictures)
set(pic_python ${VELLARA_CONTENT_PYTHON} -B)
set(pic_render_tools ${pic_tools}/povray.py ${pic_tools}/board_camera.py ${pic_tools}/layout.py)

# The board geometry as the game has it, for the cameras and anchors.
add_custom_command(
  OUTPUT ${pic_cache}/geometry.json
  COMMAND ${CMAKE_COMMAND} -E make_directory ${pic_cache} ${pic_work}
  COMMAND vellara-geometry ${pic_work}/geometry.json
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${pic_work}/geometry.json ${pic_cache}/geometry.json
  DEPENDS ${PROJECT_SOURCE_DIR}/src/ui/board_geometry.cpp
          ${PROJECT_SOURCE_DIR}/src/ui/board_geometry.h
          ${PROJECT_SOURCE_DIR}/tools/geometry/main.cpp
  COMMENT "Exporting the board geometry"
  VERBATIM)
set(geometry ${pic_cache}/geometry.json)

# Figures: one render of each pattern for the board and one as a portrait.
set(figure_renders)
foreach(p RANGE 0 11)
  add_custom_command(
    OUTPUT ${pic_cache}/figures/board_${p}.png ${pic_cache}/figures/portrait_${p}.png
    COMMAND ${pic_python} ${pic_tools}/render_figure.py ${pic_scenes}/figure.pov ${geometry} ${p}
            ${pic_cache}/figures/board_${p}.png ${pic_cache}/figures/portrait_${p}.png
    DEPENDS ${geometry} ${pic_scenes}/figure.pov ${pic_scenes}/pieces.inc
            ${pic_scenes}/materials.inc ${pic_scenes}/lights.inc ${pic_tools}/render_figure.py
            ${pic_render_tools}
    COMMENT "Rendering figure ${p}"
    VERBATIM)
  list(APPEND figure_renders ${pic_cache}/figures/board_${p}.png
       ${pic_cache}/figures/portrait_${p}.png)
endforeach()

# Scenes: NAME SCENE WIDTH HEIGHT then the render options.
function(vellara_picture_render name scene width height)
  add_custom_command(
    OUTPUT ${pic_cache}/scenes/${name}.png
    COMMAND ${pic_python} ${pic_tools}/render_scene.py ${pic_scenes}/${scene}
            ${pic_cache}/scenes/${name}.png ${width} ${height} ${ARGN}
    DEPENDS ${pic_scenes}/${scene} ${pic_scenes}/pieces.inc ${pic_scenes}/materials.inc
            ${pic_scenes}/lights.inc ${pic_scenes}/board.inc ${pic_scenes}/scenery.inc
            ${pic_tools}/render_scene.py
            ${pic_render_tools} ${geometry}
    COMMENT "Rendering ${name}"
    VERBATIM)
endfunction()
vellara_picture_render(title showcase.pov 1024 768 --declare Shot=1)
vellara_picture_render(backdrop showcase.pov 1024 768 --declare Shot=3)
# The game backgrounds are lit by radiosity; one thread each keeps their renders repeatable
# (the build runs other renders beside them).
vellara_picture_render(fortress fortress.pov 1024 768 --geometry ${geometry} --shift 0 0
                       --threads 1)
vellara_picture_render(town town.pov 1024 768 --geometry ${geometry} --shift 13 73 --threads 1)
vellara_picture_render(classic_wood classic.pov 800 800 --declare Style=1)
vellara_picture_render(classic_marble classic.pov 800 800 --declare Style=2)
vellara_picture_render(launcher showcase.pov 630 360 --declare Shot=2)

set(pack_tool $<TARGET_FILE:vellara-pack>)
set(pic_finish_tools ${pic_tools}/imaging.py ${pic_tools}/records.py ${pic_tools}/layout.py)

add_custom_command(
  OUTPUT ${pic_work}/vellara_piece_2.rec ${pic_work}/vellara_piece_1.rec ${pic_work}/piece_1.rec
         ${CMAKE_BINARY_DIR}/content/icon.png
  COMMAND ${pic_python} ${pic_tools}/figures.py ${pic_cache}/figures ${pack_tool} ${pic_work}
          ${CMAKE_BINARY_DIR}/content/icon.png
  DEPENDS ${figure_renders} ${pic_tools}/figures.py ${pic_finish_tools} vellara-pack
  COMMENT "Cutting the figure sheets"
  VERBATIM)
add_custom_command(
  OUTPUT ${pic_work}/piece_2.rec
  COMMAND ${pic_python} ${pic_tools}/diagram.py ${VELLARA_DIAGRAM_FONT} ${pack_tool} ${pic_work}
  DEPENDS ${pic_tools}/diagram.py ${pic_finish_tools} vellara-pack
  COMMENT "Drawing the classic board's pieces"
  VERBATIM)
add_custom_command(
  OUTPUT ${pic_work}/ground.rec
  COMMAND ${pic_python} ${pic_tools}/ground.py ${geometry} ${pic_cache}/scenes
          ${VELLARA_TITLE_FONT} ${pack_tool} ${pic_work}
  DEPENDS ${pic_cache}/scenes/title.png ${pic_cache}/scenes/backdrop.png
          ${pic_cache}/scenes/fortress.png ${pic_cache}/scenes/town.png ${geometry}
          ${pic_tools}/ground.py ${pic_tools}/board_camera.py ${pic_finish_tools} vellara-pack
  COMMENT "Finishing the backgrounds"
  VERBATIM)
add_custom_command(
  OUTPUT ${pic_work}/classic.rec
  COMMAND ${pic_python} ${pic_tools}/classic.py ${pic_cache}/scenes ${VELLARA_TITLE_FONT}
          ${pack_tool} ${pic_work}
  DEPENDS ${pic_cache}/scenes/classic_wood.png ${pic_cache}/scenes/classic_marble.png
          ${pic_tools}/classic.py ${pic_finish_tools} vellara-pack
  COMMENT "Lettering the classic boards"
  VERBATIM)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/content/launcher.jpg
  COMMAND ${pic_python} ${pic_tools}/launcher.py ${pic_cache}/scenes/launcher.png
          ${VELLARA_TITLE_FONT} ${CMAKE_BINARY_DIR}/content/launcher.jpg
  DEPENDS ${pic_cache}/scenes/launcher.png ${pic_tools}/launcher.py
  COMMENT "Lettering the launcher picture"
  VERBATIM)

add_custom_target(content_pictures ALL
  DEPENDS ${pic_work}/vellara_piece_2.rec ${pic_work}/vellara_piece_1.rec ${pic_work}/piece_1.rec
          ${pic_work}/piece_2.rec ${pic_work}/ground.rec ${pic_work}/classic.rec
          ${CMAKE_BINARY_DIR}/content/launcher.jpg ${CMAKE_BINARY_DIR}/content/icon.png)

# Backgrounds are opaque; the sprites keep their alpha.
vellara_content_record(KEY ground KIND image FILE ${pic_work}/ground.rec
                       ALPHALEVEL none DEPENDS content_pictures)
vellara_content_record(KEY vellara_piece_2 KIND image FILE ${pic_work}/vellara_piece_2.rec
                       DEPENDS content_pictures)
vellara_content_record(KEY vellara_piece_1 KIND image FILE ${pic_work}/vellara_piece_1.rec
                       DEPENDS content_pictures)
vellara_content_record(KEY piece_1 KIND image FILE ${pic_work}/piece_1.rec
                       DEPENDS content_pictures)
vellara_content_record(KEY piece_2 KIND image FILE ${pic_work}/piece_2.rec
                       DEPENDS content_pictures)
vellara_content_record(KEY classic KIND image FILE ${pic_work}/classic.rec
                       ALPHALEVEL none DEPENDS content_pictures)
