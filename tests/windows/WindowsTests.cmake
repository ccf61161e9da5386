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
if(NOT QUORVANEL_NATIVE_PROGRAM)
  return()
endif()
set(here ${CMAKE_CURRENT_LIST_DIR})
set(wine_run ${here}/wine-run)
set(native ${QUORVANEL_NATIVE_PROGRAM})
foreach(playthrough playthrough playthrough-keys)
  add_test(NAME windows_${playthrough}
    COMMAND ${here}/same-final-state ${native} ${wine_run} ${PROJECT_BINARY_DIR}/wine $<TARGET_FILE:quorvanel>
      ${PROJECT_SOURCE_DIR}/docs/${playthrough}.txt)
endforeach()
add_test(NAME windows_screenshots
  COMMAND ${here}/same-screenshots ${PROJECT_SOURCE_DIR} ${native} ${wine_run} ${PROJECT_BINARY_DIR}/wine
    $<TARGET_FILE:quorvanel>)
# The downloads (packaging/windows), each as a player would take it.
add_test(NAME windows_zip
  COMMAND ${here}/zip-check ${wine_run} ${PROJECT_BINARY_DIR}/wine ${QUORVANEL_WINDOWS_ZIP} ${native}
    ${PROJECT_SOURCE_DIR}/docs/playthrough.txt)
# Starting a Start Menu entry takes Wine's desktop, and so an X display.
set(display xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp -noreset")
add_test(NAME windows_installer
  COMMAND ${display} ${here}/installer-check ${wine_run} ${PROJECT_BINARY_DIR}/wine-installer ${QUORVANEL_WINDOWS_SETUP}
    ${native})
# A real window.
add_test(NAME windows_window
  COMMAND ${display}
    ${here}/window-check ${wine_run} ${PROJECT_BINARY_DIR}/wine-window $<TARGET_FILE:quorvanel>)
# Two xvfb-run -a starting at once can pick the same display.
set_tests_properties(windows_installer windows_window PROPERTIES TIMEOUT 300 RESOURCE_LOCK xvfb_run)
