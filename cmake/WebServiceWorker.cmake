# SPDX-License-Identifier: GPL-3.0-or-later
# Run after the page is placed: names the service worker's cache after the
# digest of the page's files, so every new build is a new version.
#   cmake -DOUT=dir -DTEMPLATE=quintaro_sw.js.in -DVERSION=x.y.z -P WebServiceWorker.cmake
set(digests "")
foreach(name quintaro.html quintaro.js quintaro.wasm quintaro.webmanifest locale-de.mo locale-es.mo locale-fr.mo locale-he.mo)
  file(SHA256 ${OUT}/${name} one)
  string(APPEND digests ${one})
endforeach()
string(SHA256 all "${digests}")
string(SUBSTRING ${all} 0 12 short)
set(QUINTARO_CACHE_KEY "${VERSION}-${short}")
configure_file(${TEMPLATE} ${OUT}/quintaro_sw.js @ONLY)
