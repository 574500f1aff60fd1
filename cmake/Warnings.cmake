add_library(inkharbor-options INTERFACE)
target_compile_options(inkharbor-options INTERFACE
  -Wall -Wextra -Wpedantic -Werror -Wshadow -Wnon-virtual-dtor -Wold-style-cast
  -Wcast-align -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough)
target_compile_definitions(inkharbor-options INTERFACE
  QT_NO_KEYWORDS QT_NO_CAST_FROM_ASCII QT_NO_URL_CAST_FROM_STRING QT_USE_QSTRINGBUILDER
  QT_NO_FOREACH)
# Relocations read-only and resolved at start, as Debian builds its programs.
target_link_options(inkharbor-options INTERFACE -Wl,-z,relro -Wl,-z,now)
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  # GCC warns about Qt's own inline code when optimising; the check is clang's job.
  target_compile_options(inkharbor-options INTERFACE -Wno-null-dereference)
endif()
if(INKHARBOR_SANITIZE)
  target_compile_options(inkharbor-options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(inkharbor-options INTERFACE -fsanitize=address,undefined)
endif()
if(INKHARBOR_FUZZ)
  # Coverage feedback for libFuzzer in every library; only the fuzz targets
  # link libFuzzer itself (fuzz/CMakeLists.txt).
  target_compile_options(inkharbor-options INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
    -fno-omit-frame-pointer
    # clang 14 cannot emit the function-type check together with the coverage
    # tables for some inline code ("Cannot represent a difference across sections").
    -fno-sanitize=function)
  target_link_options(inkharbor-options INTERFACE -fsanitize=address,undefined)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()
