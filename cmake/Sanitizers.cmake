if(GW_SANITIZE)
  # Applies to every target, QCustomPlot included, so mismatched
  # instrumentation across the link cannot hide a fault. GCC's "undefined"
  # leaves out float-cast-overflow: a number too large for the integer it is
  # converted to must fail a test too.
  add_compile_options(-fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=undefined,float-cast-overflow
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined,float-cast-overflow)
endif()

if(GW_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "GW_FUZZ needs clang (configure with CXX=clang++)")
  endif()
  # Coverage for the fuzzer in every library; the engine itself is linked
  # into the fuzz targets only (-fsanitize=fuzzer there).
  add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
