# tw_copy_dlls_beside(<target> <dll targets...>)
# Builds the DLLs before <target> and copies each next to <target>'s executable, where the
# Windows loader (and LoadLibraryA by plain name) finds it.
function(tw_copy_dlls_beside target)
  foreach(dll IN LISTS ARGN)
    add_dependencies(${target} ${dll})
    add_custom_command(TARGET ${target} POST_BUILD
      COMMAND ${CMAKE_COMMAND} -E copy_if_different $<TARGET_FILE:${dll}>
        $<TARGET_FILE_DIR:${target}>)
  endforeach()
endfunction()
