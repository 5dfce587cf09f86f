# The program icon and the version in a Windows program's file properties,
# as a resource compiled into the executable.
#
#   quellan_windows_program(TARGET DESCRIPTION FILE_NAME)
find_package(Python3 REQUIRED COMPONENTS Interpreter)

set(QUELLAN_WIN_ICON ${CMAKE_CURRENT_BINARY_DIR}/quellan.ico)
add_custom_command(OUTPUT ${QUELLAN_WIN_ICON}
  COMMAND Python3::Interpreter ${CMAKE_CURRENT_LIST_DIR}/make_icon.py ${QUELLAN_WIN_ICON}
          ${Quellan_SOURCE_DIR}/assets/pictures/icon16.png
          ${Quellan_SOURCE_DIR}/assets/pictures/icon.png
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/make_icon.py
          ${Quellan_SOURCE_DIR}/assets/pictures/icon16.png
          ${Quellan_SOURCE_DIR}/assets/pictures/icon.png
  COMMENT "Making the program icon")
add_custom_target(quellan_win_icon DEPENDS ${QUELLAN_WIN_ICON})

function(quellan_windows_program target description file_name)
  set(QUELLAN_RC_DESCRIPTION "${description}")
  set(QUELLAN_RC_FILE_NAME "${file_name}")
  set(QUELLAN_RC_ICON "${QUELLAN_WIN_ICON}")
  get_directory_property(version DIRECTORY ${Quellan_SOURCE_DIR} DEFINITION PROJECT_VERSION)
  string(REPLACE "." "," QUELLAN_RC_VERSION_COMMAS "${version}")
  set(QUELLAN_RC_VERSION "${version}")
  configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/program.rc.in
                 ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
  set_property(SOURCE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc APPEND PROPERTY
               OBJECT_DEPENDS ${QUELLAN_WIN_ICON})
  add_dependencies(${target} quellan_win_icon)
endfunction()
