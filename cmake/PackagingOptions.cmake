# Read by cpack itself (CPACK_PROJECT_CONFIG_FILE), after CPackConfig.cmake.
#
# CPack puts the project's one-line description above every package's own
# description; each package's first line is already its summary.
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
