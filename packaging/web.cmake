# The page as a zip for any static host: the site folder as it is, index.html at its root.
install(DIRECTORY ${CMAKE_BINARY_DIR}/site/ DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME orunika-${PROJECT_VERSION}-web)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
