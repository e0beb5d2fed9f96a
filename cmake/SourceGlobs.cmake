# Sources are found by folder, so that adding a file needs no edit here; CONFIGURE_DEPENDS makes
# the build notice a new file. Paths are relative to the calling CMakeLists.txt.
function(tabwright_sources out)
    set(files)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS
            ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.h)
        list(APPEND files ${found})
    endforeach()
    set(${out} ${files} PARENT_SCOPE)
endfunction()
