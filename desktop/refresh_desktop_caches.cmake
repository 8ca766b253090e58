# Run by `make install` after the files are in place: the desktop reads the project file type,
# the menu entries and the icons from caches, which are brought up to date here. A staged
# installation (DESTDIR) leaves that to whatever installs the stage; a missing tool is skipped.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
  return()
endif()
if(IS_ABSOLUTE "${TALP_DATADIR}")
  set(share "${TALP_DATADIR}")
else()
  set(share "${CMAKE_INSTALL_PREFIX}/${TALP_DATADIR}")
endif()
foreach(step "update-mime-database;${share}/mime"
             "update-desktop-database;-q;${share}/applications"
             "gtk-update-icon-cache;-q;-t;-f;${share}/icons/hicolor")
  list(POP_FRONT step tool)
  unset(tool_path)
  find_program(tool_path ${tool} NO_CACHE)
  if(tool_path)
    list(JOIN step " " arguments)
    message(STATUS "Updating: ${tool} ${arguments}")
    execute_process(COMMAND ${tool_path} ${step} OUTPUT_QUIET)
  endif()
endforeach()
