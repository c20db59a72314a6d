# The object store: CE databases over SQLite, inside ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/handles.cpp)
