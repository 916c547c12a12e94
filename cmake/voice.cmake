# voice.cmake -- the games' voice, made at build time: every text of both games said into a clip of its own
#
# voice-texts, built for the machine that builds (also when the build is for Windows), lists the texts from
# the games' tables as they are; tools/make-voice says each one with espeak-ng into ${TAVRIN_RUN_DIR}/snd/voice/
# beside the manifest clips.txt, making only what its cache does not hold yet. Include after the games'
# targets and the run folder are set.

set(TAVRIN_VOICE_CACHE "" CACHE PATH "Where the voice's clips are kept between builds (empty: ~/.cache/tavrin/voice)")
set(tavrin_voice_cache ${TAVRIN_VOICE_CACHE})
if(NOT tavrin_voice_cache)
  if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(tavrin_voice_cache $ENV{XDG_CACHE_HOME}/tavrin/voice)
  else()
    set(tavrin_voice_cache $ENV{HOME}/.cache/tavrin/voice)
  endif()
endif()

set(TAVRIN_VOICE_DIR ${TAVRIN_RUN_DIR}/snd/voice)
# What espeak-ng read every text as, for the voice's checks; built beside the clips, never shipped.
set(TAVRIN_VOICE_REPORT ${CMAKE_BINARY_DIR}/voice/phonemes.txt)
set(tavrin_voice_list ${CMAKE_BINARY_DIR}/voice/texts.txt)

# The texts come from the games' tables, which need nothing but the C++ library.
if(CMAKE_CROSSCOMPILING)
  # The target's compiler makes programs this machine cannot run: the list is made with the machine's own,
  # from the same sources as the tables' libraries.
  find_program(TAVRIN_HOST_CXX NAMES c++ g++ REQUIRED)
  set(tavrin_voice_sources ${CMAKE_SOURCE_DIR}/tools/voice/voice_texts.cpp)
  foreach(target game_tables game1_tasks game2_tasks)
    get_target_property(dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    list(TRANSFORM sources PREPEND ${dir}/)
    list(APPEND tavrin_voice_sources ${sources})
  endforeach()
  file(GLOB tavrin_voice_headers ${CMAKE_SOURCE_DIR}/games/common/*.h ${CMAKE_SOURCE_DIR}/games/game1/*.h
    ${CMAKE_SOURCE_DIR}/games/game2/*.h ${CMAKE_SOURCE_DIR}/include/tavrin/*.h)
  set(tavrin_voice_texts ${CMAKE_BINARY_DIR}/voice/voice-texts)
  add_custom_command(OUTPUT ${tavrin_voice_texts}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/voice
    COMMAND ${TAVRIN_HOST_CXX} -std=c++17 -O1 -I${CMAKE_SOURCE_DIR}/games/common -I${CMAKE_SOURCE_DIR}/games/game1
            -I${CMAKE_SOURCE_DIR}/games/game2 -I${CMAKE_SOURCE_DIR}/include ${tavrin_voice_sources} -o ${tavrin_voice_texts}
    DEPENDS ${tavrin_voice_sources} ${tavrin_voice_headers}
    COMMENT "Building voice-texts for this machine" VERBATIM)
  set(tavrin_voice_texts_target ${tavrin_voice_texts})
else()
  add_executable(voice-texts ${CMAKE_SOURCE_DIR}/tools/voice/voice_texts.cpp $<TARGET_OBJECTS:game1_tasks>
    $<TARGET_OBJECTS:game2_tasks>)
  target_include_directories(voice-texts PRIVATE ${CMAKE_SOURCE_DIR}/games/game1 ${CMAKE_SOURCE_DIR}/games/game2)
  target_link_libraries(voice-texts PRIVATE game_tables)
  set_target_properties(voice-texts PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/voice)
  set(tavrin_voice_texts $<TARGET_FILE:voice-texts>)
  set(tavrin_voice_texts_target voice-texts)
endif()

add_custom_command(OUTPUT ${TAVRIN_VOICE_DIR}/clips.txt ${TAVRIN_VOICE_REPORT}
  COMMAND ${tavrin_voice_texts} ${tavrin_voice_list}
  COMMAND ${CMAKE_SOURCE_DIR}/tools/make-voice ${tavrin_voice_list} ${TAVRIN_VOICE_DIR} ${tavrin_voice_cache}
          ${TAVRIN_VOICE_REPORT}
  DEPENDS ${tavrin_voice_texts_target} ${CMAKE_SOURCE_DIR}/tools/make-voice
  COMMENT "Saying the games' texts into snd/voice/" VERBATIM)
add_custom_target(voice ALL DEPENDS ${TAVRIN_VOICE_DIR}/clips.txt)
