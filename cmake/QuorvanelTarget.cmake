# Compile settings shared by every target of our own: strict warnings as errors,
# and the sanitizers when QUORVANEL_SANITIZE is on.
function(quorvanel_target_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wold-style-cast
    -Woverloaded-virtual -Wimplicit-fallthrough -Werror)
  if(QUORVANEL_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# A library of one layer: every .cpp of its folder but those in EXCLUDE, plus
# SOURCES (paths relative to the folder); headers included as "layer/File.h".
function(quorvanel_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS;EXCLUDE;SOURCES" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(excluded ${ARG_EXCLUDE})
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
