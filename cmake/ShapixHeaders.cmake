# The public headers: Shapix.h and everything it reaches through quoted
# includes, resolved as the compiler does with the repository root on the
# include path. Walked when installing and when building the reference,
# never at configure time, so a header edit does not re-run CMake and a new
# include is always followed. Other headers in the library folders (GTK
# host pieces, internals) stay out of the -dev package.

# shapix_public_headers(<root> <out-var>): paths relative to <root>.
function(shapix_public_headers root out_var)
  set(pending Shapix.h)
  set(seen)
  while(pending)
    list(POP_FRONT pending header)
    # list(FIND), not IN_LIST: install and -P scripts run without policies.
    list(FIND seen "${header}" known)
    if(NOT known EQUAL -1)
      continue()
    endif()
    list(APPEND seen ${header})
    file(STRINGS "${root}/${header}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    get_filename_component(dir "${header}" DIRECTORY)
    foreach(line IN LISTS lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" name "${line}")
      if(dir AND EXISTS "${root}/${dir}/${name}")
        set(found "${dir}/${name}")
      elseif(EXISTS "${root}/${name}")
        set(found "${name}")
      else()
        message(FATAL_ERROR "${header} includes \"${name}\", which is not under ${root}")
      endif()
      cmake_path(NORMAL_PATH found)
      list(APPEND pending ${found})
    endforeach()
  endwhile()
  list(SORT seen)
  set(${out_var} ${seen} PARENT_SCOPE)
endfunction()

# shapix_install_public_headers(<root> <destination>): from an install()
# CODE block; file(INSTALL) honours DESTDIR and the install manifest.
function(shapix_install_public_headers root destination)
  shapix_public_headers("${root}" headers)
  foreach(header IN LISTS headers)
    get_filename_component(dir "${header}" DIRECTORY)
    file(INSTALL "${root}/${header}" DESTINATION "${destination}/${dir}")
  endforeach()
endfunction()
