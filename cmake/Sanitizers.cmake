if(GW_SANITIZE)
  # Applies to every target, QCustomPlot included, so mismatched
  # instrumentation across the link cannot hide a fault.
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
