# The command-line conventions both programs share (Qt Core only).
add_library(tolvekin_options STATIC
    ${CMAKE_CURRENT_LIST_DIR}/StandardOptions.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramUsage.cpp
)
target_include_directories(tolvekin_options PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(tolvekin_options PRIVATE TOLVEKIN_VERSION="${PROJECT_VERSION}")
target_link_libraries(tolvekin_options PUBLIC Qt6::Core)
