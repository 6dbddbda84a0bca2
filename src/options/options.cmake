target_sources(quillmoss_logic PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/field_checks.cpp ${CMAKE_CURRENT_LIST_DIR}/field_checks.h
    ${CMAKE_CURRENT_LIST_DIR}/help_text.cpp ${CMAKE_CURRENT_LIST_DIR}/help_text.h
)
target_sources(quillmoss_widgets PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/help_window.cpp ${CMAKE_CURRENT_LIST_DIR}/help_window.h
)
