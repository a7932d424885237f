# The newest entry of the changelog and the newest release in the AppStream
# metadata both name the version being built.
file(STRINGS ${PACKAGING}/changelog changelog LIMIT_COUNT 1)
file(READ ${PACKAGING}/${APP_ID}.metainfo.xml metainfo)
string(REGEX MATCH "^ouroboard \\(([^)]+)\\)" _ "${changelog}")
set(changelog_version "${CMAKE_MATCH_1}")
string(REGEX MATCH "<release version=\"([^\"]+)\"" _ "${metainfo}")
set(metainfo_version "${CMAKE_MATCH_1}")
if(NOT changelog_version STREQUAL VERSION OR NOT metainfo_version STREQUAL VERSION)
  message(FATAL_ERROR "building ${VERSION}, but the changelog names '${changelog_version}' "
                      "and the metainfo '${metainfo_version}'")
endif()
