# The Windows packages, made by `cpack` in a build for Windows (scripts/windows.sh):
#   orvantel-<version>-win64.exe, an NSIS installer: a per-machine install into
#     Program Files\Orvantel, the Start-menu entry "Orvantel", and an uninstaller registered in
#     Apps & features; "/S" installs or uninstalls without a question;
#   orvantel-<version>-win64.zip, the same files to unpack and run from anywhere.
# The uninstaller removes only the files the installer put in place: the user's calendar data
# and notes live in the Documents folder and are never touched.

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME "orvantel-${PROJECT_VERSION}-win64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Orvantel")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Orvantel")
set(CPACK_PACKAGE_EXECUTABLES orvantel "Orvantel")

# A 64-bit installer, like the program it installs: the line goes into the head of CPack's
# installer script.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
# No licence page: the program has no licence text to agree to.
set(CPACK_NSIS_IGNORE_LICENSE_PAGE ON)
set(CPACK_NSIS_PACKAGE_NAME "Orvantel")
set(CPACK_NSIS_DISPLAY_NAME "Orvantel")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
set(CPACK_NSIS_MUI_ICON "${ORVANTEL_ICO}")
set(CPACK_NSIS_MUI_UNIICON "${ORVANTEL_ICO}")
# The icon and the publisher Apps & features shows.
set(CPACK_NSIS_INSTALLED_ICON_NAME "orvantel.exe")
set(CPACK_NSIS_CONTACT "${ORVANTEL_PACKAGE_MAINTAINER}")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
# A second install over the first replaces it instead of leaving two entries.
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)

# The installer and the uninstaller speak Spanish. CPack's own installer script offers every
# language of NSIS with English first, and Windows picks the one of the system; the copy made
# here, in the build tree, keeps Spanish alone and has the few texts of the script itself in
# Spanish. CPack takes a template from CPACK_MODULE_PATH before its own.
set(_nsis_template "")
foreach(_candidate "${CMAKE_ROOT}/Modules/Internal/CPack/NSIS.template.in"
                   "${CMAKE_ROOT}/Modules/NSIS.template.in")
  if(EXISTS "${_candidate}")
    set(_nsis_template "${_candidate}")
    break()
  endif()
endforeach()
if(NOT _nsis_template)
  message(FATAL_ERROR "CPack's NSIS.template.in was not found under ${CMAKE_ROOT}/Modules")
endif()
file(READ "${_nsis_template}" _nsis)
string(REGEX REPLACE "!insertmacro MUI_LANGUAGE \"English\"[^\n]*" "@ORVANTEL_LANGUAGE@" _nsis
                     "${_nsis}")
string(REGEX REPLACE "\n[ \t]*!insertmacro MUI_LANGUAGE \"[A-Za-z]+\"[^\n]*" "" _nsis "${_nsis}")
string(REPLACE "@ORVANTEL_LANGUAGE@" "!insertmacro MUI_LANGUAGE \"Spanish\"" _nsis "${_nsis}")
string(REGEX MATCHALL "MUI_LANGUAGE \"[A-Za-z]+\"" _languages "${_nsis}")
if(NOT _languages STREQUAL "MUI_LANGUAGE \"Spanish\"")
  message(FATAL_ERROR "The installer script of ${_nsis_template} did not become Spanish alone: "
                      "${_languages}")
endif()
foreach(
  _pair IN
  ITEMS
    "is already installed. $\\n$\\nDo you want to uninstall the old version before installing the new one?|ya está instalado. $\\n$\\n¿Desinstalar la versión anterior antes de instalar la nueva?"
    "\"Uninstall failed.\"|\"No se pudo desinstalar la versión anterior.\""
    "\"Set install registry entry: '$1' to '$0'\"|\"Entrada del registro de la instalación: '$1' = '$0'\""
    "\"Install Options\" \"Choose options for installing|\"Opciones de instalación\" \"Opciones de la instalación de"
    "\"Download failed: $1\"|\"No se pudo descargar: $1\"")
  string(REPLACE "|" ";" _pair "${_pair}")
  list(GET _pair 0 _english)
  list(GET _pair 1 _spanish)
  string(REPLACE "${_english}" "${_spanish}" _nsis "${_nsis}")
endforeach()
file(WRITE "${CMAKE_BINARY_DIR}/nsis/NSIS.template.in" "${_nsis}")
set(CPACK_MODULE_PATH "${CMAKE_BINARY_DIR}/nsis" ${CMAKE_MODULE_PATH})
