# Shared part of the two mingw-w64 toolchain files. The -posix compilers are
# used because GoogleTest needs std::mutex, which the -win32 thread model lacks.
set(CMAKE_C_COMPILER ${KESTREL_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KESTREL_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KESTREL_TRIPLET}-windres)
set(KESTREL_WIDL ${KESTREL_TRIPLET}-widl)
set(KESTREL_OBJDUMP ${KESTREL_TRIPLET}-objdump)

set(CMAKE_FIND_ROOT_PATH /usr/${KESTREL_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run through Wine; the wrapper keeps a private prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)

# A compiler cache where the machine has one. Its paths are taken relative
# to the source tree, so that another clone or work tree of the repository
# (CI's fresh clone among them) finds what this one compiled.
find_program(KESTREL_CCACHE ccache)
if(KESTREL_CCACHE)
  get_filename_component(KESTREL_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
  set(KESTREL_LAUNCHER env CCACHE_BASEDIR=${KESTREL_SOURCE_ROOT} CCACHE_NOHASHDIR=true ${KESTREL_CCACHE})
  set(CMAKE_C_COMPILER_LAUNCHER ${KESTREL_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${KESTREL_LAUNCHER})
endif()
