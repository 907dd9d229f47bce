# tarnwick_public_headers(OUT ROOT UMBRELLA)
# The public headers are exactly those an embedding application reaches from the umbrella
# header: its quoted includes, theirs, and so on. OUT gets them as paths relative to ROOT
# (the umbrella itself, under include/, is not among them). Internal headers that no public
# header includes (reader internals, engine caches, ...) are thereby never installed, and a
# header that becomes public by being included is installed without editing a list.
function(tarnwick_public_headers out root umbrella)
  set(_pending "${umbrella}")
  set(_seen "")
  set(_public "")
  while(_pending)
    list(POP_FRONT _pending _file)
    get_filename_component(_dir "${_file}" DIRECTORY)
    file(STRINGS "${_file}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(_line IN LISTS _lines)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\".*" "\\1" _name "${_line}")
      # The compiler looks beside the including file first, then on the include path,
      # which is the source root here and include/tarnwick once installed.
      if(EXISTS "${_dir}/${_name}")
        cmake_path(ABSOLUTE_PATH _name BASE_DIRECTORY "${_dir}" NORMALIZE OUTPUT_VARIABLE _path)
      elseif(EXISTS "${root}/${_name}")
        cmake_path(ABSOLUTE_PATH _name BASE_DIRECTORY "${root}" NORMALIZE OUTPUT_VARIABLE _path)
      else()
        message(FATAL_ERROR "${_file} includes \"${_name}\", which is not in ${root}")
      endif()
      # list(FIND), not IN_LIST: this also runs in install scripts, under old policies.
      list(FIND _seen "${_path}" _index)
      if(_index EQUAL -1)
        list(APPEND _seen "${_path}")
        list(APPEND _pending "${_path}")
        cmake_path(RELATIVE_PATH _path BASE_DIRECTORY "${root}" OUTPUT_VARIABLE _relative)
        list(APPEND _public "${_relative}")
      endif()
    endforeach()
  endwhile()
  list(SORT _public)
  set(${out} "${_public}" PARENT_SCOPE)
endfunction()
