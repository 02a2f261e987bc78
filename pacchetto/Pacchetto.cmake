# Installation with the usual GNU folders, and the Debian package made from it with CPack.
include(GNUInstallDirs)

set(SIRVELA_ID it.sirvela.Sirvela)
set(SIRVELA_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/sirvela)
set(SIRVELA_GENERATI ${CMAKE_BINARY_DIR}/pacchetto)
file(MAKE_DIRECTORY ${SIRVELA_GENERATI})

# Manual pages and the changelog go compressed, without a time stamp, so every build of the
# same sources gives the same bytes.
foreach(testo sirvela.1 sirvela-cli.1 changelog)
  set(sorgente ${CMAKE_SOURCE_DIR}/pacchetto/${testo})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${sorgente})
  execute_process(COMMAND gzip -9nc ${sorgente} OUTPUT_FILE ${SIRVELA_GENERATI}/${testo}.gz
    RESULT_VARIABLE esito)
  if(NOT esito EQUAL 0)
    message(FATAL_ERROR "gzip could not compress ${sorgente}")
  endif()
endforeach()

# The package's copyright file carries the licence in the machine-readable Debian layout.
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/LICENSE)
file(READ ${CMAKE_SOURCE_DIR}/LICENSE licenza)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]+)" _ "${licenza}")
set(titolare "${CMAKE_MATCH_1}")
string(FIND "${licenza}" "Permission is hereby" inizio)
string(SUBSTRING "${licenza}" ${inizio} -1 permesso)
string(STRIP "${permesso}" permesso)
string(REPLACE "\n\n" "\n.\n" permesso "${permesso}")
string(REPLACE "\n" "\n " permesso "${permesso}")
file(WRITE ${SIRVELA_GENERATI}/copyright
  "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
  "Upstream-Name: Sirvela\n"
  "Upstream-Contact: Sirvela developers <sviluppo@sirvela.it>\n"
  "Source: https://www.sirvela.it\n\n"
  "Files: *\n"
  "Copyright: ${titolare}\n"
  "License: Expat\n"
  " ${permesso}\n")

install(TARGETS sirvela-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${SIRVELA_GENERATI}/sirvela-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(SIRVELA_AGGIORNAMENTO_PROGRAMMA)
  # The updater replaces the program beside it, so it lives in the same folder.
  install(TARGETS sirvela-aggiorna RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
if(SIRVELA_GUI)
  # The help pages are built into the program; nothing to install for them.
  install(TARGETS sirvela RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${SIRVELA_GENERATI}/sirvela.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  install(FILES pacchetto/${SIRVELA_ID}.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES pacchetto/${SIRVELA_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES pacchetto/sirvela.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  foreach(lato 16 32 48 64 128 256)
    install(FILES resources/icona/sirvela-${lato}.png
      DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${lato}x${lato}/apps
      RENAME ${SIRVELA_ID}.png)
  endforeach()
  install(FILES resources/icona/sirvela.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${SIRVELA_ID}.svg)
endif()
install(FILES ${SIRVELA_GENERATI}/copyright ${SIRVELA_GENERATI}/changelog.gz
  docs/esempio.json docs/sistema-json.md docs/riduzione-migliorata.md
  DESTINATION ${SIRVELA_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sirvela)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Sirvela developers")
set(CPACK_PACKAGE_CONTACT "Sirvela developers <sviluppo@sirvela.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sistemi per il gioco dell'ordine d'arrivo delle corse")
# Lines of at most 79 characters: the control file takes them as they are, after the summary.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Sirvela serve ai giocatori e alle ricevitorie del concorso sull'ordine
d'arrivo di una corsa: si sceglie quali piloti possono stare in ciascuna
delle otto posizioni, si aggiungono le condizioni che filtrano le colonne,
si sviluppa il sistema in colonne e lo si riduce a una garanzia di
punteggio. Le colonne si controllano con il risultato di un concorso, si
stampano sulle schedine e si analizzano con l'archivio dei concorsi.

Il pacchetto contiene il programma con le finestre (sirvela) e i suoi
comandi per la shell (sirvela-cli). Gli aggiornamenti del programma
arrivano dal gestore dei pacchetti.")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.sirvela.it)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit's own texts (file dialogs) in Italian.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SIRVELA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/pacchetto/Spoglia.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
  GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)

# The package test builds the package in a tree of its own beside this one, unpacks it and
# checks it; it takes minutes, so the everyday test run leaves it out (label "pacchetto"). The
# package tree compiles with this tree's flags and compiler launcher, so a compiler cache that
# served this tree serves it too.
if(SIRVELA_BUILD_TESTS AND SIRVELA_GUI)
  add_test(NAME pacchetto
    COMMAND ${CMAKE_COMMAND} -E env SIRVELA_WERROR=${SIRVELA_WERROR}
      CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER}
      bash ${CMAKE_SOURCE_DIR}/pacchetto/prova-pacchetto ${CMAKE_BINARY_DIR}-pacchetto
      ${CMAKE_BINARY_DIR} $<TARGET_FILE:sirvela-cli>)
  set_tests_properties(pacchetto PROPERTIES LABELS pacchetto TIMEOUT 3600 RUN_SERIAL TRUE)
endif()
