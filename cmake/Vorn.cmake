# Helpers that turn the source folders into the suite's binaries. Sources are globbed so that a
# new class pair needs no edit here; what a target links is read from what its files include.

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

# The sources of a folder. A folder that is missing, misspelt or holds no .cpp yet is an error:
# declare a target only once its folder has code.
function(vorn_sources out folder)
    if(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${folder})
        message(FATAL_ERROR "${folder}/ does not exist: declare its target once the folder is built")
    endif()
    file(GLOB_RECURSE cpps CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
    if(NOT cpps)
        message(FATAL_ERROR "${folder}/ holds no .cpp: declare its target once the folder is built")
    endif()
    file(GLOB_RECURSE rcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.rc)
    set(${out} ${cpps} ${rcs} PARENT_SCOPE)
endfunction()

# Records which target builds a folder, so that an include of "<folder>/..." links it.
function(vorn_register folder target)
    set_property(GLOBAL PROPERTY VORN_TARGET_OF_${folder} ${target})
endfunction()

# The targets whose headers the files of a folder include ("common/KvRegKey.h" -> KvCommLib);
# only the given files when there are any. Test folders also include the harness and their own
# files relative to tests/.
function(vorn_include_deps out folder)
    set(files ${ARGN})
    if(NOT files)
        file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h
            ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.rc)
    endif()
    set(deps)
    foreach(file ${files})
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line ${lines})
            string(REGEX MATCH "\"([^\"/]+)/([^\"/]*)" unused "${line}")
            set(key ${CMAKE_MATCH_1})
            if(key STREQUAL "tests")
                set(key tests/${CMAKE_MATCH_2})
            elseif(NOT IS_DIRECTORY ${PROJECT_SOURCE_DIR}/${key} AND IS_DIRECTORY ${PROJECT_SOURCE_DIR}/tests/${key})
                set(key tests/${key})
            endif()
            if(key STREQUAL folder)
                continue()
            endif()
            # Bench programs may reuse the tests' header-only helpers; a test program is no library.
            if(folder STREQUAL "bench" AND key MATCHES "^tests/")
                continue()
            endif()
            get_property(dep GLOBAL PROPERTY VORN_TARGET_OF_${key})
            if(NOT dep)
                file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR} ${file})
                message(FATAL_ERROR "${rel} includes ${key}/ headers, but no target declared before "
                    "${folder}/ builds ${key}/")
            endif()
            list(APPEND deps ${dep})
        endforeach()
    endforeach()
    list(REMOVE_DUPLICATES deps)
    set(${out} ${deps} PARENT_SCOPE)
endfunction()

# vorn_library(NAME folder SHARED|STATIC): links the libraries its headers and sources include.
function(vorn_library name folder kind)
    vorn_sources(srcs ${folder})
    vorn_include_deps(deps ${folder})
    add_library(${name} ${kind} ${srcs})
    vorn_flags(${name})
    set_target_properties(${name} PROPERTIES PREFIX "" DEFINE_SYMBOL ${name}_EXPORTS)
    target_link_libraries(${name} PUBLIC ${deps} ${VORN_SYSTEM_LIBS})
    vorn_register(${folder} ${name})
endfunction()

# A path of the source tree as the test programs see it under Wine, where Z: is the Unix root.
function(vorn_windows_path out path)
    if(NOT CMAKE_HOST_WIN32)
        set(path "Z:${path}")
    endif()
    string(REPLACE "/" "\\\\" path "${path}")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

# The shared test harness: GoogleTest, main() and the helpers of tests/support.
function(vorn_test_support name)
    vorn_sources(srcs tests/support)
    vorn_include_deps(deps tests/support)
    add_library(${name} STATIC ${srcs})
    vorn_flags(${name})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/tests)
    # ws2_32: the loopback HTTP server of the URL tests.
    target_link_libraries(${name} PUBLIC gtest gmock ${deps} ${VORN_SYSTEM_LIBS} ws2_32)
    vorn_register(tests/support ${name})
endfunction()

# One GoogleTest executable per library folder; CTest runs it through Wine as one test. Every
# program links the harness, which holds main(), and what its files include. VORN_TEST_DATA
# names its data folder, tests/<folder>/data, so that it runs from any working folder.
function(vorn_tests name folder)
    vorn_sources(srcs tests/${folder})
    vorn_include_deps(deps tests/${folder})
    list(REMOVE_ITEM deps vorn_test_support)
    add_executable(${name} ${srcs})
    vorn_flags(${name})
    target_link_libraries(${name} PRIVATE vorn_test_support ${deps})
    vorn_windows_path(data_dir ${PROJECT_SOURCE_DIR}/tests/${folder}/data)
    target_compile_definitions(${name} PRIVATE "VORN_TEST_DATA=\"${data_dir}\"")
    add_test(NAME ${name} COMMAND ${name} --gtest_color=no WORKING_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()

# The rooms of a library folder: its sub-folders, lowest first. A file may include the headers of
# its own room and of rooms declared before it, never of a later one; rooms named after APART
# stand side by side and include each other in neither direction. Every source of the folder
# lives in a declared room.
function(vorn_rooms folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "ORDER;APART")
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.h
        ${PROJECT_SOURCE_DIR}/${folder}/*.cpp ${PROJECT_SOURCE_DIR}/${folder}/*.rc)
    foreach(file ${files})
        file(RELATIVE_PATH rel ${PROJECT_SOURCE_DIR}/${folder} ${file})
        string(REGEX MATCH "^[^/]+/" room "${rel}")
        string(REPLACE "/" "" room "${room}")
        list(FIND arg_ORDER "${room}" own)
        if(own EQUAL -1)
            message(FATAL_ERROR "${folder}/${rel} lies in no room of ${folder}/: move it into one of ${arg_ORDER}")
        endif()
        file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"${folder}/")
        foreach(line ${lines})
            string(REGEX MATCH "\"${folder}/([^\"/]+)/" unused "${line}")
            set(target ${CMAKE_MATCH_1})
            list(FIND arg_ORDER "${target}" other)
            if(other EQUAL -1)
                message(FATAL_ERROR "${folder}/${rel} includes a header of ${folder}/ outside its rooms: ${line}")
            elseif(other GREATER own)
                message(FATAL_ERROR "${folder}/${rel} includes ${folder}/${target}/, a room above ${room}/: "
                    "let ${target}/ hand down what it needs (an interface or a message)")
            endif()
            if(NOT target STREQUAL room AND room IN_LIST arg_APART AND target IN_LIST arg_APART)
                message(FATAL_ERROR "${folder}/${rel} includes ${folder}/${target}/, but ${room}/ and ${target}/ "
                    "stand apart: let the room above both connect them")
            endif()
        endforeach()
    endforeach()
endfunction()
