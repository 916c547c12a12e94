# play_driver.cmake -- the games driven by tests and benchmarks: the play driver with its random child, over
# the engine and the in-memory store, with both games' tables.
add_library(games_play_driver STATIC
  ${CMAKE_SOURCE_DIR}/tests/games/play_driver.cpp ${CMAKE_SOURCE_DIR}/tests/games/fake_store.cpp
  ${CMAKE_SOURCE_DIR}/source/store/dword.cpp $<TARGET_OBJECTS:game1_tasks> $<TARGET_OBJECTS:game2_tasks>)
target_include_directories(games_play_driver PUBLIC ${CMAKE_SOURCE_DIR}/tests/games ${CMAKE_SOURCE_DIR}/games/common
                           ${CMAKE_SOURCE_DIR}/games/game1 ${CMAKE_SOURCE_DIR}/games/game2)
target_link_libraries(games_play_driver PUBLIC games_common)
# The store's own 4-byte calls run over the in-memory store, with its write transaction.
target_include_directories(games_play_driver PRIVATE ${CMAKE_SOURCE_DIR}/source)
