# Music and sound effect tests: the pipeline's own pieces, the built waves and the built
# tracks (decoded with mpg123).
find_program(VELLARA_MPG123 mpg123 REQUIRED)
set(audio_test ${VELLARA_CONTENT_PYTHON} -B ${CMAKE_CURRENT_SOURCE_DIR}/test_audio.py
    --tools ${PROJECT_SOURCE_DIR}/tools/content --assets ${PROJECT_SOURCE_DIR}/assets
    --music ${VELLARA_MUSIC_DIR} --sounds ${VELLARA_SOUNDS_DIR} --mpg123 ${VELLARA_MPG123})
foreach(group Pipeline Waves Music)
  string(TOLOWER ${group} lower)
  add_test(NAME content_audio_${lower} COMMAND ${audio_test} ${group}Test)
  set_tests_properties(content_audio_${lower} PROPERTIES LABELS content)
endforeach()
