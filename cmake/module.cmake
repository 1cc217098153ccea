# The module's layers, lowest first. Each is an object library on its own folder; the module's shared
# library is their union, with the exported classes visible and everything else hidden. Tests, bench,
# fuzz targets and the demo programs link the same objects (cxc_link_module), so they reach the hidden
# parts too.
cxc_layer(cxcresources resources OBJECT DEPENDS cxcplatform)
cxc_layer(cxcbase base OBJECT DEPENDS cxccompanions cxcresources)
cxc_layer(cxcmaps maps OBJECT DEPENDS cxcbase)
cxc_layer(cxcdrawer drawer OBJECT DEPENDS cxcbase)
cxc_layer(cxcdialogs dialogs OBJECT DEPENDS cxcmaps)
cxc_layer(cxcviewers viewers OBJECT DEPENDS cxcdrawer)
cxc_layer(cxcfacade facade OBJECT DEPENDS cxcdialogs cxcviewers)

set(CXC_MODULE_LAYERS cxcresources cxcbase cxcmaps cxcdrawer cxcdialogs cxcviewers cxcfacade)
set_target_properties(${CXC_MODULE_LAYERS} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)

# Linking an object library directly takes its objects; each layer is named once.
add_library(cxcmap2d SHARED)
target_link_libraries(cxcmap2d PRIVATE ${CXC_MODULE_LAYERS})
target_link_libraries(cxcmap2d PUBLIC cxcplatform cxccompanions)
foreach(layer IN LISTS CXC_MODULE_LAYERS)
  target_include_directories(cxcmap2d INTERFACE $<BUILD_INTERFACE:$<TARGET_PROPERTY:${layer},INTERFACE_INCLUDE_DIRECTORIES>>)
endforeach()

function(cxc_link_module target)
  target_link_libraries(${target} PRIVATE ${CXC_MODULE_LAYERS})
endfunction()
