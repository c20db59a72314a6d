# TodayHost.exe: the device's Today screen, which loads and drives Today items.
quillon_program(TodayHost
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/host_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/items.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/selection.cpp
  ${CMAKE_CURRENT_LIST_DIR}/appearance.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options.cpp)
target_link_libraries(TodayHost PRIVATE ceplat comctl32 gdi32 user32 advapi32)
