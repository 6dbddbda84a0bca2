# The sanitizer build that `make test` runs beside the ordinary one: the
# logic library and its unit tests with AddressSanitizer (leaks included) and
# UndefinedBehaviorSanitizer; any report ends the test with a failure.
# Fuzz builds carry their own sanitizers (the top-level list).
if(QM_SANITIZE AND NOT QM_BUILD_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QM_BUILD_FUZZ)
    # Instrument everything the fuzz targets reach, not only their drivers.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined)
    add_link_options(-fsanitize=address,undefined)
endif()
