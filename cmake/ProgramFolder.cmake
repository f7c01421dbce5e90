# The program folder: the executable and its delivered files, side by side.
set(PROGRAM_FOLDER ${CMAKE_BINARY_DIR}/Custovia)
set_target_properties(custovia PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROGRAM_FOLDER})

add_executable(lay_out_folder ${CMAKE_SOURCE_DIR}/tools/lay_out_folder.cpp)
target_link_libraries(lay_out_folder PRIVATE custovia_logic)

add_custom_command(TARGET custovia POST_BUILD
  COMMAND lay_out_folder ${PROGRAM_FOLDER}
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/delivered/Avviso.mp3 ${PROGRAM_FOLDER}/Avviso.mp3
  COMMENT "Laying out the program folder")
add_dependencies(custovia lay_out_folder)

include(${CMAKE_SOURCE_DIR}/cmake/UserGuide.cmake)
