# The direction of the layers, enforced by the build: each target sees, under the root-relative
# names it includes ("foundation/Settings.h"), only the folders of its own layer and the layers
# below it. An include against the direction does not compile.
#
# plinker_layer(TARGET FOLDERS folder ...): the folders, relative to the source root, that the
# target may include from; a private include root of symbolic links to just those folders.
function(plinker_layer target)
    cmake_parse_arguments(ARG "" "" "FOLDERS" ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    foreach(folder ${ARG_FOLDERS})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        if(NOT EXISTS ${root}/${folder})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
        endif()
    endforeach()
    target_include_directories(${target} PRIVATE ${root})
endfunction()
