# Where `cmake --install` puts the game.
#
# On Windows the install is the portable game folder: the programs with
# map/, sound/, font/ and the help beside them, as in the build's game/.
# Elsewhere it follows the file-system conventions: the programs in
# PREFIX/bin (the Debian package sets CMAKE_INSTALL_BINDIR=games), the
# read-only data in PREFIX/share/quellan with the marker file "installed"
# that tells the game it is an installed copy (src/setup/game_paths.h), and
# the menu entry, icons, software-centre data and manual pages in their
# places under PREFIX/share. The build's own game/ folder stays portable
# either way: it has no marker.
if(WIN32)
  set(QUELLAN_INSTALLED_LAYOUT OFF)
  set(QUELLAN_INSTALL_BINDIR .)
  set(QUELLAN_INSTALL_DATADIR .)
else()
  include(GNUInstallDirs)
  set(QUELLAN_INSTALLED_LAYOUT ON)
  set(QUELLAN_INSTALL_BINDIR ${CMAKE_INSTALL_BINDIR})
  set(QUELLAN_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/quellan)
  # The game finds its data as ../share/quellan from its own folder.
  get_filename_component(_quellan_data_seen_from_bin
                         "/prefix/${QUELLAN_INSTALL_BINDIR}/../share/quellan" ABSOLUTE)
  get_filename_component(_quellan_data "/prefix/${QUELLAN_INSTALL_DATADIR}" ABSOLUTE)
  if(NOT _quellan_data_seen_from_bin STREQUAL _quellan_data)
    message(WARNING "The installed game looks for its data in ../share/quellan beside "
                    "${QUELLAN_INSTALL_BINDIR}; CMAKE_INSTALL_BINDIR and CMAKE_INSTALL_DATADIR "
                    "put it elsewhere, so the installed copy will not find it.")
  endif()
endif()
