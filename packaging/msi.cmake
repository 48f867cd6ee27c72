# Run by CPack once the zip is made: the Windows installer, from the same
# files, beside it. wixl takes the files named in the WiX source from the
# folder it runs in.
#
# With SOURCE_DATE_EPOCH set, both come out the same to the byte from every
# build of the same sources: the zip is written again with that time (in UTC:
# a zip keeps local times) and fixed permissions, and wixl writes that time
# (also as the time of each file in its cabinet). The installer's package
# code is made from the content in every build.
set(stufe ${CPACK_TEMPORARY_DIRECTORY})
set(plattform x64)
# The zip as CPack made it, before it copies it to the package folder.
list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "[.]zip$")
set(zip ${CPACK_PACKAGE_FILES})
set(msi ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
file(COPY ${CPACK_ZAPFKONTOR_WXS} ${CPACK_ZAPFKONTOR_ICO} DESTINATION ${stufe})

set(zeit "")
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    # The clock stands still at that time. One that starts there and runs on
    # lets a slow machine write a second later into the summary ("Created",
    # "Last saved") than a fast one.
    string(TIMESTAMP stand "%Y-%m-%d %H:%M:%S" UTC)
    set(zeit faketime -f "${stand}")
    # zip -X leaves out the extra fields with the files' other times and
    # owners; what stays is each file's time, in UTC, and its permissions.
    set(gleich ${stufe}/gleich)
    file(REMOVE_RECURSE ${gleich})
    list(TRANSFORM CPACK_ZAPFKONTOR_INHALT PREPEND ${stufe}/ OUTPUT_VARIABLE dateien)
    file(COPY ${dateien} DESTINATION ${gleich} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    file(CHMOD ${gleich}/tankumat.exe PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                                  WORLD_READ WORLD_EXECUTE)
    set(ENV{TZ} UTC)
    file(REMOVE ${zip})
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" ${CPACK_ZAPFKONTOR_INHALT} WORKING_DIRECTORY ${gleich})
    execute_process(COMMAND zip -X -D -q ${zip} ${CPACK_ZAPFKONTOR_INHALT} WORKING_DIRECTORY ${gleich}
                    RESULT_VARIABLE fehler)
    if(fehler)
        message(FATAL_ERROR "could not write ${zip} again")
    endif()
    # The cabinet inside the installer keeps each file's time.
    execute_process(COMMAND touch -d "@$ENV{SOURCE_DATE_EPOCH}" tankumat.exe tankumat.ico tankumat.wxs
                    WORKING_DIRECTORY ${stufe})
endif()

execute_process(COMMAND ${zeit} wixl -a ${plattform} -o ${msi} tankumat.wxs WORKING_DIRECTORY ${stufe} RESULT_VARIABLE fehler)
if(fehler)
    message(FATAL_ERROR "wixl could not make ${msi}")
endif()

# The summary information as the package is: its template says the
# platform and the package's language, where wixl writes English (1033)
# whatever the package's; and the package code, random from wixl, names this
# package among all: one made from what it holds. msibuild -s sets subject,
# author, template and package code together, so subject and author are
# passed as wixl wrote them.
execute_process(COMMAND msiinfo suminfo ${msi} OUTPUT_VARIABLE summe RESULT_VARIABLE fehler)
if(fehler)
    message(FATAL_ERROR "msiinfo could not read the summary of ${msi}")
endif()
foreach(feld Subject Author)
    string(REGEX MATCH "${feld}: ([^\n]*)" _ "${summe}")
    set(${feld} "${CMAKE_MATCH_1}")
endforeach()
set(inhalt "")
foreach(datei tankumat.wxs tankumat.ico tankumat.exe)
    file(SHA256 ${stufe}/${datei} summe)
    string(APPEND inhalt "${datei}=${summe};")
endforeach()
string(UUID paketcode NAMESPACE ${CPACK_ZAPFKONTOR_UPGRADE_CODE} NAME "${inhalt}" TYPE SHA1 UPPER)
execute_process(COMMAND ${zeit} msibuild ${msi} -s "${Subject}" "${Author}" "${plattform};${CPACK_ZAPFKONTOR_SPRACHE}"
                        "{${paketcode}}" RESULT_VARIABLE fehler)
if(fehler)
    message(FATAL_ERROR "msibuild could not set the summary of ${msi}")
endif()
message(STATUS "- package: ${msi} generated.")
