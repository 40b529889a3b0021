# Music tracks and sound effects, built from the note data and recipes in assets/.
#   ${CMAKE_BINARY_DIR}/bin/title_theme.mp3, main_theme.mp3   beside the game's executable
#   ${CMAKE_BINARY_DIR}/content/sounds/sound_1.wav ... sound_7.wav
#   ${CMAKE_BINARY_DIR}/content/audio_manifest.txt

# Debian's interpreter, where python3-numpy lives (an interpreter earlier on PATH may lack it).
find_program(VELLARA_CONTENT_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
find_program(VELLARA_CONTENT_PYTHON python3 REQUIRED)
execute_process(COMMAND ${VELLARA_CONTENT_PYTHON} -c "import numpy" RESULT_VARIABLE numpy_missing
                OUTPUT_QUIET ERROR_QUIET)
if(numpy_missing)
  message(FATAL_ERROR "${VELLARA_CONTENT_PYTHON} has no numpy: run scripts/bootstrap")
endif()
find_program(VELLARA_FLUIDSYNTH fluidsynth REQUIRED)
find_program(VELLARA_LAME lame REQUIRED)
find_file(VELLARA_SOUNDFONT FluidR3_GM.sf2 PATHS /usr/share/sounds/sf2 /usr/share/soundfonts
          NO_DEFAULT_PATH REQUIRED)

set(audio_tools ${CMAKE_CURRENT_SOURCE_DIR})
set(audio_assets ${PROJECT_SOURCE_DIR}/assets)
set(VELLARA_MUSIC_DIR ${CMAKE_BINARY_DIR}/bin CACHE INTERNAL "Folder of the built music tracks")
set(VELLARA_SOUNDS_DIR ${CMAKE_BINARY_DIR}/content/sounds CACHE INTERNAL "Folder of the built waves")
set(music_work ${CMAKE_BINARY_DIR}/content/music)

set(audio_outputs)
foreach(track title_theme:-1.5 main_theme:-3.0)
  string(REPLACE ":" ";" track ${track})
  list(GET track 0 name)
  list(GET track 1 peak)
  add_custom_command(
    OUTPUT ${VELLARA_MUSIC_DIR}/${name}.mp3
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELLARA_MUSIC_DIR} ${music_work}
    COMMAND ${VELLARA_CONTENT_PYTHON} -B ${audio_tools}/music.py ${audio_assets}/music/${name}.notes
            ${VELLARA_SOUNDFONT} ${VELLARA_MUSIC_DIR}/${name}.mp3 --peak-db ${peak}
            --work ${music_work}
    DEPENDS ${audio_assets}/music/${name}.notes ${audio_tools}/music.py ${audio_tools}/notes.py
            ${audio_tools}/midi.py ${audio_tools}/wavio.py ${VELLARA_SOUNDFONT}
    COMMENT "Rendering ${name}.mp3"
    VERBATIM)
  list(APPEND audio_outputs ${VELLARA_MUSIC_DIR}/${name}.mp3)
endforeach()

set(wave_outputs)
foreach(n RANGE 1 7)
  list(APPEND wave_outputs ${VELLARA_SOUNDS_DIR}/sound_${n}.wav)
endforeach()
add_custom_command(
  OUTPUT ${wave_outputs}
  COMMAND ${VELLARA_CONTENT_PYTHON} -B ${audio_tools}/sounds.py ${audio_assets}/sounds/effects.json
          ${VELLARA_SOUNDS_DIR}
  DEPENDS ${audio_assets}/sounds/effects.json ${audio_tools}/sounds.py ${audio_tools}/wavio.py
  COMMENT "Synthesising the sound effects"
  VERBATIM)
list(APPEND audio_outputs ${wave_outputs})

add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/content/audio_manifest.txt
  COMMAND ${VELLARA_CONTENT_PYTHON} -B ${audio_tools}/audio_manifest.py
          ${CMAKE_BINARY_DIR}/content/audio_manifest.txt ${audio_outputs}
  DEPENDS ${audio_outputs} ${audio_tools}/audio_manifest.py ${audio_tools}/mp3info.py
  VERBATIM)

add_custom_target(content_audio ALL DEPENDS ${CMAKE_BINARY_DIR}/content/audio_manifest.txt)
