target_sources(quillmoss_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/class_scan.cpp ${CMAKE_CURRENT_LIST_DIR}/class_scan.h
    ${CMAKE_CURRENT_LIST_DIR}/layout.cpp ${CMAKE_CURRENT_LIST_DIR}/layout.h
)
