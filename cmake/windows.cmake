# windows.cmake -- the Windows build, cross-built by MinGW-w64: with the SDL prefix of scripts/windows-deps
# the whole program (tavrin.exe, the game DLLs, the store DLL, tavrin-reg.exe, tavrin-report.exe and the SDL
# family's DLLs in run/, beside g/, g1/, snd/ and the libraries' licences); without it only what needs no SDL.
# The tests land in tests/ and run under Wine through ctest.
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  message(WARNING "No Wine found: the Windows tests are built but cannot run here.")
endif()
set(TAVRIN_WINDOWS_DEPS "" CACHE PATH "The SDL 1.2 prefix made by scripts/windows-deps (empty: no SDL)")

# run/ is the folder a Windows user receives: the program, its DLLs and its run-time files, nothing else.
set(TAVRIN_RUN_DIR ${CMAKE_BINARY_DIR}/run)
set(TAVRIN_TEST_DIR ${CMAKE_BINARY_DIR}/tests)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_RUN_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${TAVRIN_RUN_DIR})
# DLLs are named as the program loads them, without MinGW's "lib" prefix.
set(CMAKE_SHARED_LIBRARY_PREFIX "")
set(CMAKE_SHARED_MODULE_PREFIX "")

if(TAVRIN_WINDOWS_DEPS)
  if(NOT EXISTS ${TAVRIN_WINDOWS_DEPS}/.complete)
    message(FATAL_ERROR "${TAVRIN_WINDOWS_DEPS} is no complete SDL prefix: run scripts/windows-deps")
  endif()
  # The SDL family through the import libraries of its DLLs, named by path: the static link flags of the
  # toolchain would not let -l find them. The headers are the prefix's own, so the program compiles against
  # the same declarations as the DLLs it ships with.
  add_library(PkgConfig::SDLFAMILY INTERFACE IMPORTED)
  target_include_directories(PkgConfig::SDLFAMILY INTERFACE ${TAVRIN_WINDOWS_DEPS}/include
    ${TAVRIN_WINDOWS_DEPS}/include/SDL)
  foreach(library SDL_image SDL_ttf SDL_gfx SDL_mixer SDL)
    target_link_libraries(PkgConfig::SDLFAMILY INTERFACE ${TAVRIN_WINDOWS_DEPS}/lib/lib${library}.dll.a)
  endforeach()
  target_link_libraries(PkgConfig::SDLFAMILY INTERFACE opengl32)
  file(GLOB TAVRIN_SDL_DLLS ${TAVRIN_WINDOWS_DEPS}/bin/*.dll)

  add_library(tavrin_core STATIC)
  target_include_directories(tavrin_core PUBLIC ${CMAKE_SOURCE_DIR}/source ${CMAKE_SOURCE_DIR}/include)
  target_link_libraries(tavrin_core PUBLIC PkgConfig::SDLFAMILY advapi32 shell32 user32)
  foreach(dir base platform store audio video text sprites modules menu shell)
    add_subdirectory(source/${dir})
  endforeach()
  add_subdirectory(games)
  add_subdirectory(tools/tavrin-reg)
  # The parents' overview, tavrin-report.exe: it takes the tasks' names from the games' tables.
  add_subdirectory(tools/report)
  # The Windows program keeps its run-time files beside itself, in its working directory: there is no
  # installed data folder apart from it.
  target_compile_definitions(tavrin_core PRIVATE TAVRIN_INSTALLED_DATA_PATH=".")
  # The program's own Windows entry, in place of SDL's SDLmain: it sends stdout and stderr to stdout.txt and
  # stderr.txt beside the program and calls the main routine; a window program, with no console of its own.
  target_sources(tavrin PRIVATE ${CMAKE_SOURCE_DIR}/source/platform/windows/entry.cpp
    ${CMAKE_SOURCE_DIR}/source/platform/windows/console.cpp)
  target_link_options(tavrin PRIVATE -mwindows)

  # The program's icon (the desktop icons' pictures, 16 to 256 pixels), its version and its manifest, inside
  # tavrin.exe for Explorer, the shortcuts and the system; the installer takes the same icon, version, name
  # and publisher.
  enable_language(RC)
  set(TAVRIN_ICON ${CMAKE_BINARY_DIR}/tavrin.ico)
  file(GLOB tavrin_icon_pictures ${CMAKE_SOURCE_DIR}/data/icons/*/tavrin.png)
  add_custom_command(OUTPUT ${TAVRIN_ICON}
    COMMAND ${CMAKE_SOURCE_DIR}/packaging/windows/make-icon ${CMAKE_SOURCE_DIR}/data/icons ${TAVRIN_ICON}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/windows/make-icon ${tavrin_icon_pictures})
  add_custom_target(tavrin_icon DEPENDS ${TAVRIN_ICON})
  add_dependencies(tavrin tavrin_icon)
  set(TAVRIN_MANIFEST ${CMAKE_BINARY_DIR}/tavrin.manifest)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tavrin.manifest.in ${TAVRIN_MANIFEST} @ONLY)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/tavrin.rc.in ${CMAKE_BINARY_DIR}/tavrin.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/tavrin.rc PROPERTIES OBJECT_DEPENDS "${TAVRIN_ICON};${TAVRIN_MANIFEST}")
  target_sources(tavrin PRIVATE ${CMAKE_BINARY_DIR}/tavrin.rc)
  file(WRITE ${CMAKE_BINARY_DIR}/release.nsh
    "!define VERSION \"${PROJECT_VERSION}\"\n"
    "!define DISPLAY_NAME \"${TAVRIN_DISPLAY_NAME}\"\n"
    "!define PUBLISHER \"${TAVRIN_PUBLISHER}\"\n"
    "!define HOMEPAGE \"${TAVRIN_HOMEPAGE}\"\n")

  # The games' voice, made on this machine from the same tables: the Windows program only plays the clips.
  include(${CMAKE_SOURCE_DIR}/cmake/voice.cmake)

  # The run-time folders alone (the desktop icons of data/icons/ are Linux's; tavrin.exe carries its own),
  # and the licences of the libraries that come with the program.
  add_custom_target(run_data ALL
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/g ${TAVRIN_RUN_DIR}/g
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/g1 ${TAVRIN_RUN_DIR}/g1
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data/snd ${TAVRIN_RUN_DIR}/snd
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${TAVRIN_WINDOWS_DEPS}/share/licences ${TAVRIN_RUN_DIR}/licences
    COMMAND ${CMAKE_COMMAND} -E copy ${TAVRIN_SDL_DLLS} ${TAVRIN_RUN_DIR}
    COMMENT "Copying the run-time files, the SDL DLLs and their licences into run/")
