# The direction of the layers, enforced by the build: each target sees, under the root-relative
# names it includes ("foundation/Settings.h"), only the folders of its own layer and the layers
# below it. An include against the direction does not compile.
#
# plinker_layer(TARGET FOLDERS folder ...): the folders, relative to the source root, that the
# target may include from; a private include root of symbolic links to just those folders, made
# anew at every configure so that a folder taken off the line is no longer seen.
function(plinker_layer target)
    cmake_parse_arguments(ARG "" "" "FOLDERS" ${ARGN})
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    file(REMOVE_RECURSE ${root})
    foreach(folder ${ARG_FOLDERS})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} PRIVATE ${root})
endfunction()

# A relative include ("../keyboard/Geometry.h") would reach past the layer's include root: the
# configure refuses any.
function(plinker_refuse_relative_includes)
    set(patterns)
    foreach(folder foundation keyboard imserver setup platform resources tools bench tests)
        list(APPEND patterns ${folder}/*.cpp ${folder}/*.h ${folder}/*.rc)
    endforeach()
    file(GLOB_RECURSE sources RELATIVE ${CMAKE_SOURCE_DIR} ${patterns})
    foreach(source ${sources})
        file(STRINGS ${CMAKE_SOURCE_DIR}/${source} escapes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<][^\">]*\\.\\./")
        if(escapes)
            message(FATAL_ERROR "${source} includes by a relative path: ${escapes}")
        endif()
    endforeach()
endfunction()
plinker_refuse_relative_includes()
