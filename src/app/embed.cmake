# vellara_embed_program_files(): the step that writes the program's built-in files into
# ${VELLARA_EMBEDDED_CPP}. Runs at the end of the top-level folder, when the content
# targets exist; a file whose content target is not part of the build is embedded empty
# (the launcher then shows a plain silver window, the scene window no icon).
function(vellara_embed_program_files)
  set(content ${CMAKE_BINARY_DIR}/content)
  set(args)
  set(files)
  set(targets)
  if(TARGET content_pictures)
    list(APPEND args launcher.jpg=${content}/launcher.jpg icon.png=${content}/icon.png)
    list(APPEND files ${content}/launcher.jpg ${content}/icon.png)
    list(APPEND targets content_pictures)
  else()
    list(APPEND args launcher.jpg= icon.png=)
  endif()
  if(TARGET content_interface)
    list(APPEND args launcher_font.rec=${content}/launcher_font.rec)
    list(APPEND files ${content}/launcher_font.rec)
    list(APPEND targets content_interface)
  else()
    list(APPEND args launcher_font.rec=)
  endif()
  add_custom_command(
    OUTPUT ${VELLARA_EMBEDDED_CPP}
    COMMAND vellara_file_embed ${VELLARA_EMBEDDED_CPP} ${args}
    DEPENDS vellara_file_embed ${files}
    COMMENT "Embedding the launcher's picture and font and the program icon"
    VERBATIM)
  add_custom_target(vellara_embedded_files DEPENDS ${VELLARA_EMBEDDED_CPP})
  if(targets)
    add_dependencies(vellara_embedded_files ${targets})
  endif()
  add_dependencies(vellara-chess vellara_embedded_files)
  if(TARGET vellara-chess-e2e)
    add_dependencies(vellara-chess-e2e vellara_embedded_files)
  endif()
endfunction()
