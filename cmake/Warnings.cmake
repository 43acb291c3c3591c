# The warning flags of every target in one place: the game, its tools, tests, benchmarks and
# fuzz targets link glimmerfir_warnings. Warnings are errors so a new one fails the build where
# it appears; GLIMMERFIR_WERROR=OFF keeps them as warnings (a newer compiler finding more).
option(GLIMMERFIR_WERROR "Treat compiler warnings as errors" ON)

add_library(glimmerfir_warnings INTERFACE)
target_compile_options(glimmerfir_warnings INTERFACE
  -Wall -Wextra -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wsuggest-override
  $<$<BOOL:${GLIMMERFIR_WERROR}>:-Werror>)

# g++ 12 at -O2 reports overlapping copies inside std::string's own operator+ (a fault of that
# release, fixed in 13); the finding is about the library's inlined code, never ours.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(glimmerfir_warnings INTERFACE -Wno-restrict)
endif()
