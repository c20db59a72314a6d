# InstallerHost.exe: the device's installer, which calls a setup DLL's hooks.
quillon_program(InstallerHost
  ${CMAKE_CURRENT_LIST_DIR}/main.cpp
  ${CMAKE_CURRENT_LIST_DIR}/options.cpp
  ${CMAKE_CURRENT_LIST_DIR}/package.cpp
  ${CMAKE_CURRENT_LIST_DIR}/setup_dll.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/unattended.cpp)
target_link_libraries(InstallerHost PRIVATE ceplat gdi32 user32 advapi32 shell32)
