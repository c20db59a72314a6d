# Stand-ins for the device's own programs that the system starts or talks to.
# Each is a program of its own, installed in the device's \Windows.
foreach(name Notes tmail ctlpnl KTFMMS)
  quillon_program(${name} ${CMAKE_CURRENT_LIST_DIR}/command_line_standin.cpp)
  target_link_libraries(${name} PRIVATE ceplat)
endforeach()
foreach(name HpPhone LgPhone NatePhone)
  quillon_program(${name} ${CMAKE_CURRENT_LIST_DIR}/phone_window_standin.cpp)
  target_link_libraries(${name} PRIVATE ceplat)
endforeach()
