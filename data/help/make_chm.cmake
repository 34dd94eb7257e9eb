# Compiles the help pages into a CHM file with chmcmd, in a copy of them so
# that nothing is written into the sources. A page or picture that chmcmd
# cannot find fails the build.
#   cmake -DCHMCMD=chmcmd -DSOURCE=help -DWORK=work -DOUTPUT=cvhelp.chm -P make_chm.cmake
file(REMOVE_RECURSE ${WORK})
file(COPY ${SOURCE}/ DESTINATION ${WORK} PATTERN "*.cmake" EXCLUDE)
execute_process(
    COMMAND ${CHMCMD} cvhelp.hhp
    WORKING_DIRECTORY ${WORK}
    OUTPUT_VARIABLE log
    ERROR_VARIABLE log
    RESULT_VARIABLE failed)
if(failed OR log MATCHES "Warning|Error")
    message(FATAL_ERROR "chmcmd could not make the help file:\n${log}")
endif()
get_filename_component(folder ${OUTPUT} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
file(COPY_FILE ${WORK}/cvhelp.chm ${OUTPUT})
