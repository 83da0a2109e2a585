# cmake -D SITE=<folder> -D TEMPLATE=<sw.js.in> -P service-worker.cmake
# Writes <folder>/sw.js: the list of the site's files, and a cache name that
# changes whenever one of them does.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(hashes "")
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${hash} ${file}\n")
endforeach()
string(SHA256 SITE_HASH "${hashes}")
string(SUBSTRING ${SITE_HASH} 0 16 SITE_HASH)
# The folder itself first: it is what a visit opens.
list(TRANSFORM files REPLACE "(.+)" "'\\1'")
list(JOIN files ", " SITE_FILES)
set(SITE_FILES "'./', ${SITE_FILES}")
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
