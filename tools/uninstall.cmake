# SPDX-License-Identifier: MIT
# `make uninstall`: removes what the last `make install` wrote, as its install manifest lists
# it (one path a line, DESTDIR included: the Makefile adds it), then the folders of our own it
# leaves empty.
#
#   cmake -DMANIFEST=build/install_manifest.txt -P tools/uninstall.cmake

if(NOT MANIFEST OR NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} is missing (`make install` writes "
                        "it into the build folder).")
endif()

file(STRINGS "${MANIFEST}" files)
set(removed 0)
set(gone 0)
set(failed)
set(own_dirs)
foreach(file IN LISTS files)
    if(NOT file)
        continue()
    endif()
    if(NOT EXISTS "${file}" AND NOT IS_SYMLINK "${file}")
        math(EXPR gone "${gone} + 1")
        continue()
    endif()
    file(REMOVE "${file}")
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        list(APPEND failed "${file}")
        continue()
    endif()
    math(EXPR removed "${removed} + 1")
    # share/corvel/ (with its subfolders) and the like are ours alone; shared folders (bin/,
    # share/icons/...) stay. Every folder from the file's own up to the topmost one named after
    # us is a candidate.
    get_filename_component(dir "${file}" DIRECTORY)
    set(chain)
    set(ours)
    while(dir AND NOT dir STREQUAL "/")
        list(APPEND chain "${dir}")
        get_filename_component(dir_name "${dir}" NAME)
        string(TOLOWER "${dir_name}" dir_name)
        if(dir_name MATCHES "corvel")
            set(ours "${chain}")
        endif()
        get_filename_component(dir "${dir}" DIRECTORY)
    endwhile()
    list(APPEND own_dirs ${ours})
endforeach()

# Deepest first, so a parent is looked at after its subfolders are gone.
list(REMOVE_DUPLICATES own_dirs)
list(SORT own_dirs ORDER DESCENDING)
foreach(dir IN LISTS own_dirs)
    file(GLOB left "${dir}/*")
    if(NOT left)
        file(REMOVE_RECURSE "${dir}")
    endif()
endforeach()

message(STATUS "Uninstalled: ${removed} files removed, ${gone} already gone.")
if(failed)
    list(JOIN failed "\n  " failed_lines)
    message(FATAL_ERROR "Could not remove (run `sudo make uninstall` for a system prefix):\n  "
                        "${failed_lines}")
endif()
