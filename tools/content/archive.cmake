# The game's archive and description, packed from the records that the other content files
# register:
#   ${VELLARA_CONTENT_DIR}/vellara.dat   every record compressed, encrypted ("qzvk"), MD5-checked
#   ${VELLARA_CONTENT_DIR}/vellara.def   root "vellara", group "Content", one element per record
#
# A content file registers each record, in the order the game loads them (fonts by position):
#   vellara_content_record(KEY ground KIND image FILE ${dir}/ground.rec
#                          [QUALITY high] [ALPHALEVEL none] [DEPENDS target-or-file...])
# KIND is "image" (record type 1) or "font" (record type 3). FILE is a build output whose
# custom command lives in this folder's scope (the content .cmake files are included here).
# Once every content file is included, vellara_content_pack() adds the packing step, the
# review outputs (content/contact_sheet.png, content/manifest.txt with the audio manifest
# appended) and the target "content" (ALL), which the game's build depends on.

set(VELLARA_CONTENT_DIR ${CMAKE_BINARY_DIR}/bin CACHE INTERNAL
    "Folder of vellara.dat and vellara.def, beside the game's executable")
# Renders that do not depend on the build kind (pictures, music) may be kept in a folder that
# several build trees share, so that the sanitizer builds do not render them again.
set(VELLARA_CONTENT_CACHE ${CMAKE_BINARY_DIR}/content/cache CACHE PATH
    "Folder for renders shared between build trees")
set_property(GLOBAL PROPERTY VELLARA_CONTENT_RECORDS)
set_property(GLOBAL PROPERTY VELLARA_CONTENT_DEPENDS)

function(vellara_content_record)
  cmake_parse_arguments(R "" "KEY;KIND;FILE;QUALITY;ALPHALEVEL" "DEPENDS" ${ARGN})
  if(NOT R_KEY OR NOT R_FILE OR NOT R_KIND MATCHES "^(image|font)$")
    message(FATAL_ERROR "vellara_content_record: want KEY, KIND image|font and FILE")
  endif()
  if(NOT R_QUALITY)
    set(R_QUALITY high)
  endif()
  if(NOT R_ALPHALEVEL)
    set(R_ALPHALEVEL full)
  endif()
  set_property(GLOBAL APPEND PROPERTY VELLARA_CONTENT_RECORDS
               "${R_KEY} ${R_KIND} ${R_QUALITY} ${R_ALPHALEVEL} ${R_FILE}")
  set_property(GLOBAL APPEND PROPERTY VELLARA_CONTENT_DEPENDS ${R_FILE} ${R_DEPENDS})
endfunction()

function(vellara_content_pack)
  get_property(records GLOBAL PROPERTY VELLARA_CONTENT_RECORDS)
  get_property(depends GLOBAL PROPERTY VELLARA_CONTENT_DEPENDS)
  set(list_file ${CMAKE_BINARY_DIR}/content/records.txt)
  list(JOIN records "\n" lines)
  # Written only when it changes, so that a reconfigure does not repack.
  file(GENERATE OUTPUT ${list_file} CONTENT "${lines}\n")
  add_custom_command(
    OUTPUT ${VELLARA_CONTENT_DIR}/vellara.dat ${VELLARA_CONTENT_DIR}/vellara.def
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLARA_CONTENT_DIR}
    COMMAND ${VELLARA_CONTENT_PYTHON} -B ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/pack_content.py
            ${list_file} ${VELLARA_CONTENT_DIR} $<TARGET_FILE:vellara-pack>
    DEPENDS ${list_file} ${depends} vellara-pack ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/pack_content.py
    COMMENT "Packing vellara.dat and vellara.def"
    VERBATIM)
  # Review outputs, from the same records list, right after packing.
  set(review ${CMAKE_BINARY_DIR}/content/contact_sheet.png ${CMAKE_BINARY_DIR}/content/manifest.txt)
  set(audio_manifest ${CMAKE_BINARY_DIR}/content/audio_manifest.txt)
  add_custom_command(
    OUTPUT ${review}
    COMMAND ${VELLARA_CONTENT_PYTHON} -B ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/review.py
            ${list_file} ${review} ${audio_manifest}
    DEPENDS ${VELLARA_CONTENT_DIR}/vellara.dat ${list_file} ${depends} ${audio_manifest}
            ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/review.py
    COMMENT "Writing the contact sheet and the manifest"
    VERBATIM)
  add_custom_target(content ALL DEPENDS ${VELLARA_CONTENT_DIR}/vellara.dat ${review})
endfunction()
