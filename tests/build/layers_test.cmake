# The layer check (cmake/layers.cmake) against small planted trees: each case
# writes one file with one include into an otherwise clean tree and expects the
# check to pass, or to fail naming that file, the include and the rule.
#   cmake -DQEL_LAYERS_SCRIPT=<cmake/layers.cmake> -DQEL_SCRATCH=<folder> -P layers_test.cmake
cmake_minimum_required(VERSION 3.20)

# file | line written into it | expected: "pass" or a text the failure must contain
set(cases
  "views/page.cpp|#include \"app/main_dialog.h\"|views/page.cpp includes app/main_dialog.h: views may include nothing from app/"
  "views/page.h|#include \"app/product_catalogue.h\"|views/page.h includes app/product_catalogue.h: views may include nothing from app/"
  "views/page.cpp|#include <app/main_dialog.h>|views/page.cpp includes app/main_dialog.h: views may include nothing from app/"
  "views/ui/widget.cpp|  #  include \"workers/worker.h\"|views/ui/widget.cpp includes workers/worker.h: views may include nothing from workers/"
  "views/page.cpp|#include \"http/client.h\"|views/page.cpp includes http/client.h: views may include only http/statistics_events.h from http/"
  "views/ui/widget.cpp|#include \"../../app/main_dialog.h\"|views/ui/widget.cpp includes app/main_dialog.h"
  "workers/job.cpp|#include \"views/page.h\"|workers/job.cpp includes views/page.h: workers may include nothing from views/"
  "workers/job.h|#include <app/configuration.h>|workers/job.h includes app/configuration.h: workers may include nothing from app/"
  "http/fetch.cpp|#include \"messages/messages.h\"|http/fetch.cpp includes messages/messages.h: http may include nothing from messages/"
  "http/fetch.cpp|#include \"workers/worker.h\"|http/fetch.cpp includes workers/worker.h"
  "messages/messages.cpp|#include \"views/page.h\"|messages/messages.cpp includes views/page.h: messages may include nothing from views/"
  "general/util.cpp|#include \"http/client.h\"|general/util.cpp includes http/client.h: general may include nothing from http/"
  "general/util.cpp|#include \"messages/messages.h\"|general/util.cpp includes messages/messages.h"
  "general/util.cpp|#include \"tests/support/testbed.h\"|general/util.cpp includes tests/support/testbed.h"
  "app/main_dialog.cpp|#include <tests/support/testbed.h>|app/main_dialog.cpp includes tests/support/testbed.h: app may include nothing from tests/"
  "views/page.cpp|#include \"messages/messages.h\"|pass"
  "views/page.cpp|#include \"http/statistics_events.h\"|pass"
  "views/page.cpp|#include \"resources/resource_ids.h\"|pass"
  "views/ui/widget.cpp|#include \"../page.h\"|pass"
  "workers/job.cpp|#include \"http/client.h\"|pass"
  "workers/job.cpp|#include <messages/messages.h>|pass"
  "http/fetch.cpp|#include \"general/log/log.h\"|pass"
  "app/main_dialog.cpp|#include \"workers/worker.h\"|pass"
  "app/main_dialog.cpp|#include \"views/page.h\"|pass"
  "app/startup.cpp|#include \"build_identity.h\"|pass"
  "views/page.cpp|#include <windows.h>|pass"
  "views/page.cpp|// #include \"app/main_dialog.h\"|pass"
)
# Every header the clean tree holds, so any include above resolves.
set(tree_files
  app/main_dialog.h messages/messages.h app/product_catalogue.h app/configuration.h
  views/page.h views/ui/widget.h workers/worker.h http/client.h http/statistics_events.h
  general/log/log.h resources/resource_ids.h tests/support/testbed.h)

set(failures 0)
set(index 0)
foreach(case IN LISTS cases)
  math(EXPR index "${index} + 1")
  string(REPLACE "|" ";" parts "${case}")
  list(GET parts 0 file)
  list(GET parts 1 line)
  list(GET parts 2 expected)
  set(tree ${QEL_SCRATCH}/case-${index})
  file(REMOVE_RECURSE ${tree})
  foreach(each IN LISTS tree_files)
    file(WRITE ${tree}/${each} "#pragma once\n")
  endforeach()
  file(WRITE ${tree}/${file} "// planted\n${line}\nint x;\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DQEL_LAYERS_ROOT=${tree} -DQEL_LAYERS_STAMP=${tree}/stamp
                          -P ${QEL_LAYERS_SCRIPT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  # CMake wraps long messages; the check's lines are compared unwrapped.
  string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
  if(expected STREQUAL "pass")
    if(NOT result EQUAL 0 OR NOT EXISTS ${tree}/stamp)
      message(SEND_ERROR "case ${index} (${file}: ${line}) should pass, failed with:\n${output}")
      math(EXPR failures "${failures} + 1")
    endif()
  else()
    string(FIND "${flat}" "${expected}" found)
    if(result EQUAL 0 OR found EQUAL -1 OR EXISTS ${tree}/stamp)
      message(SEND_ERROR "case ${index} (${file}: ${line}) should fail with \"${expected}\"; result ${result}:\n${output}")
      math(EXPR failures "${failures} + 1")
    endif()
  endif()
  file(REMOVE_RECURSE ${tree})
endforeach()

# Several wrong includes are all reported, not only the first.
set(tree ${QEL_SCRATCH}/several)
file(REMOVE_RECURSE ${tree})
file(WRITE ${tree}/app/main_dialog.h "#pragma once\n")
file(WRITE ${tree}/app/configuration.h "#pragma once\n")
file(WRITE ${tree}/views/a.cpp "#include \"app/main_dialog.h\"\n")
file(WRITE ${tree}/http/b.cpp "#include \"app/configuration.h\"\n")
execute_process(COMMAND ${CMAKE_COMMAND} -DQEL_LAYERS_ROOT=${tree} -P ${QEL_LAYERS_SCRIPT}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
string(REGEX REPLACE "[ \t\r\n]+" " " flat "${output}")
if(result EQUAL 0 OR NOT flat MATCHES "layer rule broken \\(2\\)" OR NOT flat MATCHES "views/a.cpp includes"
   OR NOT flat MATCHES "http/b.cpp includes")
  message(SEND_ERROR "two wrong includes should both be reported; result ${result}:\n${output}")
  math(EXPR failures "${failures} + 1")
endif()
file(REMOVE_RECURSE ${tree})

list(LENGTH cases count)
if(failures GREATER 0)
  message(FATAL_ERROR "${failures} of ${count} layer-check cases failed")
endif()
message(STATUS "layer check: ${count} planted cases and the several-includes case behave")
