# Sources of a folder, picked up as files are added (no list to keep in step).
function(cxc_sources out)
  set(all)
  foreach(dir IN LISTS ARGN)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND all ${found})
  endforeach()
  set(${out} ${all} PARENT_SCOPE)
endfunction()

# cxc_layer(TARGET FOLDER KIND [DEPENDS lower targets...]): one layer of the module, built from the
# sources of its folder. It exports its own folder and links only the layers below it, so an include
# that reaches upward names a header that is not on the compiler's path and fails to build.
function(cxc_layer target folder kind)
  cmake_parse_arguments(L "" "" "DEPENDS" ${ARGN})
  cxc_sources(srcs ${folder})
  if(kind STREQUAL "INTERFACE")
    add_library(${target} INTERFACE)
    target_include_directories(${target} INTERFACE $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/${folder}>)
    target_link_libraries(${target} INTERFACE ${L_DEPENDS})
    return()
  endif()
  if(NOT srcs)
    message(FATAL_ERROR "layer ${target}: no sources in ${folder}/")
  endif()
  add_library(${target} ${kind} ${srcs})
  target_include_directories(${target} PUBLIC $<BUILD_INTERFACE:${CMAKE_SOURCE_DIR}/${folder}>)
  target_link_libraries(${target} PUBLIC ${L_DEPENDS})
endfunction()
