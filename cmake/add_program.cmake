# add_program(<name> <library>): one of the six programs, a thin executable
# built from programs/<name>.cpp of the calling folder and linked with that
# folder's library. Every program is put into the top folder of the build
# tree, where ./run starts it.
include_guard(GLOBAL)

function(add_program name library)
  add_executable(${name} programs/${name}.cpp)
  target_link_libraries(${name} PRIVATE ${library})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()
