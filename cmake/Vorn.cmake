# Helpers that turn the source folders into the suite's binaries. Sources are globbed so that a
# new class pair needs no edit here.

set(VORN_SYSTEM_LIBS user32 gdi32 comctl32 comdlg32 ole32 oleaut32 uuid shlwapi advapi32 shell32
    winspool odbc32 wininet msimg32 version imm32)

# Flags for our own code (not for GoogleTest): GBK literals, warnings high.
function(vorn_flags target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-finput-charset=UTF-8 -fexec-charset=GBK -Wall -Wextra -Wpedantic
        -Wno-unknown-pragmas -Wno-missing-field-initializers>)
    target_compile_definitions(${target} PUBLIC NOMINMAX
        _WIN32_WINNT=0x0601 WINVER=0x0601 STRICT)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

function(vorn_sources out folder)
    file(GLOB_RECURSE srcs CONFIGURE_DEPENDS
        ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.rc)
    set(${out} ${srcs} PARENT_SCOPE)
endfunction()

# vorn_library(NAME folder [SHARED|STATIC] DEPS ...): skipped while the folder has no sources yet.
function(vorn_library name folder kind)
    cmake_parse_arguments(V "" "" "DEPS" ${ARGN})
    vorn_sources(srcs ${folder})
    if(NOT srcs)
        return()
    endif()
    add_library(${name} ${kind} ${srcs})
    vorn_flags(${name})
    set_target_properties(${name} PROPERTIES PREFIX "" DEFINE_SYMBOL ${name}_EXPORTS)
    foreach(dep ${V_DEPS})
        if(TARGET ${dep})
            target_link_libraries(${name} PUBLIC ${dep})
        endif()
    endforeach()
    target_link_libraries(${name} PUBLIC ${VORN_SYSTEM_LIBS})
endfunction()

# One GoogleTest executable per library folder; CTest runs it through Wine as one test.
function(vorn_tests name folder)
    cmake_parse_arguments(V "" "" "DEPS" ${ARGN})
    vorn_sources(srcs tests/${folder})
    if(NOT srcs OR NOT TARGET vorn_test_support)
        return()
    endif()
    add_executable(${name} ${srcs})
    vorn_flags(${name})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
    target_link_libraries(${name} PRIVATE vorn_test_support)
    foreach(dep ${V_DEPS})
        if(TARGET ${dep})
            target_link_libraries(${name} PRIVATE ${dep})
        endif()
    endforeach()
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}/tests/${folder})
endfunction()
