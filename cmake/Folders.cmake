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

# A portable core library made of every .cpp in the current folder, linked to DEPS.
# While a folder has no source yet it is an interface library, so its users already link.
function(trelm_glob_core_library name)
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  if(sources)
    add_library(${name} STATIC ${sources})
    target_link_libraries(${name} PUBLIC ${ARGN})
  else()
    add_library(${name} INTERFACE)
    target_link_libraries(${name} INTERFACE ${ARGN})
  endif()
endfunction()

# Puts the shipped texts and the generated skin beside a Windows test or benchmark program, where the windows look
# for them (the folder of the running executable).
function(trelm_stage_program_files target)
  configure_file(${TRELM_STRINGS_FILE} ${CMAKE_CURRENT_BINARY_DIR}/Strings.xml COPYONLY)
  file(CREATE_LINK ${CMAKE_BINARY_DIR}/Skins ${CMAKE_CURRENT_BINARY_DIR}/Skins SYMBOLIC)
  add_dependencies(${target} skinart)
endfunction()
