# Run by CPack on the staged files before packing: the programs lose their symbols and the
# compiler's comment, as every program in a Debian package does.
file(GLOB programmi "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(programma ${programmi})
  execute_process(COMMAND ${CPACK_SIRVELA_STRIP} --remove-section=.comment --remove-section=.note
    --strip-unneeded ${programma} RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "strip failed on ${programma}")
  endif()
endforeach()
