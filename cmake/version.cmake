# The release: its version comes from project(VERSION), its date from the matching heading
# of NEWS.md ("## 1.0.0 (2026-12-08)"), so that each is written in one place. Everything the
# build stamps with them (packages, metainfo, manual page, Windows resources, pictures) reads
# the variables set here, and C, C++ and resource files include brambleleap_version.h.
file(STRINGS ${PROJECT_SOURCE_DIR}/NEWS.md news_heading
     REGEX "^## ${PROJECT_VERSION} \\([0-9]+-[0-9]+-[0-9]+\\)$" LIMIT_COUNT 1)
if(NOT news_heading)
  message(FATAL_ERROR "NEWS.md has no heading \"## ${PROJECT_VERSION} (YYYY-MM-DD)\"")
endif()
string(REGEX REPLACE ".*\\((.*)\\)$" "\\1" BRAMBLELEAP_RELEASE_DATE "${news_heading}")
# Debian's changelog wants the date as in e-mail, RPM's its own way.
brambleleap_dates(${BRAMBLELEAP_RELEASE_DATE} BRAMBLELEAP_RELEASE_DATE)
set(BRAMBLELEAP_COPYRIGHT "Copyright (c) 2026 The Brambleleap developers")

# Who publishes the release sets these; the defaults name the reserved .invalid domain, and
# what is left at such a default is left out of the metainfo and the packages' headers.
set(BRAMBLELEAP_HOMEPAGE "https://brambleleap.invalid/" CACHE STRING
    "The game's web page, shown by software centres and package managers")
set(BRAMBLELEAP_SCREENSHOTS_URL "https://brambleleap.invalid/screenshots/" CACHE STRING
    "Web folder that holds menu.png, help.png and playing.png of docs/")
set(BRAMBLELEAP_MAINTAINER "The Brambleleap developers <maintainers@brambleleap.invalid>"
    CACHE STRING "Name and e-mail address of whoever maintains the packages")

# Sets OUT to TRUE when ADDRESS is given and its host is not under .invalid.
function(brambleleap_published address out)
  if(address STREQUAL "" OR address MATCHES "^[a-z]+://[^/]*\\.invalid(/|:|$)")
    set(${out} FALSE PARENT_SCOPE)
  else()
    set(${out} TRUE PARENT_SCOPE)
  endif()
endfunction()

set(BRAMBLELEAP_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/brambleleap_version.h.in
               ${BRAMBLELEAP_GENERATED_DIR}/brambleleap_version.h @ONLY)

# For build steps run as `cmake -P` scripts (such as the browser bundle's), which see none of
# the variables above: add these to their command line.
set(BRAMBLELEAP_VERSION_SCRIPT_ARGS -DBRAMBLELEAP_VERSION=${PROJECT_VERSION}
    -DBRAMBLELEAP_RELEASE_DATE=${BRAMBLELEAP_RELEASE_DATE})
