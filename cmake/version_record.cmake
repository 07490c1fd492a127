# The program file's version record, all from the project's one VERSION: the number 3.0.0.1, the
# texts "3.00.0001" (major, two-digit minor, four-digit tweak, as the record has always read) and
# the product name "Orunika Version3.0.0". On Windows a resource carries it; an ELF file carries
# it as a package-metadata note that readelf --notes shows without running the program.

function(orunika_zero_pad out value width)
  string(LENGTH "${value}" length)
  math(EXPR missing "${width} - ${length}")
  set(padding "")
  if(missing GREATER 0)
    string(REPEAT "0" ${missing} padding)
  endif()
  set(${out} "${padding}${value}" PARENT_SCOPE)
endfunction()

orunika_zero_pad(minor_text ${PROJECT_VERSION_MINOR} 2)
orunika_zero_pad(tweak_text ${PROJECT_VERSION_TWEAK} 4)
set(ORUNIKA_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor_text}.${tweak_text}")
set(ORUNIKA_PRODUCT_NAME
    "Orunika Version${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
set(ORUNIKA_LANGUAGE "0x0411")  # Japanese
set(ORUNIKA_CODE_PAGE 1200)  # UTF-16

function(orunika_add_version_record target)
  target_compile_definitions(${target} PRIVATE ORUNIKA_VERSION="${PROJECT_VERSION}")
  if(CMAKE_EXECUTABLE_FORMAT STREQUAL "ELF")
    string(CONCAT metadata "{"
      "\"type\":\"bin\",\"name\":\"${PROJECT_NAME}\",\"version\":\"${PROJECT_VERSION}\","
      "\"fileVersion\":\"${PROJECT_VERSION}\",\"productVersion\":\"${PROJECT_VERSION}\","
      "\"fileVersionText\":\"${ORUNIKA_VERSION_TEXT}\","
      "\"productVersionText\":\"${ORUNIKA_VERSION_TEXT}\","
      "\"productName\":\"${ORUNIKA_PRODUCT_NAME}\","
      "\"language\":\"${ORUNIKA_LANGUAGE}\",\"codePage\":${ORUNIKA_CODE_PAGE}}")
    # -Xlinker passes the text whole; -Wl would split it at the commas.
    target_link_options(${target} PRIVATE "SHELL:-Xlinker '--package-metadata=${metadata}'")
  endif()
endfunction()
