# Stand-ins for the device's own programs that the system starts or talks to.
# Each is a program of its own, installed in the device's \Windows.
foreach(name Notes tmail ctlpnl KTFMMS)
  quillon_program(${name} ${CMAKE_CURRENT_LIST_DIR}/command_line_standin.cpp)
  target_link_libraries(${name} PRIVATE ceplat)
endforeach()

# The nate phone's received-message records, written by its stand-in and by tests.
quillon_library(sms_records ${CMAKE_CURRENT_LIST_DIR}/sms_records.cpp)
target_link_libraries(sms_records PUBLIC ceplat oleaut32)

foreach(name HpPhone LgPhone NatePhone)
  quillon_program(${name}
    ${CMAKE_CURRENT_LIST_DIR}/phone_window_standin.cpp
    ${CMAKE_CURRENT_LIST_DIR}/nate_phone.cpp)
  target_link_libraries(${name} PRIVATE ceplat sms_records advapi32)
endforeach()

# The nate phone's own library as its device holds it, for its version text:
# "\File Store\Harrowell\MobilePhone\Telvo.DLL" (bin/phone/ in the build).
quillon_resource_dll(NatePhoneLibrary "${QUILLON_BIN}/phone"
  ${CMAKE_CURRENT_LIST_DIR}/nate_phone_library.cpp
  ${CMAKE_CURRENT_LIST_DIR}/nate_phone_library.rc)
set_target_properties(NatePhoneLibrary PROPERTIES OUTPUT_NAME Telvo SUFFIX ".DLL")

# The weather server the Today item downloads from, on 127.0.0.N:4888.
quillon_program(WeatherServer ${CMAKE_CURRENT_LIST_DIR}/weather_server.cpp)
target_link_libraries(WeatherServer PRIVATE ceplat ws2_32 shell32)
