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

# Windows' own ways (tests/windows/*.cpp): what the program's manifest
# changes, seen in a test program that links the program's resources (its
# narrow strings are UTF-8 too), what the program carries, where it keeps
# the user's files, and the program started as a user would.
file(GLOB windows_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
quorvanel_test(windows_tests SOURCES ${windows_sources} DEPENDS quorvanel_platform quorvanel_resources)
target_include_directories(windows_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
# The version's resource is read through version.dll.
target_link_libraries(windows_tests PRIVATE version)
add_dependencies(windows_tests quorvanel catalogs)
target_compile_definitions(windows_tests PRIVATE QUORVANEL_PROGRAM="$<TARGET_FILE:quorvanel>"
  QUORVANEL_VERSION="${PROJECT_VERSION}")
# The GUI program's lines in the console it is started from: the test in a
# terminal of its own (script(1)), where Wine gives it a console; told so,
# it fails rather than skips without one.
add_test(NAME windows_console COMMAND script -qec
  "QUORVANEL_TEST_IN_TERMINAL=1 ${CMAKE_CURRENT_LIST_DIR}/wine-run ${PROJECT_BINARY_DIR}/wine $<TARGET_FILE:windows_tests> --gtest_filter=ProgramOnWindowsTest.StartedFromAConsoleItPrintsIntoIt"
  /dev/null)
# A font that plays a Chinese font of Windows' own for the fallback's test.
set(QUORVANEL_STAND_IN_FONT /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf CACHE FILEPATH
  "A font with characters AR PL UMing lacks (Debian: fonts-dejavu-core)")
target_compile_definitions(windows_tests PRIVATE QUORVANEL_STAND_IN_FONT="${QUORVANEL_STAND_IN_FONT}")

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
# The player's pictures and settings, on a screen that holds the window at
# twice its size.
add_test(NAME windows_desktop
  COMMAND xvfb-run -a -s "-screen 0 2000x1200x24 -nolisten tcp -noreset"
    ${here}/desktop-check ${wine_run} ${PROJECT_BINARY_DIR}/wine-desktop $<TARGET_FILE:quorvanel>)
# Two xvfb-run -a starting at once can pick the same display.
set_tests_properties(windows_installer windows_window windows_desktop PROPERTIES TIMEOUT 300
  RESOURCE_LOCK xvfb_run)
