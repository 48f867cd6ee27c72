# Run by CPack once the zip is made: the Windows installer, from the same
# files, beside it. wixl takes the files named in the WiX source from the
# folder it runs in.
set(stufe ${CPACK_TEMPORARY_DIRECTORY})
file(COPY ${CPACK_ZAPFKONTOR_WXS} ${CPACK_ZAPFKONTOR_ICO} DESTINATION ${stufe})
set(msi ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
execute_process(COMMAND wixl -a x64 -o ${msi} tankumat.wxs WORKING_DIRECTORY ${stufe} RESULT_VARIABLE fehler)
if(fehler)
    message(FATAL_ERROR "wixl could not make ${msi}")
endif()
message(STATUS "- package: ${msi} generated.")
