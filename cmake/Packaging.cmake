# Binary packages made by CPack from the install rules; `cpack -G DEB` in the build tree makes
# the Debian package.

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Velmora developers <dev@velmora.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://velmora.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "solver for school algebra: equations and linear systems")
# Debian wants the extended description in lines of at most 80 characters.
set(CPACK_PACKAGE_DESCRIPTION "\
Velmora solves a first-degree equation, a second-degree equation with real
or complex roots, and a linear system of two equations in two unknowns by
determinants, typed in as coefficients, and names every special case.")
set(CPACK_STRIP_FILES ON)
if(NOT CPACK_GENERATOR)
    set(CPACK_GENERATOR DEB)
endif()

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_NAME velmora)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Velmora developers <dev@velmora.example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# dpkg-shlibdeps names the libraries the binary links, among them libqt6gui6, which on Debian 12
# also ships the plugins Qt loads at run time (xcb platform; GIF, ICO and JPEG images). The fonts
# the windows are drawn with are loaded at run time too, so their package is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation | fonts-dejavu-core")

if(UNIX AND NOT APPLE)
    # The changelog and the manual page go compressed, without a time stamp in the gzip header,
    # so the package is the same from one build to the next.
    foreach(file IN ITEMS changelog Velmora.1)
        add_custom_command(OUTPUT ${file}.gz
            COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/packaging/${file} > ${file}.gz
            DEPENDS ${PROJECT_SOURCE_DIR}/packaging/${file}
            VERBATIM)
    endforeach()
    add_custom_target(velmora_documents ALL DEPENDS changelog.gz Velmora.1.gz)
    install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
    install(FILES ${PROJECT_BINARY_DIR}/Velmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

include(CPack)
