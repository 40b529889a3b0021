# Applies VELLARA_SANITIZE to everything built below, third-party test mains included.
if(VELLARA_SANITIZE)
  list(JOIN VELLARA_SANITIZE "," sanitizers)
  add_compile_options(-fsanitize=${sanitizers} -fno-omit-frame-pointer -fno-sanitize-recover=all -g)
  add_link_options(-fsanitize=${sanitizers})
endif()
