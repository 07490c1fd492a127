# Writes the site's files that come from the form: index.html, with the form's markup in its start
# state and one style sheet of the page's rules and the form's, allowed by its hash in the
# Content-Security-Policy, which allows no other style; the manifest; and the maskable icon, the
# globe inside the safe zone on the form's colour. The parts come from the page's writer.
#   cmake -D WRITER=<node and write_page.js> -D SOURCE=<ui/web> -D GLOBE=<globe_32.xpm>
#         -D SITE=<site folder> -P site.cmake
foreach(part markup style colour)
  execute_process(COMMAND ${WRITER} ${part} OUTPUT_VARIABLE ${part} COMMAND_ERROR_IS_FATAL ANY)
  string(STRIP "${${part}}" ${part})
endforeach()
set(MARKUP "${markup}")
set(COLOUR "${colour}")
file(READ ${SOURCE}/page.css STYLE)
string(APPEND STYLE "${style}")

# The style's SHA-256 in base64, as the policy names it: four digits for every three bytes.
string(SHA256 hex "${STYLE}")
set(digits "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/")
set(base64 "")
foreach(start RANGE 0 63 6)
  string(SUBSTRING "${hex}" ${start} 6 group)
  string(LENGTH "${group}" length)
  math(EXPR bits "0x${group} << (24 - 4 * ${length})")
  math(EXPR count "(${length} * 4 + 5) / 6")
  foreach(shift 18 12 6 0)
    if(count GREATER 0)
      math(EXPR digit "(${bits} >> ${shift}) & 63")
      string(SUBSTRING "${digits}" ${digit} 1 character)
      string(APPEND base64 "${character}")
      math(EXPR count "${count} - 1")
    else()
      string(APPEND base64 "=")
    endif()
  endforeach()
endforeach()
set(STYLE_HASH "sha256-${base64}")

configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)
execute_process(COMMAND convert ${GLOBE} -filter point -resize 384x384 -background ${COLOUR}
                        -gravity center -extent 512x512 -strip PNG8:${SITE}/icon-maskable-512.png
                COMMAND_ERROR_IS_FATAL ANY)
