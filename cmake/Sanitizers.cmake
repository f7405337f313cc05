if(GW_SANITIZE)
  # Applies to every target, QCustomPlot included, so mismatched
  # instrumentation across the link cannot hide a fault. GCC's "undefined"
  # leaves out float-cast-overflow: a number too large for the integer it is
  # converted to must fail a test too.
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()
