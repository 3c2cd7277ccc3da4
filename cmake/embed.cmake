# dorvan_embed(TARGET NAME FILE...) compiles the bytes of the files into TARGET as
# `dorvan::embedded::NAME`, an array of spans in the order of the files, declared where it is
# used. The source is made again whenever a file changes.
set(DORVAN_EMBED_SCRIPT ${CMAKE_CURRENT_LIST_DIR}/embed_files.cmake)

function(dorvan_embed target name)
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
  string(REPLACE ";" "|" files "${ARGN}")
  add_custom_command(
    OUTPUT ${source}
    COMMAND ${CMAKE_COMMAND} -DNAME=${name} -DOUTPUT=${source} "-DFILES=${files}"
            -P ${DORVAN_EMBED_SCRIPT}
    DEPENDS ${ARGN} ${DORVAN_EMBED_SCRIPT}
    COMMENT "Embedding ${name}"
    VERBATIM)
  target_sources(${target} PRIVATE ${source})
endfunction()
