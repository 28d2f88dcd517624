# A library's users reach its headers, and no other file of the tree, by
# their paths from the top ("calc/civil.h"): each library gets an include
# folder of its own in the build, holding links to just the headers among its
# sources, so that an include across the layers fails to compile instead of
# slipping through. Called where the target's sources are all listed.
# With PUBLISH, only the headers named after it reach the library's users; the
# library itself reaches all of its own.
function(orvandel_public_headers target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" PUBLISH)
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.h$")
    if(NOT arg_PUBLISH)
        set(arg_PUBLISH ${sources})
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL INTERFACE_LIBRARY)
        set(scope INTERFACE)
    else()
        set(scope PUBLIC)
    endif()
    orvandel_link_headers(${PROJECT_BINARY_DIR}/include/${target} ${arg_PUBLISH})
    target_include_directories(${target} ${scope} ${PROJECT_BINARY_DIR}/include/${target})
    if(NOT sources STREQUAL arg_PUBLISH)
        orvandel_link_headers(${PROJECT_BINARY_DIR}/include-own/${target} ${sources})
        target_include_directories(${target} PRIVATE ${PROJECT_BINARY_DIR}/include-own/${target})
    endif()
endfunction()

# Links each header, by its path from the top, under `root`.
function(orvandel_link_headers root)
    foreach(header IN LISTS ARGN)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        get_filename_component(folder ${root}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${path} SYMBOLIC)
    endforeach()
endfunction()
