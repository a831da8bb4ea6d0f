# Run by CPack on the staged files, after stripping and before packing: takes
# the .comment and .note sections out of the installed programs. They only
# name the compiler and its version; Debian's own packages drop them too.
set(bindir "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_KESTREL_BINDIR}")
file(GLOB programs "${bindir}/*")
if(NOT programs)
  message(FATAL_ERROR "no programs staged in ${bindir}")
endif()
foreach(program IN LISTS programs)
  execute_process(
    COMMAND ${CPACK_KESTREL_OBJCOPY} --remove-section=.comment --remove-section=.note ${program}
    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
