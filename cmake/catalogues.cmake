# The translation catalogues the executable carries. resources/languages.lst
# names each language's catalogue by the id of its embedded resource (the fourth
# field); resources/catalogues/ui_<code>.ts is the catalogue of the first line
# with that id. Each goes into the build folder in its embedded form, the same
# XML without the layout between elements and without comments, compressed by
# cmake/lznt1.py (the program unpacks it with the system's own LZNT1), and a
# resource script there names them all:
#
#   qel_embedded_catalogues(<folder>)   -> <folder>/catalogues.rc, <folder>/ui_<code>.ts(z)
#                                          QEL_CATALOGUE_FILES: the files made
#
# Runs while CMake configures; a changed catalogue or list configures again.
# Writes `content` to `file` unless it holds it already.
function(qel_write_if_changed file content)
  if(EXISTS ${file})
    file(READ ${file} old)
    if(old STREQUAL content)
      return()
    endif()
  endif()
  file(WRITE ${file} "${content}")
endfunction()

function(qel_embedded_catalogues folder)
  set(list_file ${CMAKE_SOURCE_DIR}/resources/languages.lst)
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${list_file}
                                                                                ${CMAKE_SOURCE_DIR}/cmake/lznt1.py)
  file(STRINGS ${list_file} lines ENCODING UTF-8)
  file(MAKE_DIRECTORY ${folder})
  set(script "// Made by cmake/catalogues.cmake from resources/languages.lst.\n")
  set(made "")
  set(seen_ids "")
  foreach(line IN LISTS lines)
    string(REPLACE "|" ";" fields "${line}")
    list(LENGTH fields count)
    if(count LESS 4)
      message(FATAL_ERROR "resources/languages.lst: \"${line}\" names no catalogue")
    endif()
    list(GET fields 2 code)
    list(GET fields 3 id)
    if(id IN_LIST seen_ids)
      continue()
    endif()
    list(APPEND seen_ids ${id})
    set(source ${CMAKE_SOURCE_DIR}/resources/catalogues/ui_${code}.ts)
    if(NOT EXISTS ${source})
      message(FATAL_ERROR "resources/languages.lst names ${code}, but there is no ${source}")
    endif()
    set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(READ ${source} text)
    string(REGEX REPLACE "<!--([^-]|-[^-])*-->" "" text "${text}")
    string(REGEX REPLACE ">[ \t\r\n]+<" "><" text "${text}")
    string(STRIP "${text}" text)
    set(target ${folder}/ui_${code}.ts)
    # Written only when it changed, so an unchanged catalogue rebuilds nothing.
    qel_write_if_changed(${target} "${text}")
    execute_process(COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/cmake/lznt1.py ${target} ${target}z
                    RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "cmake/lznt1.py could not compress ${target}")
    endif()
    list(APPEND made ${target}z)
    string(APPEND script "${id} TS \"ui_${code}.tsz\"\n")
  endforeach()
  qel_write_if_changed(${folder}/catalogues.rc "${script}")
  list(APPEND made ${folder}/catalogues.rc)
  set(QEL_CATALOGUE_FILES ${made} PARENT_SCOPE)
endfunction()
