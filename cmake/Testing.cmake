# arith_add_test(<name> SOURCES <files...> LIBS <targets...> [WINDOWS] [TIMEOUT <seconds>])
#
# One test executable per unit, registered with CTest. Every test runs on Qt's offscreen platform.
# A WINDOWS test runs a second time as <name>_x11 on the real X11 platform, on a private virtual X
# server with a window manager, where X11's key bindings, selections, middle-click paste and window
# frames behave as on a person's desktop.
function(arith_add_test name)
  cmake_parse_arguments(T "WINDOWS" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 300)
  endif()
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE Qt6::Test test_support ${T_LIBS})
  # A unit's fixtures lie in fixtures/ beside its source.
  list(GET T_SOURCES 0 first_source)
  get_filename_component(source_dir "${first_source}" ABSOLUTE)
  get_filename_component(source_dir "${source_dir}" DIRECTORY)
  target_compile_definitions(${name} PRIVATE FIXTURES_DIR="${source_dir}/fixtures")

  set(common_env
    "QT_QPA_FONTDIR=/usr/share/fonts"
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT ${T_TIMEOUT}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${common_env}")

  if(T_WINDOWS)
    add_test(NAME ${name}_x11
      COMMAND ${PROJECT_SOURCE_DIR}/tests/support/run-x11 $<TARGET_FILE:${name}>)
    set_tests_properties(${name}_x11 PROPERTIES TIMEOUT ${T_TIMEOUT} LABELS x11
      ENVIRONMENT "QT_QPA_PLATFORM=xcb;${common_env}")
  endif()
endfunction()

# arith_add_dark_twin(<name>): runs the test <name> once more, offscreen, as <name>_dark under a
# dark desktop colour scheme (qt6ct's "darker", as a dark Plasma, Deepin or GNOME desktop gives Qt
# programs).
function(arith_add_dark_twin name)
  set(config_home ${CMAKE_CURRENT_BINARY_DIR}/dark-theme)
  file(WRITE ${config_home}/qt6ct/qt6ct.conf
    "[Appearance]\ncolor_scheme_path=/usr/share/qt6ct/colors/darker.conf\ncustom_palette=true\nstyle=Fusion\n"
    # The desktop font of the offscreen platform, so only the colours differ.
    "[Fonts]\ngeneral=\"Liberation Sans,9,-1,5,400,0,0,0,0,0,0,0,0,0,0,1\"\n")
  add_test(NAME ${name}_dark COMMAND ${name})
  set_tests_properties(${name}_dark PROPERTIES TIMEOUT 300 LABELS dark
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_PLATFORMTHEME=qt6ct;XDG_CONFIG_HOME=${config_home};QT_QPA_FONTDIR=/usr/share/fonts;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0")
endfunction()
