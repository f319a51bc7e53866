# One check program per library: it links the whole archive of that library
# and, for everything else, only what the library declares. Libraries are
# static, so without the whole archive a linker would pull no object and miss
# a missing link arrow; with it, every undefined symbol of every object must
# be found in the library's own link closure. The program's main references
# nothing. Build them one target at a time (tools/check_link_closure.sh).

function(ondrel_collect_library_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  set(found "")
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY")
      list(APPEND found ${target})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    ondrel_collect_library_targets(${subdir} below)
    list(APPEND found ${below})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

ondrel_collect_library_targets(${PROJECT_SOURCE_DIR} ondrel_libraries)
set(link_check_main ${CMAKE_BINARY_DIR}/link_check_main.cpp)
file(WRITE ${link_check_main} "int main() { return 0; }\n")
set(link_check_names "")
foreach(library IN LISTS ondrel_libraries)
  set(check link_check_${library})
  add_executable(${check} EXCLUDE_FROM_ALL ${link_check_main})
  target_link_libraries(${check} PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>")
  list(APPEND link_check_names ${check})
endforeach()
list(JOIN link_check_names "\n" link_check_lines)
file(WRITE ${CMAKE_BINARY_DIR}/link_checks.txt "${link_check_lines}\n")
