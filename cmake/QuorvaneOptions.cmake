# One interface target carries the language level and the warnings for every target of the project.
add_library(quorvane_options INTERFACE)
target_compile_features(quorvane_options INTERFACE cxx_std_17)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(quorvane_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow
    # Tables built at compile time (the wheel's rank chunks) take more steps than clang's default.
    $<$<CXX_COMPILER_ID:Clang>:-fconstexpr-steps=100000000>)

if(QUORVANE_WERROR)
    target_compile_options(quorvane_options INTERFACE -Werror)
    target_compile_definitions(quorvane_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

if(QUORVANE_SANITIZE)
    target_compile_options(quorvane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined
                           # GCC 12 reports false maybe-uninitialized warnings in Qt's moves under ASan.
                           $<$<CXX_COMPILER_ID:GNU>:-Wno-maybe-uninitialized>)
    target_link_options(quorvane_options INTERFACE -fsanitize=address,undefined)
endif()

if(QUORVANE_BUILD_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "QUORVANE_BUILD_FUZZ needs clang (libFuzzer): configure with CMAKE_CXX_COMPILER=clang++")
    endif()
    # Coverage feedback from every library the targets call, not only from the targets.
    target_compile_options(quorvane_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Registers one GoogleTest program: quorvane_add_test(NAME SOURCES... LIBS lib...)
function(quorvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorvane_options)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
