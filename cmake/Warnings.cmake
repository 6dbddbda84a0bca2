# Compiler warnings for every target built here. A warning fails the build
# where CI is set in the environment when CMake configures (.ci/run sets it),
# and wherever QM_WERROR is switched on.
option(QM_WERROR "Treat compiler warnings as errors" "$ENV{CI}")

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    # Every aggregate here gives its members default values, so a brace list
    # that names only the first few leaves nothing uninitialised.
    add_compile_options(-Wall -Wextra -Wpedantic -Wshadow -Wconversion
                        -Wno-missing-field-initializers)
    if(QM_WERROR)
        add_compile_options(-Werror)
    endif()
elseif(MSVC)
    add_compile_options(/W4)
    if(QM_WERROR)
        add_compile_options(/WX)
    endif()
endif()
