# Small helpers shared by the project's CMake files.

# Warnings are errors on our own code (not on GoogleTest's).
function(kestrel_strict_warnings target)
  target_compile_options(${target} PRIVATE
    $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror>)
endfunction()

# Windows path of a file of the build tree, as a Wine process sees it.
function(kestrel_wine_path out path)
  string(REPLACE "/" "\\" winpath "${path}")
  set(${out} "Z:${winpath}" PARENT_SCOPE)
endfunction()

set(KESTREL_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)
