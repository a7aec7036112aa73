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
