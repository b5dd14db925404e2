# The "Fill from &Distribution..." command. Its plain logic (the value
# text, the block plan, the progress rules) joins the commands' portable
# library and is tested natively; the job against Excel, the outputs and
# the progress window go into the DLL.
target_sources(stochal_commands_portable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/BlockPlan.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressSchedule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgressTracker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueLines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ValueText.cpp)
target_link_libraries(stochal_commands_portable PUBLIC stochal_core)

if(WIN32)
  # The outputs and the job build without the wizard, so they can be driven
  # on their own; the command itself needs the wizard.
  add_library(stochal_distfill_outputs OBJECT
    ${CMAKE_CURRENT_LIST_DIR}/DistFillWrapper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ExcelOutputs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FillOutputs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GenerateProgressDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GenerateWrapper.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SystemError.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TextOutputs.cpp)
  target_include_directories(stochal_distfill_outputs PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(stochal_distfill_outputs PUBLIC stochal_commands_portable stochal_commands stochal_settings comctl32 PRIVATE stochal_warnings)
  if(EXISTS ${CMAKE_SOURCE_DIR}/chooser/DistChooserWizard.h)
    add_library(stochal_distfill OBJECT ${CMAKE_CURRENT_LIST_DIR}/DistributionFill.cpp)
    target_include_directories(stochal_distfill PUBLIC ${CMAKE_SOURCE_DIR})
    target_link_libraries(stochal_distfill PUBLIC stochal_distfill_outputs stochal_chooser PRIVATE stochal_warnings)
  endif()
endif()
