# Layering checks: a source of a layer may include a header of the layers below it, and fails to
# build when it includes one of a layer above it. The probes are built by the tests only.
function(cxc_include_probe name layer header)
  add_library(${name} OBJECT EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/cmake/probes/include_probe.cpp)
  target_link_libraries(${name} PRIVATE ${layer})
  target_compile_definitions(${name} PRIVATE CXC_PROBE_HEADER="${header}")
  if(NOT layer STREQUAL "cxccompanions")
    target_compile_definitions(${name} PRIVATE CXC_PROBE_FIRST="stdafx.h")
  endif()
  add_test(NAME layering.${name} COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target ${name})
  # One build of the tree at a time: the probes share its make files.
  set_tests_properties(layering.${name} PROPERTIES LABELS layering RESOURCE_LOCK build-tree)
endfunction()

# Downward: builds.
cxc_include_probe(maps_includes_companions cxcmaps "snscohdata.h")
cxc_include_probe(dialogs_includes_maps cxcdialogs "sensorcore.h")
# Upward: must not build.
cxc_include_probe(maps_includes_dialogs cxcmaps "mapdialogcore.h")
cxc_include_probe(drawer_includes_maps cxcdrawer "sensorcore.h")
cxc_include_probe(companions_includes_data cxccompanions "datafolder.h")
set_tests_properties(layering.maps_includes_dialogs layering.drawer_includes_maps
                     layering.companions_includes_data PROPERTIES WILL_FAIL TRUE)
