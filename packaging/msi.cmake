# Run by CPack once the zip is made: the zip written again as it ships, and
# the Windows installer, from the same files, beside it. wixl takes the files
# named in the WiX source from the folder it runs in.
#
# Both are made the same way in every build, at one time: SOURCE_DATE_EPOCH
# where it is set (string(TIMESTAMP) follows it), the clock where not. So two
# builds of the same sources with it set come out the same to the byte: the
# zip is written with that time (in UTC: a zip keeps local times) and fixed
# permissions, wixl writes that time (also as the time of each file in its
# cabinet), and the installer's package code is made from the content.
set(stufe ${CPACK_TEMPORARY_DIRECTORY})
set(plattform x64)
# The zip as CPack made it, before it copies it to the package folder.
list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "[.]zip$")
set(zip ${CPACK_PACKAGE_FILES})
set(msi ${CPACK_PACKAGE_DIRECTORY}/${CPACK_PACKAGE_FILE_NAME}.msi)
file(COPY ${CPACK_ZAPFKONTOR_WXS} ${CPACK_ZAPFKONTOR_ICO} DESTINATION ${stufe})

string(TIMESTAMP sekunden "%s" UTC)
# The clock stands still at that time while wixl and msibuild write. One that
# starts there and runs on lets a slow machine write a second later into the
# summary ("Created", "Last saved") than a fast one.
string(TIMESTAMP stand "%Y-%m-%d %H:%M:%S" UTC)
set(zeit faketime -f "${stand}")

# zip -X leaves out the extra fields with the files' other times and owners;
# what stays is each file's time, in UTC, and its permissions.
set(gleich ${stufe}/gleich)
file(REMOVE_RECURSE ${gleich})
list(TRANSFORM CPACK_ZAPFKONTOR_INHALT PREPEND ${stufe}/ OUTPUT_VARIABLE dateien)
file(COPY ${dateien} DESTINATION ${gleich} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(CHMOD ${gleich}/tankumat.exe PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                              WORLD_EXECUTE)
set(ENV{TZ} UTC)
file(REMOVE ${zip})
execute_process(COMMAND touch -d "@${sekunden}" ${CPACK_ZAPFKONTOR_INHALT} WORKING_DIRECTORY ${gleich}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND zip -X -D -q ${zip} ${CPACK_ZAPFKONTOR_INHALT} WORKING_DIRECTORY ${gleich}
                COMMAND_ERROR_IS_FATAL ANY)

# The cabinet inside the installer keeps each file's time.
execute_process(COMMAND touch -d "@${sekunden}" tankumat.exe tankumat.ico tankumat.wxs WORKING_DIRECTORY ${stufe}
                COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${zeit} wixl -a ${plattform} -o ${msi} tankumat.wxs WORKING_DIRECTORY ${stufe}
                COMMAND_ERROR_IS_FATAL ANY)

# The summary information as the package is: its template says the
# platform and the package's language, where wixl writes English (1033)
# whatever the package's; and the package code, random from wixl, names this
# package among all: one made from what it holds. msibuild -s sets subject,
# author, template and package code together, so subject and author are
# passed as wixl wrote them.
execute_process(COMMAND msiinfo suminfo ${msi} OUTPUT_VARIABLE summe COMMAND_ERROR_IS_FATAL ANY)
foreach(feld Subject Author)
    if(NOT summe MATCHES "${feld}: ([^\n]*)")
        message(FATAL_ERROR "msiinfo says no ${feld} of ${msi}")
    endif()
    set(${feld} "${CMAKE_MATCH_1}")
endforeach()
set(inhalt "")
foreach(datei tankumat.wxs tankumat.ico tankumat.exe)
    file(SHA256 ${stufe}/${datei} summe)
    string(APPEND inhalt "${datei}=${summe};")
endforeach()
string(UUID paketcode NAMESPACE ${CPACK_ZAPFKONTOR_UPGRADE_CODE} NAME "${inhalt}" TYPE SHA1 UPPER)
execute_process(COMMAND ${zeit} msibuild ${msi} -s "${Subject}" "${Author}" "${plattform};${CPACK_ZAPFKONTOR_SPRACHE}"
                        "{${paketcode}}" COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "- package: ${msi} generated.")
