# Read by CPack once for each generator, with CPACK_GENERATOR naming it.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
elseif(CPACK_GENERATOR STREQUAL "DEB")
  # The package's dependencies: dpkg-shlibdeps over the program and its audio module, run in a
  # folder that looks like a Debian source tree, as it asks.
  set(source_tree "${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps")
  file(MAKE_DIRECTORY "${source_tree}/debian")
  file(WRITE "${source_tree}/debian/control"
       "Source: ${CPACK_PACKAGE_NAME}\n\nPackage: ${CPACK_PACKAGE_NAME}\nArchitecture: any\n")
  execute_process(COMMAND dpkg-shlibdeps -O ${CPACK_VBE_ELF_FILES}
                  WORKING_DIRECTORY "${source_tree}" OUTPUT_VARIABLE shlibs
                  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${source_tree}")
  if(NOT shlibs MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "dpkg-shlibdeps found no dependencies: ${shlibs}")
  endif()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
endif()
