# The warnings every target of the project is built with, per compiler: GCC
# (and mingw-w64's GCC) builds the programs, Clang the calculation's fuzzer.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(-Wall -Wextra -Woverloaded-virtual)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options(-Wall -Wextra -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow-field-in-constructor
                        -Wunreachable-code)
endif()
