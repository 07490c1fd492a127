# The Windows package: a zip that unpacks to one folder holding orunika.exe, the licence and a
# short read-me. The program needs no installer: it is one file that keeps no settings.
install(TARGETS orunika RUNTIME DESTINATION .)

# Text files with Windows line ends, which every Notepad shows as lines.
function(orunika_add_windows_text source name)
  configure_file(${source} ${CMAKE_BINARY_DIR}/package/${name} @ONLY NEWLINE_STYLE CRLF)
  install(FILES ${CMAKE_BINARY_DIR}/package/${name} DESTINATION .)
endfunction()
orunika_add_windows_text(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
orunika_add_windows_text(${CMAKE_CURRENT_LIST_DIR}/windows-readme.txt README.txt)

set(CPACK_GENERATOR ZIP)
include(CPack)
