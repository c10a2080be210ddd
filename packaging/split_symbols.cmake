# SPDX-License-Identifier: GPL-3.0-or-later
# Installs one part of the built program, as Debian's packages split it:
#   part "program": the program, stripped, with a link to its symbols;
#   part "symbols": its debugging symbols, under its build ID in
#   lib/debug/.build-id, where debuggers look for them.
# Run at install time with SLEEVIX_PROGRAM (the built program), part, a
# scratch folder, OBJCOPY, READELF and the install folders set. Each part
# makes the symbols file from the built program the same way, so the link's
# checksum fits the file the other part installs.
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE "${scratch}")
file(MAKE_DIRECTORY "${scratch}")
get_filename_component(program_name "${SLEEVIX_PROGRAM}" NAME)
set(stripped "${scratch}/${program_name}")
file(COPY_FILE "${SLEEVIX_PROGRAM}" "${stripped}")
# The compiler's version notes that the C runtime's start files bring along
# have no use in an installed program; Debian's own packages drop them too.
execute_process(COMMAND "${OBJCOPY}" --remove-section=.comment "${stripped}" COMMAND_ERROR_IS_FATAL ANY)

execute_process(COMMAND "${READELF}" -n "${stripped}" OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
  message(FATAL_ERROR "${SLEEVIX_PROGRAM} has no build ID to file its symbols under")
endif()
set(id_folder ${CMAKE_MATCH_1})
set(symbols "${scratch}/${CMAKE_MATCH_2}.debug")
execute_process(COMMAND "${OBJCOPY}" --only-keep-debug "${stripped}" "${symbols}" COMMAND_ERROR_IS_FATAL ANY)

if(part STREQUAL "program")
  execute_process(COMMAND "${OBJCOPY}" --strip-all "--add-gnu-debuglink=${symbols}" "${stripped}"
                  COMMAND_ERROR_IS_FATAL ANY)
  file(INSTALL "${stripped}" DESTINATION "${CMAKE_INSTALL_PREFIX}/${SLEEVIX_BINDIR}"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
else()
  file(INSTALL "${symbols}" DESTINATION "${CMAKE_INSTALL_PREFIX}/lib/debug/.build-id/${id_folder}"
       FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  # The symbols package's documents (copyright, changelog) are the
  # program's, which it depends on.
  if(NOT SLEEVIX_LINK_DOCUMENTS)
    file(REMOVE_RECURSE "${scratch}")
    return()
  endif()
  set(documents "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${SLEEVIX_DOCDIR}")
  file(MAKE_DIRECTORY "${documents}")
  file(CREATE_LINK sleevix "${documents}/sleevix-dbgsym" SYMBOLIC)
endif()
file(REMOVE_RECURSE "${scratch}")
