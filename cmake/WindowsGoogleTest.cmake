# GoogleTest for the Windows leg: Debian's googletest source package built for the MinGW
# target (the packaged libraries are for Linux only). Built without the project's warning
# flags, which are not its own.
set(CUSTOVIA_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian's googletest package)")
if(NOT EXISTS ${CUSTOVIA_GOOGLETEST_SOURCE}/CMakeLists.txt)
  message(FATAL_ERROR "GoogleTest sources not found in ${CUSTOVIA_GOOGLETEST_SOURCE} (install googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
get_directory_property(custovia_saved_options COMPILE_OPTIONS)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "")
add_subdirectory(${CUSTOVIA_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
set_directory_properties(PROPERTIES COMPILE_OPTIONS "${custovia_saved_options}")
