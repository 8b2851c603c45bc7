# The 32-bit Windows build: the deliverables in build/windows/bin, and the tests that run them
# (and the portable unit tests) under Wine.
enable_language(RC)
set(DAYVANE_BIN_DIR ${CMAKE_BINARY_DIR}/bin)
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${DAYVANE_BIN_DIR})

# Self-contained programs: no C++ runtime or pthread DLL beside them.
add_link_options(-static -static-libgcc -static-libstdc++)

# GoogleTest from Debian's sources, built with the cross compiler.
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# Debian's GoogleTest sources trip a few warnings with this compiler; they are not ours.
foreach(gtest_target gtest gtest_main gmock gmock_main)
    if(TARGET ${gtest_target})
        target_compile_options(${gtest_target} PRIVATE -w)
    endif()
endforeach()

# Wine sees the Linux file system as drive Z:.
set(DAYVANE_WINE_TEST_DATA_DIR "Z:${DAYVANE_TEST_DATA_DIR}")

add_subdirectory(tests/unit)
