# Installation of the programs, their manual pages and the README; CPack builds a Debian
# package on Linux (cpack -G DEB) and a zip on Windows (cpack -G ZIP).

if(WIN32)
  # The zip holds the programs and the README side by side.
  install(TARGETS ${QUARVEL_PROGRAMS} RUNTIME DESTINATION .)
  install(FILES ${CMAKE_SOURCE_DIR}/README.md DESTINATION .)
  set(CPACK_GENERATOR ZIP)
  set(CPACK_SYSTEM_NAME win64)
  set(CPACK_STRIP_FILES TRUE)
else()
  include(GNUInstallDirs)
  install(TARGETS ${QUARVEL_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  # Installed programs are stripped as Debian strips them: symbols, and the sections that
  # only name the compiler.
  foreach(program IN LISTS QUARVEL_PROGRAMS)
    install(CODE "execute_process(COMMAND ${CMAKE_STRIP} --strip-unneeded
      --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${program}\")")
  endforeach()

  # Manual pages carry the version; Debian wants them compressed, without a time stamp.
  set(man_pages)
  foreach(page IN LISTS QUARVEL_PROGRAMS)
    configure_file(${CMAKE_SOURCE_DIR}/man/${page}.1.in ${CMAKE_BINARY_DIR}/man/${page}.1 @ONLY)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page}.1.gz
      COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/man/${page}.1 > ${CMAKE_BINARY_DIR}/man/${page}.1.gz
      DEPENDS ${CMAKE_BINARY_DIR}/man/${page}.1
      VERBATIM)
    list(APPEND man_pages ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  endforeach()
  configure_file(${CMAKE_SOURCE_DIR}/cmake/debian/changelog.in ${CMAKE_BINARY_DIR}/debian/changelog
    @ONLY)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/debian/changelog.gz
    COMMAND gzip -9 -n -c ${CMAKE_BINARY_DIR}/debian/changelog > ${CMAKE_BINARY_DIR}/debian/changelog.gz
    DEPENDS ${CMAKE_BINARY_DIR}/debian/changelog
    VERBATIM)
  add_custom_target(quarvel_documents ALL DEPENDS ${man_pages} ${CMAKE_BINARY_DIR}/debian/changelog.gz)

  install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES ${CMAKE_SOURCE_DIR}/README.md ${CMAKE_SOURCE_DIR}/cmake/debian/copyright
    ${CMAKE_BINARY_DIR}/debian/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${CMAKE_SOURCE_DIR}/cmake/debian/lintian-overrides
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quarvel)
  set(CPACK_GENERATOR DEB)
endif()

set(CPACK_PACKAGE_NAME quarvel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "the Quarvel developers")
set(CPACK_PACKAGE_CONTACT "Quarvel developers <developers@quarvel.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "checks Java sources against ${QUARVEL_RULE_COUNT} numbered coding rules")
set(CPACK_PACKAGE_DESCRIPTION "Quarvel checks Java source files against ${QUARVEL_RULE_COUNT} numbered coding
rules and prints one line per defect, then a summary. It reads whole code bases
quickly and any bytes without failing.
.
quarvel-scan checks a project's tree: it leaves out what git ignores, keeps
going past a file it cannot read, reports only new defects against a baseline
or a git revision, and writes reports for CI platforms in one run.
.
quarvel-report turns a run's output into SARIF, Checkstyle XML, GitLab Code
Quality JSON, the compilers' file:line form or GitHub Actions annotations, and
gives CI an exit status that fails a job on defects.
.
quarvel-lsp is a language server: editors that speak the Language Server
Protocol show the defects of the Java document being edited as the user types,
with quick fixes that switch a rule off.")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT) # quarvel_<version>_amd64.deb
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)

include(CPack)
