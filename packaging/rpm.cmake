# The two RPM packages `cpack -G RPM` makes, split as the Debian ones: the game with the
# showcase (brambleleap) and the engine for other programs, named with RPM's suffix for
# development packages. Their summaries and descriptions are the Debian packages' own.
set(CPACK_RPM_COMPONENT_INSTALL ON)
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_RELEASE 1)
set(CPACK_RPM_PACKAGE_LICENSE Zlib)
set(CPACK_RPM_PACKAGE_VENDOR ${CPACK_PACKAGE_VENDOR})

if(homepage_published)
  set(CPACK_RPM_PACKAGE_URL ${BRAMBLELEAP_HOMEPAGE})
endif()
# Folders every system owns already; the packages must not claim them.
set(CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
    /usr/games /usr/libexec /usr/share/applications /usr/share/metainfo /usr/share/icons
    /usr/share/icons/hicolor /usr/share/games /usr/share/man /usr/share/man/man6
    /usr/lib64 /usr/lib64/cmake /usr/lib64/pkgconfig /usr/include /usr/share/doc)
foreach(size 16 32 48 64 128 256)
  list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION
       /usr/share/icons/hicolor/${size}x${size} /usr/share/icons/hicolor/${size}x${size}/apps)
endforeach()

function(brambleleap_rpm_text component deb_text)
  string(FIND "${deb_text}" "\n" end)
  string(SUBSTRING "${deb_text}" 0 ${end} summary)
  math(EXPR start "${end} + 1")
  string(SUBSTRING "${deb_text}" ${start} -1 description)
  string(SUBSTRING "${summary}" 0 1 first)
  string(TOUPPER "${first}" first)
  string(SUBSTRING "${summary}" 1 -1 rest)
  set(CPACK_RPM_${component}_PACKAGE_SUMMARY "${first}${rest}" PARENT_SCOPE)
  set(CPACK_RPM_${component}_PACKAGE_DESCRIPTION "${description}" PARENT_SCOPE)
endfunction()

set(CPACK_RPM_GAME_PACKAGE_NAME brambleleap)
set(CPACK_RPM_GAME_PACKAGE_GROUP Amusements/Games)
set(CPACK_RPM_GAME_PACKAGE_ARCHITECTURE x86_64)
brambleleap_rpm_text(GAME "${CPACK_DEBIAN_GAME_DESCRIPTION}")
set(CPACK_RPM_ENGINE_PACKAGE_NAME libbrambleleap-engine-devel)
set(CPACK_RPM_ENGINE_PACKAGE_GROUP Development/Libraries)
set(CPACK_RPM_ENGINE_PACKAGE_REQUIRES "SDL2-devel, freetype-devel")
brambleleap_rpm_text(ENGINE "${CPACK_DEBIAN_ENGINE_DESCRIPTION}")
set(CPACK_RPM_CHANGELOG_FILE ${STAGE}/rpm_changelog)
file(WRITE ${STAGE}/rpm_changelog
     "* ${BRAMBLELEAP_RELEASE_DATE_RPM} ${BRAMBLELEAP_MAINTAINER} - ${PROJECT_VERSION}-1\n"
     "- The first release: the game, its engine's showcase, and the engine for other programs.\n")
# RPM takes the packager from a macro. Its checks want static libraries with their debugging
# information, which rpmbuild would strip from them (CPack strips only the programs).
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${BRAMBLELEAP_MAINTAINER}
%undefine __brp_strip_static_archive")
