# The include rule of a leaf library: its files may include standard C++ headers and
# the project headers it names, nothing else.
#
#   solvane_leaf_include_violations(<out-var> FILES <file>... ALLOWED <path>...)
#
# Sets <out-var> to one "<file>: <line>" entry for each #include line of FILES that
# names neither a standard header (<name>: lower-case letters and underscores, no dot
# and no slash, as <string> or <cstdint>) nor, in double quotes, one of the ALLOWED
# paths, which are written as the sources write them (from the top of the tree).
function(solvane_leaf_include_violations out_var)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "FILES;ALLOWED")
  set(violations)
  foreach(file IN LISTS arg_FILES)
    file(STRINGS ${file} include_lines REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS include_lines)
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<[a-z_]+>")
        continue()
      endif()
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]+)\"")
        if(CMAKE_MATCH_1 IN_LIST arg_ALLOWED)
          continue()
        endif()
      endif()
      list(APPEND violations "${file}: ${line}")
    endforeach()
  endforeach()
  set(${out_var} ${violations} PARENT_SCOPE)
endfunction()
