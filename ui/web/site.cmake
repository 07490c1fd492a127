# Writes the site's files that come from the form: index.html, with the form's markup in its start
# state and one style sheet of the page's rules and the form's, allowed by its hash in the
# Content-Security-Policy, which allows no other style; the manifest; and the maskable icon, the
# globe inside the safe zone on the form's colour. The parts come from the page's writer.
#   cmake -D NODE=<node and its options> -D WRITER=<write_page.js> -D SOURCE=<ui/web>
#         -D GLOBE=<globe_32.xpm> -D SITE=<site folder> -P site.cmake
foreach(part markup style colour)
  execute_process(COMMAND ${NODE} ${WRITER} ${part} OUTPUT_VARIABLE ${part}
                  COMMAND_ERROR_IS_FATAL ANY)
  string(STRIP "${${part}}" ${part})
endforeach()
set(MARKUP "${markup}")
set(COLOUR "${colour}")
file(READ ${SOURCE}/page.css STYLE)
string(APPEND STYLE "${style}")

# The style's SHA-256 in base64, as the policy names it, by Node's own hash.
file(WRITE style.css "${STYLE}")
set(hash "require('crypto').createHash('sha256').update(require('fs').readFileSync('style.css'))")
execute_process(COMMAND ${NODE} -p "${hash}.digest('base64')" OUTPUT_VARIABLE base64
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
set(STYLE_HASH "sha256-${base64}")

configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/manifest.webmanifest.in ${SITE}/manifest.webmanifest @ONLY)
execute_process(COMMAND convert ${GLOBE} -filter point -resize 384x384 -background ${COLOUR}
                        -gravity center -extent 512x512 -strip PNG8:${SITE}/icon-maskable-512.png
                COMMAND_ERROR_IS_FATAL ANY)
