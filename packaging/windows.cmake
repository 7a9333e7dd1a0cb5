# The Windows downloads, made by `cpack` in the Windows build folder: a zip of one folder
# (brambleleap-windows.zip: the program with its data files beside it, which is where it reads
# them) and an installer, brambleleap-<version>-windows-x64-setup.exe, that installs the same
# files for every user into Program Files, adds a Start-menu shortcut that starts the program
# in that folder, and registers an uninstaller with Windows.
install(TARGETS brambleleap RUNTIME DESTINATION .)
set(CPACK_STRIP_FILES ON)
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_NAME brambleleap)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Brambleleap developers")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Brambleleap 2005")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Brambleleap)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/windows_generators.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${BRAMBLELEAP_GAME_TEMPLATES}/clamp_times.cmake)

set(CPACK_NSIS_PACKAGE_NAME "Brambleleap 2005")
set(CPACK_NSIS_DISPLAY_NAME "Brambleleap 2005")
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
# A 64-bit installer, like the program: it installs into the 64-bit Program Files and registry,
# and runs where only 64-bit programs can.
brambleleap_makensis_amd64(${PROJECT_BINARY_DIR} makensis_amd64)
if(makensis_amd64)
  set(CPACK_NSIS_EXECUTABLE ${makensis_amd64})
endif()
set(CPACK_NSIS_MUI_ICON ${BRAMBLELEAP_BIN_DIR}/icon101.ico)
set(CPACK_NSIS_MUI_UNIICON ${BRAMBLELEAP_BIN_DIR}/icon101.ico)
set(CPACK_NSIS_INSTALLED_ICON_NAME brambleleap.exe)
set(CPACK_NSIS_UNINSTALL_NAME Uninstall)
brambleleap_published("${BRAMBLELEAP_HOMEPAGE}" homepage_published)
if(homepage_published)
  set(CPACK_NSIS_URL_INFO_ABOUT ${BRAMBLELEAP_HOMEPAGE})
endif()
# The game reads its data from its working folder: the shortcut starts it in the install
# folder, whatever the last SetOutPath of the install was.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "  SetOutPath \"$INSTDIR\"\n  CreateShortCut \"$SMPROGRAMS\\$STARTMENU_FOLDER\\Brambleleap 2005.lnk\" \"$INSTDIR\\brambleleap.exe\"")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "  Delete \"$SMPROGRAMS\\$MUI_TEMP\\Brambleleap 2005.lnk\"")
# The licences of what the compiler links into the program (GCC's runtime libraries,
# MinGW-w64's C runtime and threads), as Debian ships them, in a folder beside it.
foreach(notice gcc-mingw-w64-base mingw-w64-common)
  set(text /usr/share/doc/${notice}/copyright)
  if(NOT EXISTS ${text})
    message(FATAL_ERROR "${text} not found: install ${notice} (scripts/deps.sh --windows)")
  endif()
  install(FILES ${text} DESTINATION licenses RENAME ${notice}.txt)
endforeach()
# The installer's own version resource, as Windows shows it in the file's properties; and no
# file times kept in it, so that the same files make the same installer.
set(CPACK_NSIS_DEFINES "SetDateSave off
VIProductVersion ${PROJECT_VERSION}.0
VIAddVersionKey /LANG=1033 ProductName \"Brambleleap 2005\"
VIAddVersionKey /LANG=1033 ProductVersion ${PROJECT_VERSION}
VIAddVersionKey /LANG=1033 FileVersion ${PROJECT_VERSION}
VIAddVersionKey /LANG=1033 FileDescription \"Brambleleap 2005 installer\"
VIAddVersionKey /LANG=1033 CompanyName \"The Brambleleap developers\"
VIAddVersionKey /LANG=1033 LegalCopyright \"${BRAMBLELEAP_COPYRIGHT}\"")
include(CPack)
