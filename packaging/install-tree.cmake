# Installs a build tree into an empty folder, or compares what a folder holds with a list.
#   cmake -DBUILD_DIR=<build> -DPREFIX=<folder> [-DCONFIG=<config>] -P install-tree.cmake
#   cmake -DPREFIX=<folder> -DEXPECTED=<list file> -P install-tree.cmake
# The list file names one path per line, relative to the folder, sorted; lines starting with
# "#" are comments.

if(NOT DEFINED PREFIX)
  message(FATAL_ERROR "install-tree.cmake: PREFIX is not set")
endif()

if(DEFINED BUILD_DIR)
  file(REMOVE_RECURSE "${PREFIX}")
  set(config_args)
  if(CONFIG)
    set(config_args --config "${CONFIG}")
  endif()
  execute_process(
    COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" ${config_args}
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed (${result}):\n${output}")
  endif()
endif()

if(DEFINED EXPECTED)
  file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE "${PREFIX}" "${PREFIX}/*")
  list(SORT installed)
  file(STRINGS "${EXPECTED}" expected REGEX "^[^#]")
  list(SORT expected)

  set(missing ${expected})
  set(unexpected ${installed})
  if(installed)
    list(REMOVE_ITEM missing ${installed})
  endif()
  if(expected)
    list(REMOVE_ITEM unexpected ${expected})
  endif()
  if(missing OR unexpected)
    list(JOIN missing "\n  " missing_text)
    list(JOIN unexpected "\n  " unexpected_text)
    message(FATAL_ERROR "The files under ${PREFIX} differ from ${EXPECTED}.\n"
      "Missing:\n  ${missing_text}\nNot expected:\n  ${unexpected_text}\n")
  endif()
  list(LENGTH installed count)
  message(STATUS "${count} files installed as listed in ${EXPECTED}")
endif()
