# Installation as Linux desktop programs are installed (cmake --install, and the Debian package):
#   bin/quorvane, bin/quorvane-cli
#   share/applications/org.example.quorvane.desktop, share/metainfo/org.example.quorvane.metainfo.xml
#   share/icons/hicolor/{scalable,48x48,128x128,256x256}/apps/quorvane.{svg,png}
#   share/doc/quorvane/{readme.txt,README.md}  (the help menu finds readme.txt there)
#   share/quorvane/ssq.dxt                      (the carried draw history, read-only)
# A program whose folder is <prefix>/bin with <prefix>/share/quorvane keeps its data in the user's
# data folder.
include(GNUInstallDirs)

install(TARGETS quorvane-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/data/ssq.dxt DESTINATION ${CMAKE_INSTALL_DATADIR}/quorvane
        PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
install(FILES ${PROJECT_SOURCE_DIR}/doc/readme.txt ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quorvane)

if(QUORVANE_BUILD_GUI)
    install(TARGETS quorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.example.quorvane.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/org.example.quorvane.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

    # The icon files are drawn at build time from the shapes of the window's icon.
    set(icon_folder ${PROJECT_BINARY_DIR}/icons)
    set(icon_files ${icon_folder}/quorvane.svg ${icon_folder}/quorvane-48.png ${icon_folder}/quorvane-128.png
                   ${icon_folder}/quorvane-256.png)
    add_custom_command(
        OUTPUT ${icon_files}
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:quorvane-icons> ${icon_folder}
        DEPENDS quorvane-icons
        COMMENT "Drawing the program's icon files")
    add_custom_target(quorvane_icon_files ALL DEPENDS ${icon_files})

    set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    install(FILES ${icon_folder}/quorvane.svg DESTINATION ${hicolor}/scalable/apps)
    foreach(side 48 128 256)
        install(FILES ${icon_folder}/quorvane-${side}.png DESTINATION ${hicolor}/${side}x${side}/apps
                RENAME quorvane.png)
    endforeach()
endif()
