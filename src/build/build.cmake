target_sources(quillmoss_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/build_script.cpp ${CMAKE_CURRENT_LIST_DIR}/build_script.h
    ${CMAKE_CURRENT_LIST_DIR}/clean_up.cpp ${CMAKE_CURRENT_LIST_DIR}/clean_up.h
    ${CMAKE_CURRENT_LIST_DIR}/comp.cpp ${CMAKE_CURRENT_LIST_DIR}/comp.h
)
