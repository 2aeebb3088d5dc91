# One static library per folder of the program, linking only the folders below it: a folder is
# one layer, and the link graph shows the layers:
#   core <- serial, protocol, params, firmware, monitor, files <- router <- gui, ctl, qtsys <- programs
# An include that points up or sideways is caught by scripts/check-layers.sh; a symbol taken from
# a folder that is not below fails to link.
#
# zorv_folder(NAME [DIR folder] [EXCLUDE regex] [DEPENDS folder...] [LIBS target...])
#   Builds zorv_NAME from DIR's *.cpp (DIR defaults to NAME), leaving out the paths EXCLUDE matches.
#   DEPENDS are folder names (zorv_<folder>), LIBS other targets.

get_filename_component(ZORV_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

function(zorv_folder name)
  cmake_parse_arguments(Z "" "DIR;EXCLUDE" "DEPENDS;LIBS" ${ARGN})
  if(NOT Z_DIR)
    set(Z_DIR ${name})
  endif()
  file(GLOB _sources CONFIGURE_DEPENDS "${ZORV_ROOT}/${Z_DIR}/*.cpp" "${ZORV_ROOT}/${Z_DIR}/*.h")
  if(Z_EXCLUDE)
    list(FILTER _sources EXCLUDE REGEX "${Z_EXCLUDE}")
  endif()
  add_library(zorv_${name} STATIC ${_sources})
  target_include_directories(zorv_${name} PUBLIC "${ZORV_ROOT}")
  foreach(dep ${Z_DEPENDS})
    target_link_libraries(zorv_${name} PUBLIC zorv_${dep})
  endforeach()
  if(Z_LIBS)
    target_link_libraries(zorv_${name} PUBLIC ${Z_LIBS})
  endif()
endfunction()

# The handler folders: each stands on core/ alone.
set(ZORV_HANDLER_FOLDERS serial protocol params firmware monitor files)

# Every folder of the program but programs/ (the mains, built in CMakeLists.txt), in layer order,
# then the simulated controller and the test support (fakes built on the in-memory window,
# FakeClock, the harness) that tests, benchmarks and fuzz targets share. The Qt folders (gui/,
# qtsys/) are left out where Qt is not wanted: zorv_qt_folders adds them.
macro(zorv_pure_folders)
  zorv_folder(core)
  foreach(folder ${ZORV_HANDLER_FOLDERS})
    zorv_folder(${folder} DEPENDS core)
  endforeach()
  # The window's behaviour above the handlers, and the in-memory window. No Qt.
  zorv_folder(router DEPENDS ${ZORV_HANDLER_FOLDERS})
  # The command-line shell: the same router with an in-memory window. No Qt.
  zorv_folder(ctl DEPENDS router)
  zorv_folder(sim DEPENDS core serial)
  # Its Qt part (qt_*) and the test program's main (gtest_main.cpp) go into the test binary only.
  zorv_folder(test_support DIR tests/support EXCLUDE "/(qt_[^/]*|gtest_main\\.cpp)$" DEPENDS ctl sim)
endmacro()

macro(zorv_qt_folders)
  # Qt Core and Qt SerialPort only: the serial port, signals, the command-line event pump.
  zorv_folder(qtsys DEPENDS core serial LIBS Qt6::Core Qt6::SerialPort)
  # The Qt window and everything it shows.
  zorv_folder(gui DEPENDS router LIBS Qt6::Widgets Qt6::Network Qt6::Charts)
endmacro()
