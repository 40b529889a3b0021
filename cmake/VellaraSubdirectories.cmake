# vellara_add_subdirectories(): adds every direct subfolder that has a CMakeLists.txt, so
# that a new backend, tool, test or benchmark folder needs no edit of its parent.
function(vellara_add_subdirectories)
  file(GLOB children LIST_DIRECTORIES true ${CMAKE_CURRENT_SOURCE_DIR}/*)
  foreach(dir ${children})
    if(IS_DIRECTORY ${dir} AND EXISTS ${dir}/CMakeLists.txt)
      add_subdirectory(${dir})
    endif()
  endforeach()
endfunction()
