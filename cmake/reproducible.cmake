# SPDX-License-Identifier: GPL-3.0-or-later
# The same source gives the same program wherever it is built: the paths of
# the checkout and of the build tree are written into the objects (debugging
# information, the file names of assertions) as "." and "build", and the
# resources carry no file times. Two clones at different paths then give
# bit-identical binaries, and so the same build ID for their debugging
# symbols. A packager's own path mapping (dpkg-buildflags' fixfilepath)
# stands as given.
include(CheckCXXCompilerFlag)
include(CheckLinkerFlag)

if(CMAKE_CXX_FLAGS MATCHES "-f(file|debug)-prefix-map")
  message(STATUS "Build paths: the packager's prefix map")
else()
  # -ffile-prefix-map covers debugging information and __FILE__; compilers
  # without it still map the debugging information.
  check_cxx_compiler_flag("-ffile-prefix-map=/a=b" SLEEVIX_ACCEPTS_FILE_PREFIX_MAP)
  if(SLEEVIX_ACCEPTS_FILE_PREFIX_MAP)
    set(prefix_map_option -ffile-prefix-map)
  else()
    set(prefix_map_option -fdebug-prefix-map)
  endif()
  # The compiler takes the last mapping that matches, so the inner tree's
  # comes last (build/<name> inside the checkout, as scripts/build.sh makes it).
  set(source_map "${prefix_map_option}=${CMAKE_SOURCE_DIR}=.")
  set(build_map "${prefix_map_option}=${CMAKE_BINARY_DIR}=build")
  string(FIND "${CMAKE_SOURCE_DIR}/" "${CMAKE_BINARY_DIR}/" source_inside_build)
  if(source_inside_build EQUAL 0)
    add_compile_options(${build_map} ${source_map})
  else()
    add_compile_options(${source_map} ${build_map})
  endif()
endif()

# Qt's meta-object code includes each header by its path from the nearest
# include folder rather than by a climb from the build tree, whose depth
# would otherwise show in the debugging information.
set(CMAKE_AUTOMOC_PATH_PREFIX ON)

# Qt's resource compiler stamps each file with its modification time, which
# is the checkout's; the first format has no time stamps (nothing here asks
# a resource for its time).
set(CMAKE_AUTORCC_OPTIONS --format-version 1)

# The program names its split-off debugging symbols by a build ID, a hash of
# its content: the package of symbols files them under it, and a debugger
# finds them by it. Debian's linker adds one by default; others are asked.
check_linker_flag(CXX "-Wl,--build-id" SLEEVIX_LINKER_ACCEPTS_BUILD_ID)
if(SLEEVIX_LINKER_ACCEPTS_BUILD_ID AND NOT CMAKE_EXE_LINKER_FLAGS MATCHES "--build-id")
  add_link_options(-Wl,--build-id)
endif()
