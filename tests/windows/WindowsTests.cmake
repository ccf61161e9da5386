# The Windows build's tests (included by tests/CMakeLists.txt): GoogleTest
# built for Windows from the source Debian's googletest package installs
# (libgtest-dev's own libraries are Linux ones), and every program a test
# starts run through Wine (wine-run: a Wine prefix of the build's own).
set(QUORVANEL_TESTS_FOUND FALSE)
if(QUORVANEL_TESTS STREQUAL "OFF" OR NOT QUORVANEL_TESTS)
  return()
endif()
set(googletest /usr/src/googletest)
if(NOT EXISTS ${googletest}/CMakeLists.txt)
  message(FATAL_ERROR "the Windows tests need GoogleTest's source in ${googletest} (scripts/setup windows installs it)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# It names its libraries GTest::gtest, GTest::gtest_main, GTest::gmock itself.
add_subdirectory(${googletest} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
set(QUORVANEL_TESTS_FOUND TRUE)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${PROJECT_BINARY_DIR}/wine)

# Tests of POSIX's own ways, left out of the Windows build until Windows'
# counterparts are written: the settings file's (named pipes, symbolic
# links, the XDG folders) and the program's refusals of /dev files, named
# pipes and links.
set(QUORVANEL_POSIX_ONLY_TESTS platform/SettingsFileTest.cpp app/ProgramTest.cpp)

# The playthroughs reach the same end under Wine as on Linux: compared with
# the build machine's own program (`make windows` builds it natively).
set(QUORVANEL_NATIVE_PROGRAM "" CACHE FILEPATH "The game built for the build machine, to compare runs with")
if(QUORVANEL_NATIVE_PROGRAM)
  foreach(playthrough playthrough playthrough-keys)
    add_test(NAME windows_${playthrough}
      COMMAND ${CMAKE_CURRENT_LIST_DIR}/same-final-state ${QUORVANEL_NATIVE_PROGRAM}
        ${CMAKE_CURRENT_LIST_DIR}/wine-run ${PROJECT_BINARY_DIR}/wine $<TARGET_FILE:quorvanel>
        ${PROJECT_SOURCE_DIR}/docs/${playthrough}.txt)
  endforeach()
endif()
