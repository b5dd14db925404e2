# The product DLL: XLL, COM add-in and automation server in one module.
# Each subsystem contributes an OBJECT library and, for its exports, a
# module-definition fragment; the fragments are joined into one .def so
# that the 32-bit stdcall names are exported undecorated.
set(STOCHAL_DLL_PARTS stochal_xlw stochal_worksheet stochal_win stochal_com_server stochal_automation stochal_settings
  stochal_fill stochal_samplesort stochal_distfill stochal_wizard stochal_addin stochal_resources)
set(STOCHAL_DEF ${CMAKE_BINARY_DIR}/Stochal.def)
set(def_text "LIBRARY Stochal.dll\nEXPORTS\n")
file(GLOB def_fragments CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/*/exports.def)
foreach(fragment ${def_fragments})
  file(READ ${fragment} fragment_text)
  string(APPEND def_text "${fragment_text}")
endforeach()
file(CONFIGURE OUTPUT ${STOCHAL_DEF} CONTENT "${def_text}")

add_library(Stochal SHARED ${STOCHAL_DEF})
set_target_properties(Stochal PROPERTIES PREFIX "" OUTPUT_NAME Stochal)
foreach(part ${STOCHAL_DLL_PARTS})
  if(TARGET ${part})
    target_link_libraries(Stochal PRIVATE ${part})
  endif()
endforeach()
target_link_libraries(Stochal PRIVATE stochal_core stochal_warnings ole32 oleaut32 uuid)
# The .def names are undecorated; let the linker match them to the
# stdcall symbols without a warning for each.
target_link_options(Stochal PRIVATE -Wl,--enable-stdcall-fixup)
