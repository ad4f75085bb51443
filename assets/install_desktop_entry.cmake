# SPDX-License-Identifier: MIT
# Part of `cmake --install`: writes the desktop entry for the prefix being installed to and
# installs it (under DESTDIR, into the install manifest). assets/CMakeLists.txt sets the
# CORVEL_* variables.

set(CORVELXP "${CMAKE_INSTALL_PREFIX}/${CORVEL_BINDIR}/corvelxp")
if(CORVELXP MATCHES "[\"`$\\\\%]")
    # Characters the entry would have to escape twice over: rely on PATH instead.
    set(CORVELXP corvelxp)
elseif(NOT CORVELXP MATCHES "^[A-Za-z0-9/._+-]+$")
    set(CORVELXP "\"${CORVELXP}\"")
endif()
configure_file("${CORVEL_DESKTOP_IN}" "${CORVEL_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${CORVEL_APPLICATIONS_DIR}" TYPE FILE
     FILES "${CORVEL_DESKTOP_OUT}")
