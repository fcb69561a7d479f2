# Import libraries that load their DLL on first use instead of at process start.
#
# At start the loader looks for a DLL beside the executable before the system
# folder, unless the DLL is one of the system's known DLLs. An installer runs from
# a Downloads folder full of other files, so the DLLs that are not known DLLs are
# imported through these libraries: they load only after start-up has restricted
# the search path to the system folder.
#
# qel_delay_import(<target> <dll base name>...): builds lib<name>_delay.a from the
# toolchain's import library and links it into <target> in place of the plain one.
find_program(QEL_DLLTOOL ${MINGW_PREFIX}-dlltool REQUIRED)
find_program(QEL_NM ${MINGW_PREFIX}-nm REQUIRED)

function(qel_delay_import target)
  foreach(name ${ARGN})
    set(def ${CMAKE_BINARY_DIR}/delay/${name}.def)
    set(lib ${CMAKE_BINARY_DIR}/delay/lib${name}_delay.a)
    if(NOT EXISTS ${lib})
      find_file(import_lib lib${name}.a PATHS /usr/${MINGW_PREFIX}/lib NO_DEFAULT_PATH REQUIRED)
      execute_process(COMMAND ${QEL_NM} ${import_lib} OUTPUT_VARIABLE symbols RESULT_VARIABLE rc)
      if(rc)
        message(FATAL_ERROR "cannot read ${import_lib}")
      endif()
      string(REGEX MATCHALL "[^\n]* T [^\n]*" lines "${symbols}")
      set(exports "")
      foreach(line ${lines})
        string(REGEX REPLACE ".* T " "" symbol "${line}")
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
          string(REGEX REPLACE "^_" "" symbol "${symbol}")
        endif()
        if(NOT symbol MATCHES "^_")
          list(APPEND exports "${symbol}")
        endif()
      endforeach()
      list(REMOVE_DUPLICATES exports)
      list(JOIN exports "\n" body)
      file(WRITE ${def} "LIBRARY ${name}.dll\nEXPORTS\n${body}\n")
      set(kill_at "")
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        set(kill_at -k)  # stdcall decorations stay out of the imported names
      endif()
      execute_process(COMMAND ${QEL_DLLTOOL} ${kill_at} -d ${def} -y ${lib} RESULT_VARIABLE rc)
      if(rc)
        message(FATAL_ERROR "dlltool failed for ${name}")
      endif()
      unset(import_lib CACHE)
    endif()
    # The plain library after it still supplies data such as GUID constants; its
    # import stubs stay unused because the delay library resolved every function.
    target_link_libraries(${target} INTERFACE ${lib} ${name})
  endforeach()
endfunction()
