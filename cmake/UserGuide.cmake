# The user guide, Guida.pdf, laid out by the build: the builder opens the program's own windows
# offscreen over a scratch folder of sample cards, grabs them, and typesets the guide around
# them; qpdf adds the links and bookmarks Qt's PDF writer cannot make.
find_package(qpdf REQUIRED)
file(GLOB GUIDE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/guide/*.cpp)
add_library(custovia_guide STATIC ${GUIDE_SOURCES})
target_link_libraries(custovia_guide PUBLIC custovia_windows custovia_stand_ins qpdf::libqpdf)
# qpdf without its old smart pointer: std::shared_ptr throughout
target_compile_definitions(custovia_guide PUBLIC POINTERHOLDER_TRANSITION=4)
# the guide's words, built in: the builder reads them from :/guide/Guida.md
qt_add_resources(custovia_guide "guide_text" PREFIX "/guide" BASE ${CMAKE_SOURCE_DIR}/tools/guide
                 FILES ${CMAKE_SOURCE_DIR}/tools/guide/Guida.md)

add_executable(make_user_guide ${CMAKE_SOURCE_DIR}/tools/make_user_guide.cpp)
target_link_libraries(make_user_guide PRIVATE custovia_guide)
add_custom_command(OUTPUT ${PROGRAM_FOLDER}/Guida.pdf
  COMMAND ${CMAKE_COMMAND} -E make_directory ${PROGRAM_FOLDER}
  COMMAND make_user_guide ${PROGRAM_FOLDER}/Guida.pdf
  DEPENDS make_user_guide
  COMMENT "Laying out the user guide")
add_custom_target(user_guide DEPENDS ${PROGRAM_FOLDER}/Guida.pdf)
add_dependencies(custovia user_guide)

# The guide as built: its chapters, bookmarks, links, pictures and pages, read back from the PDF;
# and the reading of the guide's words.
add_executable(test_user_guide ${CMAKE_SOURCE_DIR}/tests/guide/user_guide_test.cpp
               ${CMAKE_SOURCE_DIR}/tests/guide/guide_text_test.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/window_main.cpp
               ${CMAKE_SOURCE_DIR}/tests/support/files.cpp)
target_include_directories(test_user_guide PRIVATE ${CMAKE_SOURCE_DIR}/tests/support)
target_link_libraries(test_user_guide PRIVATE custovia_guide GTest::gtest GTest::gmock)
target_compile_definitions(test_user_guide PRIVATE CUSTOVIA_USER_GUIDE="${PROGRAM_FOLDER}/Guida.pdf")
add_dependencies(test_user_guide user_guide)
add_test(NAME user_guide COMMAND test_user_guide)
set_tests_properties(user_guide PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
