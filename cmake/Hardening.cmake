# Debian's hardening for everything built here, as dpkg-buildflags gives it
# plus immediate binding: stack protector, checked string and memory
# functions (these need optimisation, hence not in Debug), a read-only and
# immediately bound relocation table. Fuzz and sanitizer builds carry
# sanitizers instead.
option(QM_HARDENING "Build with Debian's hardening flags" ON)

if(QM_HARDENING AND NOT QM_BUILD_FUZZ AND NOT QM_SANITIZE AND NOT WIN32
   AND CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    add_compile_options(
        -fstack-protector-strong -Wformat -Werror=format-security
        "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
