# Adds every direct subfolder of the current folder that has a CMakeLists.txt, in name order,
# so each area (tests/store, tools/companion, ...) is wired in by its own file alone.
function(trelm_add_child_folders)
  file(GLOB children LIST_DIRECTORIES true CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*)
  list(SORT children)
  foreach(child IN LISTS children)
    if(IS_DIRECTORY ${child} AND EXISTS ${child}/CMakeLists.txt)
      add_subdirectory(${child})
    endif()
  endforeach()
endfunction()
