# The Rich Ink control and its body format, in ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ink_stream.cpp)
