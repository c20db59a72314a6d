# The object store: CE databases over SQLite, inside ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/batches.cpp
  ${CMAKE_CURRENT_LIST_DIR}/catalog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/change_log.cpp
  ${CMAKE_CURRENT_LIST_DIR}/commit_stamp.cpp
  ${CMAKE_CURRENT_LIST_DIR}/handles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/id_counters.cpp
  ${CMAKE_CURRENT_LIST_DIR}/notifications.cpp
  ${CMAKE_CURRENT_LIST_DIR}/open_database.cpp
  ${CMAKE_CURRENT_LIST_DIR}/property_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/records.cpp
  ${CMAKE_CURRENT_LIST_DIR}/records_ahead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/seek.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sort_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/store_lock.cpp
  ${CMAKE_CURRENT_LIST_DIR}/test_hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volume_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/volumes.cpp)

# A benchmark against SQLite used directly (not a test):
#   tools/device exec DEV build/bin/store_bench.exe
quillon_console_program(store_bench ${CMAKE_CURRENT_LIST_DIR}/bench/store_bench.cpp
  $<TARGET_OBJECTS:sqlite3>)
target_include_directories(store_bench PRIVATE "${QUILLON_SQLITE_DIR}")
target_link_libraries(store_bench PRIVATE ceplat)
