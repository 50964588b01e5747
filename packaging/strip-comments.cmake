# Run by CPack on the staged files: removes what Debian's dh_strip removes beyond a plain strip,
# the compilers' version comments.
foreach(program IN LISTS CPACK_KAVINOR_PROGRAMS)
  execute_process(COMMAND ${CPACK_KAVINOR_STRIP} --remove-section=.comment --remove-section=.note
                          ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
