# The engine's RPM package, `cpack -G RPM`, named with RPM's suffix for development packages;
# its summary and description are the Debian package's own. The game's comes from
# brambleleap_add_game.
set(CPACK_RPM_PACKAGE_VENDOR ${CPACK_PACKAGE_VENDOR})
brambleleap_published("${BRAMBLELEAP_HOMEPAGE}" homepage_published)
if(homepage_published)
  set(CPACK_RPM_PACKAGE_URL ${BRAMBLELEAP_HOMEPAGE})
endif()
list(APPEND CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION /usr/lib64 /usr/lib64/cmake
     /usr/lib64/pkgconfig /usr/include /usr/src)

string(FIND "${CPACK_DEBIAN_ENGINE_DESCRIPTION}" "\n" end)
string(SUBSTRING "${CPACK_DEBIAN_ENGINE_DESCRIPTION}" 0 ${end} summary)
math(EXPR start "${end} + 1")
string(SUBSTRING "${CPACK_DEBIAN_ENGINE_DESCRIPTION}" ${start} -1 description)
string(SUBSTRING "${summary}" 0 1 first)
string(TOUPPER "${first}" first)
string(SUBSTRING "${summary}" 1 -1 rest)
set(CPACK_RPM_ENGINE_PACKAGE_SUMMARY "${first}${rest}")
set(CPACK_RPM_ENGINE_PACKAGE_DESCRIPTION "${description}")
set(CPACK_RPM_ENGINE_PACKAGE_NAME libbrambleleap-engine-devel)
set(CPACK_RPM_ENGINE_PACKAGE_GROUP Development/Libraries)
set(CPACK_RPM_ENGINE_PACKAGE_REQUIRES "SDL2-devel, freetype-devel")
# RPM's checks want static libraries with their debugging information, which rpmbuild would
# strip from them (CPack strips only the programs).
string(APPEND CPACK_RPM_SPEC_MORE_DEFINE "\n%undefine __brp_strip_static_archive")
