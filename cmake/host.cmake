# The Linux build: unit tests through the seams, under AddressSanitizer and UBSan; the
# benchmark (unsanitized, optimised); the fuzz targets.
find_package(GTest REQUIRED)
include(GoogleTest)

set(DAYVANE_SANITIZERS -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

function(dayvane_sanitize target)
    target_compile_options(${target} PRIVATE ${DAYVANE_SANITIZERS})
    target_link_options(${target} PRIVATE ${DAYVANE_SANITIZERS})
endfunction()

dayvane_sanitize(dayvane_cipher)

add_subdirectory(tests/unit)
add_subdirectory(bench)
add_subdirectory(fuzz)
