# install.cmake -- the installed layout under any prefix, and the Debian package that CPack makes from it.
#
#   games/tavrin                  the program the user starts: a link to the real one
#   games/tavrin-reg              the store tool, a link likewise
#   games/tavrin-report           the parents' overview, a link likewise
#   lib/games/tavrin/             the real executables, game1.so, game2.so, libtavrin_store.so
#   share/games/tavrin/           g/, g1/, snd/
#   share/applications/, share/icons/hicolor/, share/metainfo/, share/man/, share/doc/tavrin/
#
# The game modules are loaded only from the executable's own folder, so everything that runs shares one
# private folder; the links give the user the usual names on the path. The program finds its run-time
# files from that folder through the relative path between the two, so the tree can move as a whole.

set(TAVRIN_INSTALL_GAMES_DIR "games" CACHE STRING "Where the program and the store tool are installed")
set(TAVRIN_INSTALL_LIB_DIR "lib/games/tavrin" CACHE STRING "The private folder of the executables and libraries")
set(TAVRIN_INSTALL_DATA_DIR "share/games/tavrin" CACHE STRING "The folder of the pictures, font and sounds")
set(TAVRIN_MAINTAINER "${TAVRIN_PUBLISHER} <info@tavrin.hu>" CACHE STRING "The package's maintainer")

# Paths between the folders, as the program and the links see them (the root stands for any prefix).
file(RELATIVE_PATH tavrin_data_from_lib /root/${TAVRIN_INSTALL_LIB_DIR} /root/${TAVRIN_INSTALL_DATA_DIR})
file(RELATIVE_PATH tavrin_lib_from_games /root/${TAVRIN_INSTALL_GAMES_DIR} /root/${TAVRIN_INSTALL_LIB_DIR})
target_compile_definitions(tavrin_core PRIVATE TAVRIN_INSTALLED_DATA_PATH="${tavrin_data_from_lib}")

# The release's date, in the changelog, the manual pages and the metainfo: SOURCE_DATE_EPOCH when set,
# else the time of the last commit, so that the same sources give the same package.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
    OUTPUT_VARIABLE tavrin_commit_time OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET RESULT_VARIABLE tavrin_git_failed)
  if(NOT tavrin_git_failed AND tavrin_commit_time)
    set(ENV{SOURCE_DATE_EPOCH} ${tavrin_commit_time})
  endif()
endif()
string(TIMESTAMP TAVRIN_RELEASE_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP TAVRIN_RELEASE_DAY "%Y-%m-%d" UTC)

set(tavrin_staging ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${tavrin_staging})

