# ceoutlook.dll: the Pocket Outlook objects, an in-process COM server over
# the object store. The model (everything but the COM objects) is a static
# library that the tests link too.
quillon_library(outlook_model
  ${CMAKE_CURRENT_LIST_DIR}/byte_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/categories.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_data.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_fields.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_query.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ole_dates.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pim_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_blobs.cpp
  ${CMAKE_CURRENT_LIST_DIR}/record_codec.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recurrence_rule.cpp
  ${CMAKE_CURRENT_LIST_DIR}/restriction.cpp
  ${CMAKE_CURRENT_LIST_DIR}/short_date.cpp)
target_link_libraries(outlook_model PUBLIC ceplat)

quillon_dll(ceoutlook
  ${CMAKE_CURRENT_LIST_DIR}/app_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/appointment_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/collection_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/com_server.cpp
  ${CMAKE_CURRENT_LIST_DIR}/contact_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exception_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/folder_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_actions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_display.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pattern_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_item.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/recipient_objects.cpp
  ${CMAKE_CURRENT_LIST_DIR}/task_object.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ceoutlook.def)
target_link_libraries(ceoutlook PRIVATE outlook_model ceplat ole32 oleaut32 uuid)

# The stand-in item form that Display starts.
quillon_program(PimForm
  ${CMAKE_CURRENT_LIST_DIR}/item_form/pim_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_form/form_request.cpp
  ${CMAKE_CURRENT_LIST_DIR}/item_form/item_fields.cpp)
target_link_libraries(PimForm PRIVATE ceplat ole32 oleaut32 uuid shell32 gdi32 user32)

# A benchmark of the object model (not a test):
#   tools/device make DEV && tools/device exec DEV --seconds 900 "$PWD/build/bin/poom_bench.exe"
quillon_console_program(poom_bench ${CMAKE_CURRENT_LIST_DIR}/bench/poom_bench.cpp)
target_link_libraries(poom_bench PRIVATE ceplat ole32 oleaut32 uuid)
