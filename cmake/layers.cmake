# The layer rule, checked on every build: each layer includes only from itself
# and from the layers below it, plus the few shared headers named here.
#
#   app      anything
#   views    views/, general/, app/messages.h, http/statistics_events.h, resources/resource_ids.h
#   workers  workers/, http/, general/, app/messages.h
#   http     http/, general/
#   general  general/
#
# app/messages.h is the one contract the layers share; http/statistics_events.h
# is a leaf header of event numbers; resources/resource_ids.h holds the control
# identifiers of the dialog templates the pages are made from.
#
# Run as a script:
#   cmake -DQEL_LAYERS_ROOT=<source folder> [-DQEL_LAYERS_STAMP=<file>] -P cmake/layers.cmake
# It reads every .h and .cpp under the layers' folders, looks at each quoted
# #include (resolved as the compiler does: beside the including file first,
# then from the source folder), and fails with one line per wrong include:
#   views/foo.cpp includes app/main_dialog.h: views may include only app/messages.h from app/
# On success it touches QEL_LAYERS_STAMP when given.
cmake_minimum_required(VERSION 3.20)

if(NOT QEL_LAYERS_ROOT)
  message(FATAL_ERROR "layers.cmake: QEL_LAYERS_ROOT (the source folder) is not set")
endif()
get_filename_component(root "${QEL_LAYERS_ROOT}" ABSOLUTE)

set(layers app views workers http general)
# Whole folders each layer may include from, and single headers beyond them.
set(folders_app app views workers http general resources)
set(files_app)
set(folders_views views general)
set(files_views app/messages.h http/statistics_events.h resources/resource_ids.h)
set(folders_workers workers http general)
set(files_workers app/messages.h)
set(folders_http http general)
set(files_http)
set(folders_general general)
set(files_general)

# The text after "<layer> may include only" for an include into `target`.
function(qel_layer_allowance layer target out)
  set(singles)
  foreach(file IN LISTS files_${layer})
    if(file MATCHES "^${target}/")
      list(APPEND singles ${file})
    endif()
  endforeach()
  if(singles)
    list(JOIN singles " and " text)
    set(${out} "${layer} may include only ${text} from ${target}/" PARENT_SCOPE)
  else()
    set(allowed ${folders_${layer}})
    list(TRANSFORM allowed APPEND "/")
    list(APPEND allowed ${files_${layer}})
    list(JOIN allowed ", " text)
    set(${out} "${layer} may include nothing from ${target}/ (only ${text})" PARENT_SCOPE)
  endif()
endfunction()

set(problems)
foreach(layer IN LISTS layers)
  if(layer STREQUAL "app")
    continue()
  endif()
  file(GLOB_RECURSE sources LIST_DIRECTORIES false "${root}/${layer}/*.h" "${root}/${layer}/*.cpp")
  list(SORT sources)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name "${root}" "${source}")
    get_filename_component(folder "${source}" DIRECTORY)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
    foreach(line IN LISTS lines)
      # A ";" further on the line splits it in CMake's lists; only the part
      # with the directive counts.
      if(NOT line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"")
        continue()
      endif()
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*$" "\\1" included "${line}")
      # As the compiler looks for it: beside the including file, then from the root.
      if(EXISTS "${folder}/${included}")
        get_filename_component(resolved "${folder}/${included}" ABSOLUTE)
      else()
        get_filename_component(resolved "${root}/${included}" ABSOLUTE)
      endif()
      file(RELATIVE_PATH target_path "${root}" "${resolved}")
      string(REGEX MATCH "^[^/]*" target "${target_path}")
      if(NOT target_path MATCHES "/")
        set(target "(the source folder)")
      endif()
      list(FIND folders_${layer} "${target}" folder_allowed)
      list(FIND files_${layer} "${target_path}" file_allowed)
      if(folder_allowed EQUAL -1 AND file_allowed EQUAL -1)
        qel_layer_allowance(${layer} "${target}" allowance)
        list(APPEND problems "${name} includes ${target_path}: ${allowance}")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(LENGTH problems count)
  list(JOIN problems "\n" text)
  message(FATAL_ERROR "layer rule broken (${count}): layers include only from below (cmake/layers.cmake)\n${text}")
endif()
if(QEL_LAYERS_STAMP)
  file(TOUCH "${QEL_LAYERS_STAMP}")
endif()
