# Run by CPack once the .deb is made, before it copies it to the package
# folder: the archive's three members written again with ar's deterministic
# mode (rw-r--r--, owner 0, time 0), as CPack gives them the mode of the
# files it wrote, and so the umask of whoever builds.
list(FILTER CPACK_PACKAGE_FILES INCLUDE REGEX "[.]deb$")
foreach(deb IN LISTS CPACK_PACKAGE_FILES)
    set(teile ${deb}.teile)
    file(REMOVE_RECURSE ${teile})
    file(MAKE_DIRECTORY ${teile})
    execute_process(COMMAND ar x ${deb} WORKING_DIRECTORY ${teile} RESULT_VARIABLE fehler)
    if(NOT fehler)
        file(REMOVE ${deb})
        # The order dpkg wants: debian-binary first.
        execute_process(COMMAND ar rcD ${deb} debian-binary control.tar.gz data.tar.gz WORKING_DIRECTORY ${teile}
                        RESULT_VARIABLE fehler)
    endif()
    if(fehler)
        message(FATAL_ERROR "could not write ${deb} again")
    endif()
    file(REMOVE_RECURSE ${teile})
endforeach()
