# Run by cpack once the package's files are staged: strips the program the way
# Debian's dh_strip does, and puts its debug symbols, found by build id, in a
# package of their own, tibalou-dbgsym, beside tibalou's.
set(staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
set(program ${staged}/bin/tibalou)
set(root ${CPACK_TOPLEVEL_DIRECTORY}/dbgsym)
file(REMOVE_RECURSE ${root})

execute_process(COMMAND readelf --notes ${program} OUTPUT_VARIABLE notes COMMAND_ERROR_IS_FATAL ANY)
if(NOT notes MATCHES "Build ID: ([0-9a-f][0-9a-f])([0-9a-f]+)")
  message(FATAL_ERROR "${program} has no build id")
endif()
set(build_id ${CMAKE_MATCH_1}${CMAKE_MATCH_2})
set(debug_file usr/lib/debug/.build-id/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}.debug)
get_filename_component(debug_dir ${root}/${debug_file} DIRECTORY)
file(MAKE_DIRECTORY ${debug_dir} ${root}/DEBIAN ${root}/usr/share/doc)
execute_process(COMMAND objcopy --only-keep-debug --compress-debug-sections ${program} ${root}/${debug_file}
                COMMAND_ERROR_IS_FATAL ANY)
file(CHMOD ${root}/${debug_file} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note ${program} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND objcopy --add-gnu-debuglink=${root}/${debug_file} ${program} COMMAND_ERROR_IS_FATAL ANY)
# Its documentation is tibalou's, which it depends on.
file(CREATE_LINK tibalou ${root}/usr/share/doc/tibalou-dbgsym SYMBOLIC)

execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE architecture
                OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(SIZE ${root}/${debug_file} size)
math(EXPR installed_kib "(${size} + 1023) / 1024")
set(version ${CPACK_PACKAGE_VERSION})
file(WRITE ${root}/DEBIAN/control "\
Package: tibalou-dbgsym
Version: ${version}
Architecture: ${architecture}
Maintainer: ${CPACK_PACKAGE_CONTACT}
Installed-Size: ${installed_kib}
Depends: tibalou (= ${version})
Section: debug
Priority: optional
Auto-Built-Package: debug-symbols
Build-Ids: ${build_id}
Description: debug symbols for tibalou
")
file(MD5 ${root}/${debug_file} md5)
file(WRITE ${root}/DEBIAN/md5sums "${md5}  ${debug_file}\n")
execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build ${root}
                        ${CPACK_PACKAGE_DIRECTORY}/tibalou-dbgsym_${version}_${architecture}.deb
                OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
