# Compiler warnings and sanitizers applied to every target of ours.
add_library(vantix_options INTERFACE)
target_compile_options(vantix_options INTERFACE -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
  -Wnon-virtual-dtor -Wcast-align -Woverloaded-virtual -Wimplicit-fallthrough)
if(VANTIX_WERROR)
  target_compile_options(vantix_options INTERFACE -Werror)
endif()
if(VANTIX_SANITIZE)
  target_compile_options(vantix_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined)
  target_link_options(vantix_options INTERFACE -fsanitize=address,undefined)
endif()
target_include_directories(vantix_options INTERFACE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
if(VANTIX_FUZZ)
  # Coverage instrumentation for every library, so libFuzzer sees inside the parsers.
  target_compile_options(vantix_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(vantix_options INTERFACE -fsanitize=address,undefined)
endif()
