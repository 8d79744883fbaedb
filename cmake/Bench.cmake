# What scripts/bench-start.sh measures the game's start against: a bare Qt
# window with the same controls, placed and sized by the zoom room as the
# game's are, and a wrapper that reports the CPU time a program takes.
# Neither is built unless asked for by name.
add_executable(kvint-bench-bare EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/bench/bare_window.cpp)
target_link_libraries(kvint-bench-bare PRIVATE kvint_ui_zoom kvint_warnings)
add_executable(kvint-cpu-time EXCLUDE_FROM_ALL ${PROJECT_SOURCE_DIR}/tools/bench/cpu_time.cpp)
target_link_libraries(kvint-cpu-time PRIVATE kvint_warnings)
