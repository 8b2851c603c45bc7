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

# The import library of orgapi32.dll: ordinals only, no names.
set(ORGAPI32_IMPORT_LIBRARY ${CMAKE_BINARY_DIR}/liborgapi32_ordinals.a)
add_custom_command(
    OUTPUT ${ORGAPI32_IMPORT_LIBRARY}
    COMMAND i686-w64-mingw32-dlltool -d ${PROJECT_SOURCE_DIR}/vanetick/organizer/orgapi32_ordinals.def
            -l ${ORGAPI32_IMPORT_LIBRARY}
    DEPENDS ${PROJECT_SOURCE_DIR}/vanetick/organizer/orgapi32_ordinals.def
    COMMENT "Import library of orgapi32.dll by ordinal")
add_custom_target(orgapi32_import_library DEPENDS ${ORGAPI32_IMPORT_LIBRARY})
add_library(orgapi32_ordinals STATIC IMPORTED)
set_target_properties(orgapi32_ordinals PROPERTIES IMPORTED_LOCATION ${ORGAPI32_IMPORT_LIBRARY})
add_dependencies(orgapi32_ordinals orgapi32_import_library)

# The reminder's logic, shared by the program and nothing else on Windows.
add_library(vanetick_logic STATIC
    vanetick/calendar_scan.cpp vanetick/command_line.cpp vanetick/days_argument.cpp
    vanetick/message_intercept.cpp vanetick/organizer_session.cpp vanetick/reminder.cpp
    vanetick/reminder_messages.cpp)
target_include_directories(vanetick_logic PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(vanetick_logic PUBLIC dayvane_cipher)

add_executable(vanetick WIN32
    vanetick/main.cpp vanetick/organizer/organizer_binding.cpp vanetick/vanetick.rc)
target_link_libraries(vanetick PRIVATE vanetick_logic orgapi32_ordinals shell32)
# The .def names the one export; handed to the linker as an input, as CMake does not for programs.
target_link_options(vanetick PRIVATE -s ${PROJECT_SOURCE_DIR}/vanetick/vanetick.def)
set_property(TARGET vanetick APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/vanetick/vanetick.def)

# Our stand-in orgapi32.dll, beside the reminder.
add_library(orgapi32 SHARED standin/orgapi32/orgapi32.cpp standin/orgapi32/organizer_file.cpp
    standin/orgapi32/orgapi32.def)
target_include_directories(orgapi32 PRIVATE ${PROJECT_SOURCE_DIR})
set_target_properties(orgapi32 PROPERTIES PREFIX "" OUTPUT_NAME orgapi32
    RUNTIME_OUTPUT_DIRECTORY ${DAYVANE_BIN_DIR})
target_link_options(orgapi32 PRIVATE -s)

include(GoogleTest)
add_subdirectory(tests/wine)
