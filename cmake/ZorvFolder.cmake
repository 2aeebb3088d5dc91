# One static library per folder of the program, linking only the folders below it, so that the
# link graph shows the layers: core <- serial, protocol, params, firmware, monitor, files <- router
# <- Qt shell <- mains. An upward include is caught by scripts/check-layers.sh; a symbol taken from
# a folder that is not below fails to link.
#
# zorv_folder(NAME [DIR folder] [SOURCES glob...] [DEPENDS folder...] [LIBS target...])
#   Builds zorv_NAME from DIR's *.cpp (DIR defaults to NAME), leaving out the Qt shell (qt_*) and
#   the program entry points (main_*) unless SOURCES names the files. DEPENDS are folder names
#   (zorv_<folder>), LIBS other targets.

get_filename_component(ZORV_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

function(zorv_folder name)
  cmake_parse_arguments(Z "" "DIR" "SOURCES;DEPENDS;LIBS" ${ARGN})
  if(NOT Z_DIR)
    set(Z_DIR ${name})
  endif()
  set(_sources)
  if(Z_SOURCES)
    foreach(pattern ${Z_SOURCES})
      file(GLOB _found CONFIGURE_DEPENDS "${ZORV_ROOT}/${pattern}")
      list(APPEND _sources ${_found})
    endforeach()
  else()
    file(GLOB _sources CONFIGURE_DEPENDS "${ZORV_ROOT}/${Z_DIR}/*.cpp")
    list(FILTER _sources EXCLUDE REGEX "/(qt|main)_[^/]*\\.cpp$")
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

# The folders without Qt, in layer order, then the simulated controller and the test support
# (fakes built on the in-memory window, FakeClock, the harness) that tests, benchmarks and fuzz targets share.
set(ZORV_HANDLER_FOLDERS serial protocol params firmware monitor files)

macro(zorv_pure_folders)
  zorv_folder(core)
  foreach(folder ${ZORV_HANDLER_FOLDERS})
    zorv_folder(${folder} DEPENDS core)
  endforeach()
  zorv_folder(router DIR app SOURCES "app/router*.cpp" DEPENDS ${ZORV_HANDLER_FOLDERS})
  # The command-line shell: the same router with an in-memory window. No Qt.
  zorv_folder(ctl DEPENDS router)
  zorv_folder(sim DEPENDS core serial)
  zorv_folder(test_support DIR tests/support DEPENDS ctl sim)
endmacro()
