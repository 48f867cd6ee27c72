# Run by CPack once the files are in place and before it packs them: the
# folders as Debian has them, whatever the umask of whoever builds.
file(GLOB_RECURSE ordner LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
list(FILTER ordner EXCLUDE REGEX "/DEBIAN(/|$)")
foreach(pfad IN LISTS ordner)
    if(IS_DIRECTORY ${pfad})
        file(CHMOD ${pfad} PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ
                                       WORLD_EXECUTE)
    endif()
endforeach()
