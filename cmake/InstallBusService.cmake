# Runs when installing (see resources/CMakeLists.txt): writes the D-Bus service
# that starts the program, naming it by the absolute path it is installed at.
foreach(dir BINDIR DATADIR)
  set(${dir} "${INKHARBOR_${dir}}")
  if(NOT IS_ABSOLUTE "${${dir}}")
    set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
  endif()
endforeach()
set(APP_ID "${INKHARBOR_APP_ID}")
set(BUS_EXEC "${BINDIR}/inkharbor")
configure_file("${INKHARBOR_BUS_TEMPLATE}" "${INKHARBOR_WORK_DIR}/${APP_ID}.service" @ONLY)
file(INSTALL "${INKHARBOR_WORK_DIR}/${APP_ID}.service" DESTINATION "${DATADIR}/dbus-1/services")
