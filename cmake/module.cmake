# The module: facade, drawer, map views, dialogs, viewers and resources. Built once as objects, then
# as the shared library (exported classes visible, everything else hidden); tests link the objects.
cxc_sources(CXC_MODULE_SOURCES facade drawer maps dialogs viewers resources)
if(CXC_MODULE_SOURCES)
  add_library(cxcmap2d_obj OBJECT ${CXC_MODULE_SOURCES})
  target_include_directories(cxcmap2d_obj PUBLIC
    ${CMAKE_SOURCE_DIR}/facade ${CMAKE_SOURCE_DIR}/drawer ${CMAKE_SOURCE_DIR}/maps
    ${CMAKE_SOURCE_DIR}/dialogs ${CMAKE_SOURCE_DIR}/viewers ${CMAKE_SOURCE_DIR}/resources)
  set_target_properties(cxcmap2d_obj PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(cxcmap2d_obj PUBLIC cxcplatform)
  if(TARGET cxccompanions)
    target_link_libraries(cxcmap2d_obj PUBLIC cxccompanions)
  endif()
  add_library(cxcmap2d SHARED $<TARGET_OBJECTS:cxcmap2d_obj>)
  target_link_libraries(cxcmap2d PUBLIC cxcplatform)
  if(TARGET cxccompanions)
    target_link_libraries(cxcmap2d PUBLIC cxccompanions)
  endif()
  target_include_directories(cxcmap2d PUBLIC
    ${CMAKE_SOURCE_DIR}/facade ${CMAKE_SOURCE_DIR}/drawer ${CMAKE_SOURCE_DIR}/maps
    ${CMAKE_SOURCE_DIR}/dialogs ${CMAKE_SOURCE_DIR}/viewers ${CMAKE_SOURCE_DIR}/resources)
endif()
