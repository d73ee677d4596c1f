# The Debian package, made by `cpack -G DEB` from the install rules. Its
# version is the project's; its maintainer is whoever signed the newest
# changelog entry (packaging/changelog.cmake).

# Debian keeps documentation gzipped at the highest level, with no name or
# time stamp inside, so that rebuilds give the same bytes.
# The OPTIONS section is printed from the options' table at build time.
set(WAVEDART_PACKAGING_DIR ${CMAKE_BINARY_DIR}/packaging)
set(OPTIONS "@OPTIONS@")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wavedart.6.in ${WAVEDART_PACKAGING_DIR}/wavedart.6.versioned @ONLY)
add_custom_command(OUTPUT ${WAVEDART_PACKAGING_DIR}/wavedart.6
    COMMAND man_options > options.6
    COMMAND ${CMAKE_COMMAND} -DIN=wavedart.6.versioned -DSECTION=options.6 -DOUT=wavedart.6
            -P ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
    DEPENDS man_options ${WAVEDART_PACKAGING_DIR}/wavedart.6.versioned ${CMAKE_CURRENT_LIST_DIR}/man_page.cmake
    WORKING_DIRECTORY ${WAVEDART_PACKAGING_DIR})
add_custom_command(OUTPUT ${WAVEDART_PACKAGING_DIR}/wavedart.6.gz ${WAVEDART_PACKAGING_DIR}/changelog.gz
    COMMAND gzip -9nc wavedart.6 > wavedart.6.gz
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/changelog > changelog.gz
    DEPENDS ${WAVEDART_PACKAGING_DIR}/wavedart.6 ${CMAKE_CURRENT_LIST_DIR}/changelog
    WORKING_DIRECTORY ${WAVEDART_PACKAGING_DIR})
add_custom_target(packaging_docs ALL
    DEPENDS ${WAVEDART_PACKAGING_DIR}/wavedart.6.gz ${WAVEDART_PACKAGING_DIR}/changelog.gz)

install(FILES ${WAVEDART_PACKAGING_DIR}/wavedart.6.gz DESTINATION share/man/man6)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${WAVEDART_PACKAGING_DIR}/changelog.gz
        DESTINATION share/doc/wavedart)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wavedart)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/drop_comment.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${WAVEDART_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "river shooter: fly up a river, shoot what crosses it, refuel")
set(CPACK_PACKAGE_DESCRIPTION
"Wavedart is a single-player 2D shooter. You fly up a river that scrolls
down the screen, shoot boats, cruisers, destroyers, helicopters, planes and
jets, refuel over the fuel depots, and bring down the bridge at the top of
each of the ten levels. Three difficulties; keyboard or game controller;
full screen or a resizable window.")
configure_file(${CMAKE_CURRENT_LIST_DIR}/depends.cmake.in ${WAVEDART_PACKAGING_DIR}/depends.cmake.in @ONLY)
file(GENERATE OUTPUT ${WAVEDART_PACKAGING_DIR}/depends.cmake INPUT ${WAVEDART_PACKAGING_DIR}/depends.cmake.in)
set(CPACK_PROJECT_CONFIG_FILE ${WAVEDART_PACKAGING_DIR}/depends.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
