# What `cmake --install` puts under the prefix: the game, its whole asset folder, the menu entry,
# the software-centre description and the icons the asset generator draws. The installed game
# finds its asset folder at <prefix>/share/glimmerfir from its own place in <prefix>/bin.
set(GLIMMERFIR_APP_ID org.glimmerfir.glimmerfir)

install(TARGETS glimmerfir RUNTIME DESTINATION bin)
install(DIRECTORY ${GLIMMERFIR_ASSET_DIR}/ DESTINATION share/glimmerfir)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${GLIMMERFIR_APP_ID}.desktop
        DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/desktop/${GLIMMERFIR_APP_ID}.metainfo.xml
        DESTINATION share/metainfo)
foreach(size 48 64 128 256)
  install(FILES ${GLIMMERFIR_ASSET_DIR}/gfx/icon/glimmerfir_${size}.png
          DESTINATION share/icons/hicolor/${size}x${size}/apps RENAME ${GLIMMERFIR_APP_ID}.png)
endforeach()
install(FILES ${GLIMMERFIR_ASSET_DIR}/gfx/icon/glimmerfir.svg
        DESTINATION share/icons/hicolor/scalable/apps RENAME ${GLIMMERFIR_APP_ID}.svg)
