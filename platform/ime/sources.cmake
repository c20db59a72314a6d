# Input methods, conversion modes and the Hangul composer, in ceplat.
target_sources(ceplat PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/input_methods.cpp
  ${CMAKE_CURRENT_LIST_DIR}/conversion_mode.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hangul_automaton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dubeolsik.cpp
  ${CMAKE_CURRENT_LIST_DIR}/edit_composer.cpp)
target_link_libraries(ceplat PRIVATE imm32 ole32)
