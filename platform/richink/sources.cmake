# The Rich Ink control and its body format, in ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ink_stream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ink_strokes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ink_painter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/streaming.cpp
  ${CMAKE_CURRENT_LIST_DIR}/richink_control.cpp)
