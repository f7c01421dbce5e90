# The expected bytes of records and exports, kept as files, are read from here.
set_source_files_properties(${CMAKE_SOURCE_DIR}/tests/support/files.cpp PROPERTIES
  COMPILE_DEFINITIONS CUSTOVIA_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")

# The stand-ins for the shell, the camera, the timers and the sound, shared by the window tests
# and the guide's builder.
if(CUSTOVIA_WINDOWS)
  add_library(custovia_stand_ins STATIC ${CMAKE_SOURCE_DIR}/tests/support/stand_ins.cpp)
  target_link_libraries(custovia_stand_ins PUBLIC custovia_windows)
endif()

# One test program per subsystem for the logic, and one per subsystem for its windows.
foreach(dir ${CUSTOVIA_SUBSYSTEMS})
  file(GLOB logic_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/*.cpp)
  if(logic_tests)
    add_executable(test_${dir} ${logic_tests} ${CMAKE_SOURCE_DIR}/tests/support/logic_main.cpp
                   ${CMAKE_SOURCE_DIR}/tests/support/workers.cpp ${CMAKE_SOURCE_DIR}/tests/support/files.cpp)
    target_link_libraries(test_${dir} PRIVATE custovia_logic GTest::gtest GTest::gmock)
    set_target_properties(test_${dir} PROPERTIES AUTOMOC OFF)
    target_compile_definitions(test_${dir} PRIVATE
      CUSTOVIA_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
      CUSTOVIA_TEST_HELPER="$<TARGET_FILE:test_${dir}>")
    add_test(NAME ${dir} COMMAND test_${dir})
  endif()
  if(CUSTOVIA_WINDOWS)
    file(GLOB window_tests CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${dir}/windows/*.cpp)
    if(window_tests)
      add_executable(test_${dir}_windows ${window_tests} ${CMAKE_SOURCE_DIR}/tests/support/window_main.cpp
                     ${CMAKE_SOURCE_DIR}/tests/support/fakes.cpp ${CMAKE_SOURCE_DIR}/tests/support/files.cpp
                     ${CMAKE_SOURCE_DIR}/tests/support/window_helpers.cpp)
      target_include_directories(test_${dir}_windows PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
      target_link_libraries(test_${dir}_windows PRIVATE custovia_windows custovia_stand_ins Qt6::Test GTest::gtest GTest::gmock)
      target_compile_definitions(test_${dir}_windows PRIVATE CUSTOVIA_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
      add_test(NAME ${dir}_windows COMMAND test_${dir}_windows)
      set_tests_properties(${dir}_windows PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    endif()
  endif()
endforeach()

if(CUSTOVIA_WINDOWS)
  # the command tests start the real program, as a script would
  add_dependencies(test_app_windows custovia)
  target_compile_definitions(test_app_windows PRIVATE CUSTOVIA_PROGRAM="$<TARGET_FILE:custovia>")
endif()

# The archive probe reads and searches 10,000 generated cards in a folder named with "ò" and
# "€"; every system must print the same lines (the Windows build runs it under Wine).
add_executable(archive_probe ${CMAKE_SOURCE_DIR}/tools/archive_probe.cpp)
target_link_libraries(archive_probe PRIVATE custovia_logic)
add_test(NAME archive_probe COMMAND archive_probe . ${CMAKE_SOURCE_DIR}/tests/data/archive_probe.txt
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR})
