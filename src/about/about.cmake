target_sources(quillmoss_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/about_info.h
    ${CMAKE_CURRENT_LIST_DIR}/link_text.cpp ${CMAKE_CURRENT_LIST_DIR}/link_text.h
    ${CMAKE_CURRENT_LIST_DIR}/about_window.cpp ${CMAKE_CURRENT_LIST_DIR}/about_window.h
)
