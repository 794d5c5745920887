# Flags shared by every target of the project.
add_library(finplan_flags INTERFACE)
target_compile_features(finplan_flags INTERFACE cxx_std_20)
target_compile_options(finplan_flags INTERFACE -Wall -Wextra -Wshadow -Wold-style-cast
    -Wnon-virtual-dtor -ffp-contract=off)

# The test build treats every warning as an error, so none creeps back in unnoticed.
option(FINPLAN_WERROR "Treat compiler warnings as errors" OFF)
if(FINPLAN_WERROR)
    target_compile_options(finplan_flags INTERFACE -Werror)
endif()
target_include_directories(finplan_flags INTERFACE ${PROJECT_SOURCE_DIR})

if(FINPLAN_SANITIZE)
    target_compile_options(finplan_flags INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(finplan_flags INTERFACE -fsanitize=address,undefined)
endif()

# Helper: a GoogleTest executable registered with CTest.
function(finplan_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE finplan_flags ${T_LIBS} GTest::gtest GTest::gtest_main)
    gtest_discover_tests(${name} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
        DISCOVERY_MODE PRE_TEST PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
