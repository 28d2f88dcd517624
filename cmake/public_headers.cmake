# A library's users reach its headers, and no other file of the tree, by
# their paths from the top ("calc/civil.h"): each library gets an include
# folder of its own in the build, holding links to just the headers among its
# sources, so that an include across the layers fails to compile instead of
# slipping through. Called where the target's sources are all listed.
function(orvandel_public_headers target)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.h$")
    foreach(header IN LISTS sources)
        file(RELATIVE_PATH path ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR}/${header})
        get_filename_component(folder ${root}/${path} DIRECTORY)
        file(MAKE_DIRECTORY ${folder})
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${root}/${path} SYMBOLIC)
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL INTERFACE_LIBRARY)
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
