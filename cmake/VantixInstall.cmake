# cmake --install: the program folder lib/vantix/ (every program, the catalogue
# and the data files, as the programs expect them beside themselves), the
# commands in bin/, the desktop files, the manual page, the completion, and
# liblindrel32.so with its headers, CMake package and pkg-config file.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(VANTIX_INSTALL_PROGRAM_DIR lib/vantix)
set(VANTIX_INSTALL_LIB_DIR lib)

# A program of the folder finds liblindrel32.so in lib/ through its run path.
function(vantix_install_program target destination origin_to_lib)
  if(TARGET ${target})
    set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN/${origin_to_lib}")
    install(TARGETS ${target} RUNTIME DESTINATION ${destination} COMPONENT programs)
  endif()
endfunction()

vantix_install_program(vantix_shell ${VANTIX_INSTALL_PROGRAM_DIR} ..)
vantix_install_program(vantix-cli ${VANTIX_INSTALL_PROGRAM_DIR} ..)
foreach(module regalto_program bootlam_program drevion_program traskel_program tray_program)
  vantix_install_program(${module} ${VANTIX_INSTALL_PROGRAM_DIR}/Module ../..)
endforeach()

# The data files, as the build lays them out in its program folder.
install(FILES ${VANTIX_PROGRAM_DIR}/QUORVIA.MDE ${VANTIX_PROGRAM_DIR}/VANTIX.HLP
  DESTINATION ${VANTIX_INSTALL_PROGRAM_DIR} COMPONENT programs)
install(DIRECTORY ${VANTIX_PROGRAM_DIR}/Module/ DESTINATION ${VANTIX_INSTALL_PROGRAM_DIR}/Module
  COMPONENT programs FILES_MATCHING PATTERN "*.HLP")
install(DIRECTORY ${VANTIX_PROGRAM_DIR}/PICTURES ${VANTIX_PROGRAM_DIR}/Sound ${VANTIX_PROGRAM_DIR}/machine
  DESTINATION ${VANTIX_INSTALL_PROGRAM_DIR} COMPONENT programs
  PATTERN "CMakeLists.txt" EXCLUDE PATTERN "README.md" EXCLUDE)

# bin/vantix and bin/vantix-cli: links into the program folder, so that each
# program still finds its folder from its own location.
foreach(pair "vantix:VANTIX.EXE" "vantix-cli:vantix-cli")
  string(REPLACE ":" ";" pair "${pair}")
  list(GET pair 0 command)
  list(GET pair 1 program)
  install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${VANTIX_INSTALL_PROGRAM_DIR}/${program} \"\${bin}/${command}\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/${command} -> ../${VANTIX_INSTALL_PROGRAM_DIR}/${program}\")"
    COMPONENT programs)
endforeach()

set(desktop ${CMAKE_SOURCE_DIR}/data/desktop)
install(FILES ${desktop}/org.example.vantix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
  COMPONENT programs)
install(FILES ${desktop}/org.example.vantix.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
  COMPONENT programs)
install(FILES ${desktop}/org.example.vantix.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
  COMPONENT programs)
install(FILES ${desktop}/vantix-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
  RENAME vantix-cli COMPONENT programs)

# The manual page, written from vantix-cli's own --help texts at build time.
if(TARGET vantix-cli)
  set(man_page ${CMAKE_BINARY_DIR}/man/vantix-cli.1)
  add_custom_command(OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:vantix-cli> -DOUTPUT=${man_page}
            -DVERSION=${PROJECT_VERSION} -P ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    DEPENDS vantix-cli ${CMAKE_SOURCE_DIR}/cmake/ManPage.cmake
    COMMENT "Writing the manual page vantix-cli.1 from vantix-cli --help"
    VERBATIM)
  add_custom_target(man_page ALL DEPENDS ${man_page})
  install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
endif()

# liblindrel32.so for programs of third parties.
install(TARGETS lindrel32 LIBRARY DESTINATION ${VANTIX_INSTALL_LIB_DIR} COMPONENT programs
  NAMELINK_COMPONENT development)
foreach(header IN LISTS LINDREL32_PUBLIC_HEADERS)
  get_filename_component(folder ${header} DIRECTORY)
  install(FILES ${CMAKE_SOURCE_DIR}/${header} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vantix/${folder}
    COMPONENT development)
endforeach()
set(package_dir ${CMAKE_BINARY_DIR}/package)
configure_file(${CMAKE_SOURCE_DIR}/cmake/Lindrel32Config.cmake.in ${package_dir}/Lindrel32Config.cmake @ONLY)
write_basic_package_version_file(${package_dir}/Lindrel32ConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${package_dir}/Lindrel32Config.cmake ${package_dir}/Lindrel32ConfigVersion.cmake
  DESTINATION ${VANTIX_INSTALL_LIB_DIR}/cmake/Lindrel32 COMPONENT development)
configure_file(${CMAKE_SOURCE_DIR}/cmake/lindrel32.pc.in ${package_dir}/lindrel32.pc @ONLY)
install(FILES ${package_dir}/lindrel32.pc DESTINATION ${VANTIX_INSTALL_LIB_DIR}/pkgconfig
  COMPONENT development)

include(VantixPackage)
