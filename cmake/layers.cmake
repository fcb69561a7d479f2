# The layer rule, checked on every build: each layer includes only from itself
# and from the layers below it, plus the few shared headers named here.
#
#   app       app/, views/, workers/, http/, messages/, general/, resources/
#   views     views/, messages/, general/, http/statistics_events.h, resources/resource_ids.h
#   workers   workers/, http/, messages/, general/
#   http      http/, general/
#   messages  messages/, general/
#   general   general/
#
# messages/ is the one contract the layers share; http/statistics_events.h is a
# leaf header of event numbers; resources/resource_ids.h holds the control
# identifiers of the dialog templates the pages are made from. Nothing in a
# layer includes tests/ or testbed/.
#
# Run as a script:
#   cmake -DQEL_LAYERS_ROOT=<source folder> [-DQEL_LAYERS_STAMP=<file>] -P cmake/layers.cmake
# It reads every .h and .cpp under the layers' folders and looks at each
# #include of a file of the source tree, in either spelling: "quoted" (resolved
# as the compiler does: beside the including file first, then from the source
# folder) and <angled> (from the source folder). Includes that name no file of
# the tree (system, library and generated headers) are not the rule's concern.
# It fails with one line per wrong include:
#   views/foo.cpp includes app/main_dialog.h: views may include nothing from app/ (only ...)
# On success it touches QEL_LAYERS_STAMP when given.
cmake_minimum_required(VERSION 3.20)

if(NOT QEL_LAYERS_ROOT)
  message(FATAL_ERROR "layers.cmake: QEL_LAYERS_ROOT (the source folder) is not set")
endif()
get_filename_component(root "${QEL_LAYERS_ROOT}" ABSOLUTE)

set(layers app views workers http messages general)
# Whole folders each layer may include from, and single headers beyond them.
set(folders_app app views workers http messages general resources)
set(files_app)
set(folders_views views messages general)
set(files_views http/statistics_events.h resources/resource_ids.h)
set(folders_workers workers http messages general)
set(files_workers)
set(folders_http http general)
set(files_http)
set(folders_messages messages general)
set(files_messages)
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
  file(GLOB_RECURSE sources LIST_DIRECTORIES false "${root}/${layer}/*.h" "${root}/${layer}/*.cpp")
  list(SORT sources)
  foreach(source IN LISTS sources)
    file(RELATIVE_PATH name "${root}" "${source}")
    get_filename_component(folder "${source}" DIRECTORY)
    file(STRINGS "${source}" lines REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS lines)
      # A ";" further on the line splits it in CMake's lists; only the part
      # with the directive counts.
      if(line MATCHES "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\"")
        set(included "${CMAKE_MATCH_1}")
        # As the compiler looks for it: beside the including file, then from the root.
        if(EXISTS "${folder}/${included}")
          get_filename_component(resolved "${folder}/${included}" ABSOLUTE)
        else()
          get_filename_component(resolved "${root}/${included}" ABSOLUTE)
        endif()
      elseif(line MATCHES "^[ \t]*#[ \t]*include[ \t]*<([^>]*)>")
        get_filename_component(resolved "${root}/${CMAKE_MATCH_1}" ABSOLUTE)
      else()
        continue()
      endif()
      if(NOT EXISTS "${resolved}" OR IS_DIRECTORY "${resolved}")
        continue()
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
