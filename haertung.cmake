# The hardening every binary of the project is built with, whoever builds it.
if(WIN32)
    # Stack protector (mingw-w64 links libssp in, statically), and the
    # address space layout randomisation with high entropy and the data
    # execution prevention Windows offers, said rather than left to the
    # linker's defaults.
    add_compile_options(-fstack-protector-strong)
    add_link_options(-fstack-protector-strong -Wl,--dynamicbase,--high-entropy-va,--nxcompat)
elseif(NOT CMAKE_BUILD_TYPE STREQUAL "Debug")
    # Debian 12's hardening for every optimised build (dpkg-buildflags with
    # hardening=+all): stack protector, fortified calls, format checks,
    # read-only relocations bound at start, a position-independent program.
    # Put before the flags of a packager, whose own so come on top.
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    string(PREPEND CMAKE_CXX_FLAGS "-fstack-protector-strong -D_FORTIFY_SOURCE=2 -Wformat -Werror=format-security ")
    string(PREPEND CMAKE_EXE_LINKER_FLAGS "-Wl,-z,relro -Wl,-z,now ")
endif()
