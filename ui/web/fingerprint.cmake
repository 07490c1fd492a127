# Writes the site's service worker, its cache named after the version and a fingerprint of every
# file it keeps. Any change to any of them gives a worker of other bytes, which a browser installs
# on the next visit with network, and a new cache.
#   cmake -D SITE=<site folder> -D TEMPLATE=<service-worker.js.in> -D VERSION=<version>
#         -P fingerprint.cmake
set(kept index.html orunika.js orunika.wasm manifest.webmanifest icon-192.png icon-512.png
         icon-maskable-512.png)
set(contents "")
set(KEPT "'./'")
foreach(file ${kept})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents "${hash} ${file}\n")
  string(APPEND KEPT ", '${file}'")
endforeach()
string(SHA256 FINGERPRINT "${contents}")
string(SUBSTRING ${FINGERPRINT} 0 16 FINGERPRINT)
configure_file(${TEMPLATE} ${SITE}/service-worker.js @ONLY)
