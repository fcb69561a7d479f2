# Writes the header that names what a build was made from, run at every build:
#   cmake -DQEL_SOURCE_DIR=<source folder> -DQEL_VERSION=<x.y.z> -DQEL_OUTPUT=<header>
#         -P cmake/build_identity.cmake
# It defines
#   QEL_VERSION          "1.0.41"                the project's version
#   QEL_VERSION_NUMBERS  1,0,41,0                the same for the version resource's numbers
#   QEL_COMMIT           "<40 hex digits>"       the commit checked out, with "-modified" when
#                                                the files differ from it; "unknown" outside a
#                                                git checkout (sources from an archive)
#   QEL_SOURCE_EPOCH     <seconds since 1970>    SOURCE_DATE_EPOCH when set, else the commit's
#                                                date, else 0: the executable's time stamp
# Nothing here reads the clock, so two builds of one commit get the same
# header. The file is rewritten only when its text changes, so an unchanged
# commit recompiles nothing.
cmake_minimum_required(VERSION 3.20)

foreach(input QEL_SOURCE_DIR QEL_VERSION QEL_OUTPUT)
  if(NOT ${input})
    message(FATAL_ERROR "build_identity.cmake: ${input} is not set")
  endif()
endforeach()
if(NOT QEL_VERSION MATCHES "^([0-9]+)\\.([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "build_identity.cmake: the version ${QEL_VERSION} is not of the form x.y.z")
endif()
set(numbers "${CMAKE_MATCH_1},${CMAKE_MATCH_2},${CMAKE_MATCH_3},0")

set(commit unknown)
set(epoch 0)
find_program(git_program git)
get_filename_component(source "${QEL_SOURCE_DIR}" REALPATH)
if(git_program)
  # The sources are a checkout of their own only when git's top folder is this
  # very folder: an archive unpacked inside some other repository is not.
  execute_process(COMMAND ${git_program} -C ${source} rev-parse --show-toplevel
    OUTPUT_VARIABLE top RESULT_VARIABLE top_failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT top_failed)
    get_filename_component(top "${top}" REALPATH)
  endif()
  if(NOT top_failed AND top STREQUAL source)
    execute_process(COMMAND ${git_program} -C ${source} log -1 --format=%H%n%ct HEAD
      OUTPUT_VARIABLE head RESULT_VARIABLE head_failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(NOT head_failed AND head MATCHES "^([0-9a-f]+)\n([0-9]+)$")
      set(commit ${CMAKE_MATCH_1})
      set(epoch ${CMAKE_MATCH_2})
      # No optional locks: a build must not hold the index while someone commits.
      execute_process(COMMAND ${git_program} --no-optional-locks -C ${source} status --porcelain
        OUTPUT_VARIABLE changes RESULT_VARIABLE status_failed ERROR_QUIET)
      if(status_failed OR NOT changes STREQUAL "")
        string(APPEND commit -modified)
      endif()
    endif()
  endif()
endif()
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: $ENV{SOURCE_DATE_EPOCH}")
  endif()
  set(epoch $ENV{SOURCE_DATE_EPOCH})
endif()

set(text "#pragma once
// What this build was made from; written by cmake/build_identity.cmake.
#define QEL_VERSION \"${QEL_VERSION}\"
#define QEL_VERSION_NUMBERS ${numbers}
#define QEL_COMMIT \"${commit}\"
#define QEL_SOURCE_EPOCH ${epoch}
")
set(old "")
if(EXISTS ${QEL_OUTPUT})
  file(READ ${QEL_OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${QEL_OUTPUT} "${text}")
endif()
