# Compile settings shared by every target of our own: strict warnings (errors
# with QUORVANEL_WERROR), and the sanitizers when QUORVANEL_SANITIZE or
# QUORVANEL_FUZZ is on.
function(quorvanel_target_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wimplicit-fallthrough)
  # GCC 12's -Wrestrict misreads std::string's own inlined copies at -O3
  # ("'" + a temporary string), in tests and sources alike (GCC bug 105329,
  # mended in GCC 13): off there, so that a Release build stays quiet.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(QUORVANEL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(QUORVANEL_SANITIZE OR QUORVANEL_FUZZ)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(QUORVANEL_FUZZ)
    # Coverage for libFuzzer in every library; only fuzz targets link its main.
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link)
  endif()
endfunction()

# A library of one layer: every .cpp of its folder but those listed after
# EXCLUDE, plus SOURCES (paths relative to the folder), headers included as
# "layer/File.h". DEPENDS names the layers it uses (scripts/check-layers reads
# these lists).
function(quorvanel_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE;SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded IN LISTS ARG_EXCLUDE)
    list(REMOVE_ITEM sources ${CMAKE_CURRENT_SOURCE_DIR}/${excluded})
  endforeach()
  list(TRANSFORM ARG_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/)
  list(APPEND sources ${ARG_SOURCES})
  add_library(quorvanel_${name} STATIC ${sources})
  target_include_directories(quorvanel_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(quorvanel_${name} PUBLIC ${ARG_DEPENDS})
  quorvanel_target_options(quorvanel_${name})
endfunction()

# A GoogleTest executable registered with ctest under its own name.
function(quorvanel_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;LABELS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPENDS} GTest::gtest GTest::gtest_main)
  quorvanel_target_options(${name})
  add_test(NAME ${name} COMMAND ${name})
  if(ARG_LABELS)
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}")
  endif()
endfunction()

# Looks for the package that an optional PART of the build needs, as the cache
# variable SWITCH asks: AUTO builds the part when the package is found, ON
# requires it (a clear error when it is missing), OFF leaves the part out.
# Sets SWITCH_FOUND in the caller's scope.
macro(quorvanel_find_optional switch package description part)
  set(${switch}_FOUND FALSE)
  if(${switch} STREQUAL "AUTO" OR ${switch})
    find_package(${package} QUIET)
    if(${package}_FOUND)
      set(${switch}_FOUND TRUE)
    elseif(${switch} STREQUAL "AUTO")
      message(STATUS "${description} not found: ${part} are not built (scripts/setup test installs it)")
    else()
      message(FATAL_ERROR "${switch}=ON: ${part} need ${description}, which is not installed "
        "(scripts/setup test installs it)")
    endif()
  endif()
endmacro()
