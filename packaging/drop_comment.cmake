# Run by cpack on the staged files: the compilers' version notes in the
# stripped game are of no use to anyone, and Debian's own packages drop them.
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/games/wavedart")
if(NOT programs)
    message(FATAL_ERROR "no staged game under ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
execute_process(COMMAND objcopy --remove-section=.comment ${programs} COMMAND_ERROR_IS_FATAL ANY)
