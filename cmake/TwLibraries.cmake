# tw_library_folders(<target> <folder>...)
# Gives <target>, and whatever links it, `#include "<folder>/..."` for each folder named, and
# nothing else: a folder is reached through its own include root in the build tree (a folder
# holding one link to the source folder). A library that includes a header of a library it
# does not link therefore fails to build, which keeps the libraries in their dependency order.
function(tw_library_folders target)
  get_target_property(type ${target} TYPE)
  set(scope PUBLIC)
  if(type STREQUAL "INTERFACE_LIBRARY")
    set(scope INTERFACE)
  endif()
  foreach(folder IN LISTS ARGN)
    set(root ${CMAKE_BINARY_DIR}/include_roots/${folder})
    if(NOT EXISTS ${root}/${folder})
      file(MAKE_DIRECTORY ${root})
      file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    target_include_directories(${target} ${scope} ${root})
  endforeach()
endfunction()
