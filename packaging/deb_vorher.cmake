# Run by CPack once the files are in place and before it packs them: the
# package's word to lintian, the folders as Debian has them, whatever the
# umask of whoever builds, and the program without the sections Debian's own
# packages leave out.
set(lintian ${CPACK_TEMPORARY_DIRECTORY}/usr/share/lintian/overrides)
file(MAKE_DIRECTORY ${lintian})
file(COPY_FILE ${CPACK_ZAPFKONTOR_LINTIAN} ${lintian}/tankumat)
file(CHMOD ${lintian}/tankumat PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(GLOB_RECURSE ordner LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
list(FILTER ordner EXCLUDE REGEX "/DEBIAN(/|$)")
foreach(pfad IN LISTS ordner)
    if(IS_DIRECTORY ${pfad})
        file(CHMOD ${pfad} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                       WORLD_EXECUTE)
    endif()
endforeach()

# The compilers' names and versions (.comment) and the old notes section
# (.note) are of no use on the user's machine; Debian's dh_strip takes them
# out too. CPack's strip has removed the symbols already.
file(GLOB programme ${CPACK_TEMPORARY_DIRECTORY}/usr/bin/*)
foreach(programm IN LISTS programme)
    execute_process(COMMAND ${CPACK_ZAPFKONTOR_STRIP} --remove-section=.comment --remove-section=.note ${programm}
                    RESULT_VARIABLE fehler)
    if(fehler)
        message(FATAL_ERROR "could not strip ${programm}")
    endif()
endforeach()
