# Registers the MIME package in an empty database as the system does, checks
# that update-mime-database accepts it without complaint and maps *.rotants to
# application/x-rotants, and that the launcher takes files of that type.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/packages)
file(COPY ${MIME_XML} DESTINATION ${WORK}/packages)
execute_process(COMMAND ${UPDATE_MIME_DATABASE} ${WORK}
                RESULT_VARIABLE result ERROR_VARIABLE errors OUTPUT_QUIET)
if(NOT result EQUAL 0 OR errors MATCHES "[Ee]rror|[Ww]arning|[Ii]nvalid|[Uu]nknown")
  message(FATAL_ERROR "update-mime-database rejected ${MIME_XML}: ${errors}")
endif()
file(READ ${WORK}/globs2 globs)
if(NOT globs MATCHES "application/x-rotants:\\*\\.rotants")
  message(FATAL_ERROR "*.rotants is not registered: ${globs}")
endif()
file(READ ${DESKTOP_FILE} launcher)
if(NOT launcher MATCHES "\nMimeType=([^\n]*;)?application/x-rotants;"
   OR NOT launcher MATCHES "\nExec=rotants %f\n")
  message(FATAL_ERROR "the launcher does not open application/x-rotants files")
endif()
