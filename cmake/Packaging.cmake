# A Debian package of the program: `cpack -G DEB` in the build folder.
# Besides the programs, it installs what Debian asks of a package: manual
# pages, the changelog and the machine-readable copyright under
# /usr/share/doc/orbitas, bash completion, and the JSON's description.

# Files compressed as Debian wants them: gzip -9, with no name or time
# inside, so that the same source always gives the same bytes.
function(orbitas_gzip source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND gzip -9nc ${source} > ${output}
                     DEPENDS ${source} VERBATIM)
endfunction()

set(packaged ${CMAKE_BINARY_DIR}/packaged)
file(MAKE_DIRECTORY ${packaged})
orbitas_gzip(${PROJECT_SOURCE_DIR}/docs/man/orbitas.1 ${packaged}/orbitas.1.gz)
orbitas_gzip(${PROJECT_SOURCE_DIR}/docs/man/orbitas-cli.1 ${packaged}/orbitas-cli.1.gz)
orbitas_gzip(${PROJECT_SOURCE_DIR}/docs/man/orbitas-cielo.1 ${packaged}/orbitas-cielo.1.gz)
orbitas_gzip(${PROJECT_SOURCE_DIR}/packaging/changelog ${packaged}/changelog.gz)
add_custom_target(orbitas_packaged_files ALL
                  DEPENDS ${packaged}/orbitas.1.gz ${packaged}/orbitas-cli.1.gz ${packaged}/orbitas-cielo.1.gz ${packaged}/changelog.gz)

install(FILES ${packaged}/orbitas-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(ORBITAS_BUILD_WINDOW)
  install(FILES ${packaged}/orbitas.1.gz ${packaged}/orbitas-cielo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES ${packaged}/changelog.gz ${PROJECT_SOURCE_DIR}/packaging/copyright
              ${PROJECT_SOURCE_DIR}/docs/json.md ${PROJECT_SOURCE_DIR}/docs/orbitas-cli.schema.json
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/orbitas)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/orbitas-cli.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME orbitas-cli)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orbitas)
set(CPACK_PACKAGE_VENDOR "Órbitas")
set(CPACK_PACKAGE_CONTACT "Órbitas <orbitas@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Posiciones planetarias aproximadas (ventana y línea de órdenes)")
set(CPACK_PACKAGE_DESCRIPTION
    "Órbitas calcula, para una fecha y una hora, el día juliano, las coordenadas
heliocéntricas de la Tierra y de cada planeta, y la ascensión recta, la
declinación y la distancia a la Tierra de cada planeta, a partir de un conjunto
fijo de elementos keplerianos medios. Es una ventana en español (orbitas), un
planificador de observación (orbitas-cielo: esta noche, los fenómenos del año,
los eclipses y las cartas de localización) y una orden para scripts
(orbitas-cli) que da instantes sueltos, tablas, cada valor
intermedio del cálculo, dibujos de las órbitas y del camino de los planetas en
el cielo, y dónde está cada planeta sobre el horizonte de un lugar, con su
salida y su puesta, junto al error del propio método.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's Spanish translation, which no library links: the planner's menus,
# file dialogs and message boxes are in Spanish with it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
include(CPack)
