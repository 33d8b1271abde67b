# Desktop integration and the Debian package: the menu entry, the .qsd file type,
# the icons, the AppStream description and the thumbnailer are installed beside
# the programs and their data, and CPack turns the same install rules into a
# .deb (`cpack -G DEB` in the build folder).
include_guard(GLOBAL)
include(GNUInstallDirs)

set(STRANDEL_HOMEPAGE "https://strandel.example.org" CACHE STRING
    "The project's home page, named in the AppStream description")
set(STRANDEL_APP_ID "org.example.strandel" CACHE STRING
    "The program's reverse-DNS name in the AppStream description, from its home page")
# The day the version of project() was released.
set(STRANDEL_RELEASE_DATE "2026-12-07")

set(packaging ${CMAKE_SOURCE_DIR}/packaging)
set(share ${CMAKE_INSTALL_DATADIR})

install(FILES ${packaging}/strandel.desktop DESTINATION ${share}/applications)
install(FILES ${packaging}/strandel-mime.xml DESTINATION ${share}/mime/packages
        RENAME strandel.xml)
install(FILES ${packaging}/strandel.thumbnailer DESTINATION ${share}/thumbnailers)
configure_file(${packaging}/strandel.metainfo.xml.in
               ${CMAKE_BINARY_DIR}/packaging/${STRANDEL_APP_ID}.metainfo.xml @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/packaging/${STRANDEL_APP_ID}.metainfo.xml
        DESTINATION ${share}/metainfo)

set(icon_theme ${share}/icons/hicolor)
install(FILES ${packaging}/icons/strandel.svg DESTINATION ${icon_theme}/scalable/apps)
install(FILES ${packaging}/icons/application-x-strandel-model.svg
        DESTINATION ${icon_theme}/scalable/mimetypes)
foreach(size 16 24 32 48 64 128 256)
  install(FILES ${packaging}/icons/${size}/strandel.png
          DESTINATION ${icon_theme}/${size}x${size}/apps)
  install(FILES ${packaging}/icons/${size}/application-x-strandel-model.png
          DESTINATION ${icon_theme}/${size}x${size}/mimetypes)
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME strandel)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${PROJECT_DESCRIPTION})
set(CPACK_PACKAGE_CONTACT "The Strandel developers <strandel@example.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Debug information stays in the build; the package carries stripped programs.
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${STRANDEL_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Strandel solves plane frames and trusses by the stiffness method and\nchecks every beam against its capacities; strandel-cli does the same\nwork in scripts.")
# The shared libraries the programs link decide the dependencies; the labels of
# pictures and reports want the Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${packaging}/debian/postinst ${packaging}/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
