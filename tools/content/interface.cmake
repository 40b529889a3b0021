# Fonts and interface images, rasterised and drawn by the Python tools beside this file:
#   archive records   font_menu, font_small, font_text, font_variant (fonts 0..3, in that
#                     order), timer, button, window_1, cursor
#   ${CMAKE_BINARY_DIR}/content/launcher_font.rec   the launcher's 8-point face (96 dpi):
#                     white glyphs with alpha, in the font record format, not in the archive
# Sheets (PNG) of every record are kept in ${CMAKE_BINARY_DIR}/content/interface/. The
# records are made by the target content_interface alone (the packing waits for it), so
# that no two targets run the same rasterising step at once.

execute_process(COMMAND ${VELLARA_CONTENT_PYTHON} -c "import PIL.ImageFont, PIL.features; import sys; sys.exit(not PIL.features.check('freetype2'))"
                RESULT_VARIABLE pil_missing OUTPUT_QUIET ERROR_QUIET)
if(pil_missing)
  message(FATAL_ERROR "${VELLARA_CONTENT_PYTHON} has no PIL with FreeType: run scripts/bootstrap")
endif()

set(font_dirs /usr/share/fonts/opentype/linux-libertine /usr/share/fonts/truetype/dejavu
    /usr/share/wine/fonts)
find_file(VELLARA_FACE_LIBERTINE_BOLD LinLibertine_RB.otf PATHS ${font_dirs} NO_DEFAULT_PATH REQUIRED)
find_file(VELLARA_FACE_DEJAVU DejaVuSans.ttf PATHS ${font_dirs} NO_DEFAULT_PATH REQUIRED)
find_file(VELLARA_FACE_DEJAVU_CONDENSED DejaVuSansCondensed.ttf PATHS ${font_dirs} NO_DEFAULT_PATH
          REQUIRED)
# The launcher wants Tahoma; Wine's metric-compatible face, else DejaVu Sans.
find_file(VELLARA_FACE_TAHOMA tahoma.ttf PATHS ${font_dirs} NO_DEFAULT_PATH)
set(launcher_face ${VELLARA_FACE_TAHOMA})
if(NOT launcher_face)
  set(launcher_face ${VELLARA_FACE_DEJAVU})
endif()

set(interface_tools ${CMAKE_CURRENT_SOURCE_DIR})
set(VELLARA_INTERFACE_DIR ${CMAKE_BINARY_DIR}/content/interface CACHE INTERNAL
    "Folder of the interface records and their sheets")
set(VELLARA_LAUNCHER_FONT ${CMAKE_BINARY_DIR}/content/launcher_font.rec CACHE INTERNAL
    "The launcher's font record")

# vellara_font(KEY FACE SIZE OUTPUT [HALO radius,opacity])
function(vellara_font key face size output)
  cmake_parse_arguments(F "" "HALO" "" ${ARGN})
  set(halo)
  if(F_HALO)
    set(halo --halo ${F_HALO})
  endif()
  get_filename_component(dir ${output} DIRECTORY)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${VELLARA_CONTENT_PYTHON} -B ${interface_tools}/fonts.py ${face} ${size} ${output}
            --pack $<TARGET_FILE:vellara-pack> --sheet ${VELLARA_INTERFACE_DIR}/${key}.png ${halo}
    DEPENDS ${interface_tools}/fonts.py ${face} vellara-pack
    COMMENT "Rasterising ${key}"
    VERBATIM)
endfunction()

# Fonts by position: 0 menu, 1 small (version), 2 interface text, 3 best-variant line.
set(interface_outputs)
foreach(font "font_menu|${VELLARA_FACE_LIBERTINE_BOLD}|23|1,0.6" "font_small|${VELLARA_FACE_DEJAVU}|10|"
        "font_text|${VELLARA_FACE_DEJAVU}|15|" "font_variant|${VELLARA_FACE_DEJAVU_CONDENSED}|14|")
  string(REPLACE "|" ";" font "${font}")
  list(GET font 0 key)
  list(GET font 1 face)
  list(GET font 2 size)
  list(GET font 3 halo)
  set(record ${VELLARA_INTERFACE_DIR}/${key}.rec)
  if(halo)
    vellara_font(${key} ${face} ${size} ${record} HALO ${halo})
  else()
    vellara_font(${key} ${face} ${size} ${record})
  endif()
  vellara_content_record(KEY ${key} KIND font FILE ${record} DEPENDS content_interface)
  list(APPEND interface_outputs ${record})
endforeach()

vellara_font(launcher_font ${launcher_face} 11 ${VELLARA_LAUNCHER_FONT})
list(APPEND interface_outputs ${VELLARA_LAUNCHER_FONT})

# Interface images, drawn by interface_art.py with the helpers of art.py.
foreach(image timer button window_1 cursor)
  set(record ${VELLARA_INTERFACE_DIR}/${image}.rec)
  add_custom_command(
    OUTPUT ${record}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLARA_INTERFACE_DIR}
    COMMAND ${VELLARA_CONTENT_PYTHON} -B ${interface_tools}/interface_art.py ${image} ${record}
            --pack $<TARGET_FILE:vellara-pack> --sheet ${VELLARA_INTERFACE_DIR}/${image}.png
    DEPENDS ${interface_tools}/interface_art.py ${interface_tools}/art.py vellara-pack
    COMMENT "Drawing ${image}"
    VERBATIM)
  vellara_content_record(KEY ${image} KIND image FILE ${record} DEPENDS content_interface)
  list(APPEND interface_outputs ${record})
endforeach()

add_custom_target(content_interface ALL DEPENDS ${interface_outputs})
