# SPDX-License-Identifier: GPL-3.0-or-later
# Debian's hardening as this project's defaults: stack protection, control-
# flow protection, fortified C library calls where the code is optimised,
# and a read-only relocation table bound at start. Each flag only where the
# compiler accepts it (-fcf-protection is x86's alone), and none where the
# packager passed hardening of their own (dpkg-buildflags' CXXFLAGS,
# CPPFLAGS and LDFLAGS), which then stands as given.
include(CheckCXXCompilerFlag)

set(sleevix_packager_flags "${CMAKE_CXX_FLAGS} $ENV{CPPFLAGS}")
if(sleevix_packager_flags MATCHES "-fstack-protector|_FORTIFY_SOURCE")
  message(STATUS "Hardening: the packager's compiler flags")
else()
  set(sleevix_hardening "")
  # The format pair goes together: the second alone draws a warning.
  foreach(flags "-fstack-protector-strong" "-fstack-clash-protection" "-fcf-protection"
                "-Wformat -Werror=format-security")
    string(MAKE_C_IDENTIFIER "SLEEVIX_ACCEPTS ${flags}" accepted)
    check_cxx_compiler_flag("${flags}" ${accepted})
    if(${accepted})
      separate_arguments(each UNIX_COMMAND "${flags}")
      list(APPEND sleevix_hardening ${each})
    endif()
  endforeach()
  message(STATUS "Hardening: ${sleevix_hardening}")
  add_compile_options(${sleevix_hardening} $<$<NOT:$<CONFIG:Debug>>:-D_FORTIFY_SOURCE=2>)
endif()

if(CMAKE_EXE_LINKER_FLAGS MATCHES "relro")
  message(STATUS "Hardening: the packager's linker flags")
else()
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
