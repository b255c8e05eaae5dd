# The example sequences: readable JSON documents in resources/examples, written as .kvs files
# into bin/examples by the build's own vireo-cli (so they are byte for byte what the editor
# writes), and installed beside the language files.
file(GLOB VIREO_EXAMPLE_DOCUMENTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/resources/examples/*.json)
set(VIREO_EXAMPLES_DIR ${CMAKE_BINARY_DIR}/bin/examples)
set(VIREO_EXAMPLE_FILES)
foreach(document IN LISTS VIREO_EXAMPLE_DOCUMENTS)
    get_filename_component(name ${document} NAME_WE)
    set(output ${VIREO_EXAMPLES_DIR}/${name}.kvs)
    add_custom_command(OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VIREO_EXAMPLES_DIR}
        COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:vireo-cli> -DINPUT=${document}
                -DOUTPUT=${output} -P ${CMAKE_SOURCE_DIR}/cmake/WriteExample.cmake
        DEPENDS ${document} vireo-cli ${CMAKE_SOURCE_DIR}/cmake/WriteExample.cmake
        COMMENT "Writing example ${name}.kvs"
        VERBATIM)
    list(APPEND VIREO_EXAMPLE_FILES ${output})
endforeach()
add_custom_target(vireo_examples ALL DEPENDS ${VIREO_EXAMPLE_FILES})
