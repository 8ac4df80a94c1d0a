# Run by CPack on the staged files, after stripping and before it makes the package: removes the
# compiler's identification (the .comment section) from the programs, as Debian's own tools do
# when they strip a package's programs.
file(GLOB programs "${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*")
if(NOT programs)
    message(FATAL_ERROR "no programs staged in ${CPACK_TEMPORARY_DIRECTORY}/usr/bin")
endif()
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_ORVIK_OBJCOPY}" --remove-section=.comment "${program}"
                    RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "objcopy could not remove the .comment section of ${program}")
    endif()
endforeach()
