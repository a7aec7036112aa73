# What orvantel.exe and orvantel-dia.exe load on Windows, installed beside them: Qt's DLLs (Print
# Support for the month sheets), the platform and style plugins the window needs, Qt's Spanish translations and the C++ run-time
# of MinGW-w64 that Qt and the programs are linked with.

# Qt's DLLs and plugins, from the Qt the programs are built with.
foreach(module Core Gui Widgets PrintSupport)
  install(FILES $<TARGET_FILE:Qt6::${module}> DESTINATION ${ORVANTEL_BINDIR})
endforeach()
install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>
  DESTINATION ${ORVANTEL_BINDIR}/platforms)
# A Qt whose printing on Windows lives in a plugin rather than in Qt6PrintSupport.dll.
if(TARGET Qt6::QWindowsPrinterSupportPlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsPrinterSupportPlugin>
    DESTINATION ${ORVANTEL_BINDIR}/printsupport)
endif()
if(TARGET Qt6::QWindowsVistaStylePlugin)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>
    DESTINATION ${ORVANTEL_BINDIR}/styles)
endif()

# Qt's own texts in Spanish (the buttons of its dialogs, the messages of the option parser):
# platform-independent .qm files, taken from the build machine's Qt translations (Debian's
# qt6-translations-l10n) unless a folder is given. Both programs look for them in
# "translations" beside themselves.
find_path(ORVANTEL_QT_TRANSLATIONS_DIR qtbase_es.qm
  PATHS /usr/share/qt6/translations "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}"
  NO_CMAKE_FIND_ROOT_PATH NO_DEFAULT_PATH
  DOC "Folder holding Qt's qtbase_es.qm")
if(NOT ORVANTEL_QT_TRANSLATIONS_DIR)
  message(FATAL_ERROR "qtbase_es.qm not found: install qt6-translations-l10n or set "
    "ORVANTEL_QT_TRANSLATIONS_DIR")
endif()
install(FILES ${ORVANTEL_QT_TRANSLATIONS_DIR}/qtbase_es.qm
  DESTINATION ${ORVANTEL_BINDIR}/translations)

# The run-time DLLs of MinGW-w64, found where the compiler finds its libraries. A compiler
# that links them statically (MSVC, or a static MinGW) has none to give.
if(MINGW)
  foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
      OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
      message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    file(REAL_PATH "${path}" path)
    install(FILES ${path} DESTINATION ${ORVANTEL_BINDIR})
  endforeach()
endif()
