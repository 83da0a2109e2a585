# The static site any web server can serve, assembled in <build>/site by the
# build and installed by
#   cmake --install <build> --prefix <folder> --component web
# Every path in it is relative: it works from any folder of a server.
set(site_dir ${CMAKE_BINARY_DIR}/site)

# The program's icon, as browsers, tablets and app launchers take it.
set(site_icons ${site_dir}/icons/tibalou.svg ${site_dir}/icons/32.png)
add_custom_command(OUTPUT ${site_icons}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${site_dir}/icons
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/tibalou.svg ${site_dir}/icons/tibalou.svg
  COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/data/icons/32x32/tibalou.png ${site_dir}/icons/32.png
  DEPENDS data/tibalou.svg data/icons/32x32/tibalou.png VERBATIM)
foreach(size 180 192 512)
  set(png ${site_dir}/icons/${size}.png)
  add_custom_command(OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${site_dir}/icons
    COMMAND ${RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${PROJECT_SOURCE_DIR}/data/tibalou.svg
    DEPENDS data/tibalou.svg VERBATIM)
  list(APPEND site_icons ${png})
endforeach()

# The page and the program, then the service worker that names its cache
# after them all.
set(site_sources web/index.html web/page.js web/manifest.webmanifest)
list(TRANSFORM site_sources PREPEND ${PROJECT_SOURCE_DIR}/)
set(site_files ${site_sources} ${CMAKE_BINARY_DIR}/qtloader.js $<TARGET_FILE:tibalou>
  $<TARGET_FILE_DIR:tibalou>/tibalou.wasm)
add_custom_command(OUTPUT ${site_dir}/sw.js
  COMMAND ${CMAKE_COMMAND} -E copy ${site_files} ${site_dir}
  COMMAND ${CMAKE_COMMAND} -D SITE=${site_dir} -D TEMPLATE=${PROJECT_SOURCE_DIR}/web/sw.js.in
    -P ${PROJECT_SOURCE_DIR}/web/service-worker.cmake
  DEPENDS tibalou ${site_sources} ${site_icons} web/sw.js.in web/service-worker.cmake VERBATIM)
add_custom_target(site ALL DEPENDS ${site_dir}/sw.js)
install(DIRECTORY ${site_dir}/ DESTINATION . COMPONENT web)
