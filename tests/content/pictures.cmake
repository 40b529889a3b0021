# Picture tests: the built archive through the game's loader (headless, on the recording
# renderer), and the launcher picture and program icon decoded.
add_executable(content_pictures_tests pictures_test.cpp)
target_include_directories(content_pictures_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/gfx)
target_link_libraries(content_pictures_tests PRIVATE vellara_gfx vellara_ui_core GTest::gtest
                      GTest::gtest_main)
target_compile_definitions(content_pictures_tests PRIVATE
                           VELLARA_CONTENT_DIR="${VELLARA_CONTENT_DIR}")
add_dependencies(content_pictures_tests content)
vellara_warnings(content_pictures_tests)
gtest_discover_tests(content_pictures_tests TEST_PREFIX content_pictures. PROPERTIES LABELS content)

add_test(NAME content_pictures_files
         COMMAND ${VELLARA_CONTENT_PYTHON} -B ${CMAKE_CURRENT_SOURCE_DIR}/test_pictures.py
                 --content ${CMAKE_BINARY_DIR}/content --geometry-tool $<TARGET_FILE:vellara-geometry>
                 --tools ${PROJECT_SOURCE_DIR}/tools/content/pictures)
set_tests_properties(content_pictures_files PROPERTIES LABELS content)
