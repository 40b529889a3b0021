# Fonts and interface images of the content build: loaded from the built archive through
# the game's loader, and every text of the tables measured where the scene draws it.
add_executable(content_interface_tests interface_test.cpp)
target_link_libraries(content_interface_tests PRIVATE vellara_gfx vellara_ui_core vellara_engine
                      GTest::gtest GTest::gtest_main)
target_include_directories(content_interface_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests/gfx)
target_compile_definitions(content_interface_tests
                           PRIVATE VELLARA_CONTENT_DIR="${VELLARA_CONTENT_DIR}")
add_dependencies(content_interface_tests content)
vellara_warnings(content_interface_tests)
gtest_discover_tests(content_interface_tests PROPERTIES LABELS content)
