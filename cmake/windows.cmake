# windows.cmake -- the Windows build: everything that needs no SDL (the store on the registry, the platform
# backends, tavrin-reg.exe) with its tests, cross-built by MinGW-w64 and run under Wine by ctest.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(WARNING "No Wine found: the Windows tests are built but cannot run here.")
endif()

# Programs, the store DLL and the tests share one folder, so that each finds the DLL beside itself.
set(TAVRIN_RUN_DIR ${CMAKE_BINARY_DIR}/run)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_RUN_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${TAVRIN_RUN_DIR})
# The store DLL is named as the program links it, without MinGW's "lib" prefix.
set(CMAKE_SHARED_LIBRARY_PREFIX "")

# The code of the shell that the Windows build can hold: the log writer, the settings and the backends.
add_library(tavrin_core STATIC ${CMAKE_SOURCE_DIR}/source/shell/log.cpp)
target_include_directories(tavrin_core PUBLIC ${CMAKE_SOURCE_DIR}/source ${CMAKE_SOURCE_DIR}/include)
target_link_libraries(tavrin_core PUBLIC advapi32 shell32 user32)
add_subdirectory(source/platform)
add_subdirectory(source/store)
add_subdirectory(tools/tavrin-reg)

if(NOT TAVRIN_TESTS)
  return()
endif()
enable_testing()

# GoogleTest from the sources Debian ships; its own tests and GoogleMock are not needed.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# tavrin_test(NAME source...): as in the Linux build; every case becomes a ctest test run under Wine.
function(tavrin_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tavrin_core GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TAVRIN_RUN_DIR="${TAVRIN_RUN_DIR}" TAVRIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    TAVRIN_TEST_BIN_DIR="${TAVRIN_RUN_DIR}")
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${TAVRIN_RUN_DIR}
    DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 300)
endfunction()

add_subdirectory(tests/store)
add_subdirectory(tests/windows)
