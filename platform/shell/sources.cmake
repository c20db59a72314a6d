# The shell and device-status layer, inside ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/geometry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/platform_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/top_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/system_parameters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/device_status.cpp
  ${CMAKE_CURRENT_LIST_DIR}/storage_cards.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folders.cpp
  ${CMAKE_CURRENT_LIST_DIR}/locale.cpp
  ${CMAKE_CURRENT_LIST_DIR}/control_hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reset_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/phone_call.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_bar_resource.cpp
  ${CMAKE_CURRENT_LIST_DIR}/menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/file_dialogs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_sheets.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_panel_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/activation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/foreground.cpp
  ${CMAKE_CURRENT_LIST_DIR}/gestures.cpp
  ${CMAKE_CURRENT_LIST_DIR}/plain_subclass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_controls.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcut_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shortcuts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bitmaps.cpp)
target_link_libraries(ceplat PRIVATE comctl32 shell32 advapi32)
