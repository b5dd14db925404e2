# The Random Fill command. Its plain logic (the input rules, the draws and
# the unique walk, the name macro text) builds everywhere and is tested
# natively; the dialog and the writing into Excel go into the DLL.
add_library(stochal_fill_portable STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FillValues.cpp
  ${CMAKE_CURRENT_LIST_DIR}/IntegerText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NameMacro.cpp
  ${CMAKE_CURRENT_LIST_DIR}/UniqueWalk.cpp)
target_include_directories(stochal_fill_portable PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(stochal_fill_portable PUBLIC stochal_core PRIVATE stochal_warnings)

if(WIN32)
  add_library(stochal_fill OBJECT
    ${CMAKE_CURRENT_LIST_DIR}/ExcelNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FillWriter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RandomDialog.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RandomFill.cpp)
  target_include_directories(stochal_fill PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(stochal_fill PUBLIC stochal_fill_portable stochal_commands PRIVATE stochal_warnings)
endif()
