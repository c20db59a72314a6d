# The SQLite amalgamation, fetched by tools/setup into third_party/ (not in git),
# built with its own flags and linked into the platform DLL.
set(QUILLON_SQLITE_DIR "${CMAKE_SOURCE_DIR}/third_party/sqlite")
if(NOT EXISTS "${QUILLON_SQLITE_DIR}/sqlite3.c")
  message(FATAL_ERROR "third_party/sqlite/sqlite3.c is missing: run tools/setup")
endif()
add_library(sqlite3 OBJECT "${QUILLON_SQLITE_DIR}/sqlite3.c")
target_include_directories(sqlite3 PUBLIC "${QUILLON_SQLITE_DIR}")
target_compile_definitions(sqlite3 PRIVATE
  SQLITE_THREADSAFE=1
  SQLITE_DEFAULT_WAL_SYNCHRONOUS=1
  SQLITE_OMIT_LOAD_EXTENSION
  SQLITE_OMIT_DEPRECATED
  SQLITE_DQS=0
  SQLITE_WIN32_NO_ANSI
  # Reads and writes at an offset by a seek of the connection's own handle:
  # an offset structure per call costs a window-server round trip under Wine.
  SQLITE_WIN32_NO_OVERLAPPED)
target_compile_options(sqlite3 PRIVATE -O2 -w)
