# One interface target carries the language level and the warnings for every target of the project.
add_library(quorvane_options INTERFACE)
target_compile_features(quorvane_options INTERFACE cxx_std_17)
set(CMAKE_CXX_EXTENSIONS OFF)
target_compile_options(quorvane_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor -Woverloaded-virtual -Wshadow)

if(QUORVANE_WERROR)
    target_compile_options(quorvane_options INTERFACE -Werror)
    target_compile_definitions(quorvane_options INTERFACE _GLIBCXX_ASSERTIONS)
endif()

if(QUORVANE_SANITIZE)
    target_compile_options(quorvane_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                           -fno-sanitize-recover=undefined
                           # GCC 12 reports false maybe-uninitialized warnings in Qt's moves under ASan.
                           -Wno-maybe-uninitialized)
    target_link_options(quorvane_options INTERFACE -fsanitize=address,undefined)
endif()

# Registers one GoogleTest program: quorvane_add_test(NAME SOURCES... LIBS lib...)
function(quorvane_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} quorvane_options)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