# ----------------------------------------------------------------------------------------------------------
# What runs, and the run-time files
# ----------------------------------------------------------------------------------------------------------
install(TARGETS tavrin tavrin-reg tavrin-report RUNTIME DESTINATION ${TAVRIN_INSTALL_LIB_DIR})
# Loaded, never run: not executable.
install(TARGETS game1 game2 tavrin_store LIBRARY DESTINATION ${TAVRIN_INSTALL_LIB_DIR}
  PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
# The font's licence travels in the copyright file.
install(DIRECTORY data/g data/g1 data/snd DESTINATION ${TAVRIN_INSTALL_DATA_DIR}
  PATTERN KOMIKATA-LICENSE.txt EXCLUDE)
# The games' voice, made by the build (voice.cmake).
install(DIRECTORY ${TAVRIN_VOICE_DIR} DESTINATION ${TAVRIN_INSTALL_DATA_DIR}/snd)

# Relative links, made in the build tree and installed as links.
file(CREATE_LINK ${tavrin_lib_from_games}/tavrin ${tavrin_staging}/tavrin SYMBOLIC)
file(CREATE_LINK ${tavrin_lib_from_games}/tavrin-reg ${tavrin_staging}/tavrin-reg SYMBOLIC)
file(CREATE_LINK ${tavrin_lib_from_games}/tavrin-report ${tavrin_staging}/tavrin-report SYMBOLIC)
install(FILES ${tavrin_staging}/tavrin ${tavrin_staging}/tavrin-reg ${tavrin_staging}/tavrin-report
  DESTINATION ${TAVRIN_INSTALL_GAMES_DIR})

# ----------------------------------------------------------------------------------------------------------
# The desktop: menu entry, icons, AppStream metainfo
# ----------------------------------------------------------------------------------------------------------
# The entry names the programs by their full paths, which are known only once the prefix is: written at install.
install(CODE "
  set(TAVRIN_DISPLAY_NAME \"${TAVRIN_DISPLAY_NAME}\")
  set(TAVRIN_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${TAVRIN_INSTALL_GAMES_DIR}/tavrin\")
  set(TAVRIN_REPORT_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${TAVRIN_INSTALL_GAMES_DIR}/tavrin-report\")
  configure_file(\"${CMAKE_SOURCE_DIR}/packaging/linux/tavrin.desktop.in\" \"${tavrin_staging}/tavrin.desktop\" @ONLY)")
install(FILES ${tavrin_staging}/tavrin.desktop DESTINATION share/applications)
foreach(size 16 24 32 48 64 128 256)
  install(FILES data/icons/${size}x${size}/tavrin.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
configure_file(packaging/linux/hu.tavrin.Tavrin.metainfo.xml.in ${tavrin_staging}/hu.tavrin.Tavrin.metainfo.xml @ONLY)
install(FILES ${tavrin_staging}/hu.tavrin.Tavrin.metainfo.xml DESTINATION share/metainfo)

# ----------------------------------------------------------------------------------------------------------
# Manual pages, copyright, changelog
# ----------------------------------------------------------------------------------------------------------
# Compressed without a name or time stamp, so that the same sources give the same bytes.
find_program(TAVRIN_GZIP gzip REQUIRED)
set(tavrin_docs)
foreach(page tavrin.6 tavrin-reg.1 tavrin-report.1)
  string(REGEX REPLACE "^.*\\." "" section ${page})
  configure_file(packaging/linux/${page}.in ${tavrin_staging}/${page} @ONLY)
  add_custom_command(OUTPUT ${tavrin_staging}/${page}.gz
    COMMAND ${TAVRIN_GZIP} -9nf -k ${tavrin_staging}/${page}
    DEPENDS ${tavrin_staging}/${page} VERBATIM)
  list(APPEND tavrin_docs ${tavrin_staging}/${page}.gz)
  install(FILES ${tavrin_staging}/${page}.gz DESTINATION share/man/man${section})
endforeach()

configure_file(packaging/linux/changelog.in ${tavrin_staging}/changelog @ONLY)
add_custom_command(OUTPUT ${tavrin_staging}/changelog.gz
  COMMAND ${TAVRIN_GZIP} -9nf -k ${tavrin_staging}/changelog
  DEPENDS ${tavrin_staging}/changelog VERBATIM)
list(APPEND tavrin_docs ${tavrin_staging}/changelog.gz)
add_custom_target(install_docs ALL DEPENDS ${tavrin_docs})
configure_file(packaging/linux/copyright.in ${tavrin_staging}/copyright @ONLY)
install(FILES ${tavrin_staging}/copyright ${tavrin_staging}/changelog.gz DESTINATION share/doc/tavrin)

# ----------------------------------------------------------------------------------------------------------
# The Debian package (scripts/package)
# ----------------------------------------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${TAVRIN_PUBLISHER})
set(CPACK_PACKAGE_CONTACT ${TAVRIN_MAINTAINER})
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "picture-book games for young children, in Hungarian")
# Lines of at most 72 characters, as Debian's tools show them.
set(CPACK_PACKAGE_DESCRIPTION
  "${TAVRIN_DISPLAY_NAME} is a package of two mini-games for young children,
played with the mouse alone, with a Hungarian user interface and
friendly picture-book pictures.

An animated menu with music lets the child pick one of three players,
each shown with how much of both games that player has done.
“erdei kalandok” (forest adventures) is about counting, shapes, colours,
seasons and the animals of the forest; “városi kalandok” (town
adventures) about traffic lights and signs, coins and shopping, telling
the time and finding the way. A right answer is praised, a wrong one
gets a gentle hint and another try, and an optional quiz asks about
what a task taught.

Parents and teachers can set the music and effect volumes, switch the
quiz and full screen on or off, and erase a player's results. The
parents' overview (tavrin-report, also the menu entry's action) shows
for each child what was played, how well and how long, and what to
practise next, as a page that stays on the computer and prints on A4.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# xz, as Debian's own packages: the games' voice clips all begin with the same Vorbis set-up, which xz's large
# window packs once (a package of 5.5 MB instead of 7.5 with gzip).
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${TAVRIN_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The store library is the package's own: dpkg-shlibdeps finds it in the build's runnable tree.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${TAVRIN_RUN_DIR})
# SDL opens OpenGL at run time (the program falls back to plain SDL without it); the web pages open
# through xdg-open; a message box needs one of these tools.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libgl1, libgl1-mesa-dri, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "zenity | kdialog | x11-utils")
include(CPack)
