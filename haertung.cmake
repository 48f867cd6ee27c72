# The hardening every binary of the project is built with, whoever builds it.
if(WIN32)
    # Stack protector (mingw-w64 links libssp in, statically), and the
    # address space layout randomisation with high entropy and the data
    # execution prevention Windows offers, said rather than left to the
    # linker's defaults.
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
elseif(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    # Every optimised build is hardened as the release it is built on builds
    # its packages: dpkg-buildflags with hardening=+all (Debian 13 adds stack
    # clash protection, control-flow protection on amd64 and a stronger
    # fortification to what Debian 12 gives). Only the hardening is taken:
    # the build type keeps its own optimisation and debug information, and
    # the paths stay as CMake writes them. Where dpkg-buildflags is missing,
    # Debian 12's set.
    set(ZAPFKONTOR_HAERTUNG_CXX -fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security)
    set(ZAPFKONTOR_HAERTUNG_LD -Wl,-z,relro -Wl,-z,now)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(DPKG_BUILDFLAGS)
        foreach(art CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(COMMAND env "DEB_BUILD_MAINT_OPTIONS=hardening=+all reproducible=-all"
                                    ${DPKG_BUILDFLAGS} --get ${art} OUTPUT_VARIABLE flaggen
                                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
            separate_arguments(flaggen UNIX_COMMAND "${flaggen}")
            list(FILTER flaggen EXCLUDE REGEX "^-(g.*|O.*)$")
            set(flaggen_${art} ${flaggen})
        endforeach()
        set(ZAPFKONTOR_HAERTUNG_CXX ${flaggen_CPPFLAGS} ${flaggen_CXXFLAGS})
        set(ZAPFKONTOR_HAERTUNG_LD ${flaggen_LDFLAGS})
    endif()
    # The sanitizers want the plain library calls: a fortified one would
    # stop an overflow with glibc's abort instead of their report.
    if(CMAKE_CXX_FLAGS MATCHES "-fsanitize=")
        list(FILTER ZAPFKONTOR_HAERTUNG_CXX EXCLUDE REGEX "_FORTIFY_SOURCE")
    endif()
    message(STATUS "Hardening: ${ZAPFKONTOR_HAERTUNG_CXX} ${ZAPFKONTOR_HAERTUNG_LD}")
    # A position-independent program, and the flags put before a packager's
    # own, whose own so come on top.
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    list(JOIN ZAPFKONTOR_HAERTUNG_CXX " " flaggen)
    string(PREPEND CMAKE_CXX_FLAGS "${flaggen} ")
    list(JOIN ZAPFKONTOR_HAERTUNG_LD " " flaggen)
    string(PREPEND CMAKE_EXE_LINKER_FLAGS "${flaggen} ")
endif()