else()
  # Without SDL: the log writer, the settings and the backends.
  add_library(tavrin_core STATIC ${CMAKE_SOURCE_DIR}/source/base/log.cpp)
  target_include_directories(tavrin_core PUBLIC ${CMAKE_SOURCE_DIR}/source ${CMAKE_SOURCE_DIR}/include)
  target_link_libraries(tavrin_core PUBLIC advapi32 shell32 user32)
  add_subdirectory(source/platform)
  add_subdirectory(source/store)
  add_subdirectory(tools/tavrin-reg)
endif()

if(NOT TAVRIN_TESTS)
  return()
endif()
enable_testing()
# The tests and their fixtures live apart from run/, with copies of the DLLs they load.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${TAVRIN_TEST_DIR})
set(CMAKE_LIBRARY_OUTPUT_DIRECTORY ${TAVRIN_TEST_DIR})
set(test_dll_files $<TARGET_FILE:tavrin_store> ${TAVRIN_SDL_DLLS})
add_custom_target(test_dlls ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${TAVRIN_TEST_DIR}
  COMMAND ${CMAKE_COMMAND} -E copy ${test_dll_files} ${TAVRIN_TEST_DIR}
  DEPENDS tavrin_store)
if(TAVRIN_WINDOWS_DEPS)
  add_dependencies(test_dlls run_data)
endif()

# GoogleTest from the sources Debian ships; its own tests and GoogleMock are not needed.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
include(GoogleTest)

# tavrin_test(NAME source...): as in the Linux build; every case becomes a ctest test run under Wine.
function(tavrin_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE tavrin_core tavrin_test_support GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    TAVRIN_RUN_DIR="${TAVRIN_RUN_DIR}" TAVRIN_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
    TAVRIN_TEST_BIN_DIR="${TAVRIN_TEST_DIR}")
  add_dependencies(${name} test_dlls)
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST WORKING_DIRECTORY ${TAVRIN_TEST_DIR}
    DISCOVERY_TIMEOUT 120 PROPERTIES TIMEOUT 300)
endfunction()

add_subdirectory(tests/support)
add_subdirectory(tests/store)
add_subdirectory(tests/platform/windows)
# tavrin-report.exe held against the Linux program.
if(TAVRIN_WINDOWS_DEPS)
  add_subdirectory(tests/report)
endif()
